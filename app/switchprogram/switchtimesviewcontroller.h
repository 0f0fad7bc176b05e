#pragma once

#include "basecontroller.h"
#include "switchclipboard.h"
#include "switchtimefilter.h"
#include "switchtimelistmodel.h"
#include "trfunctions.h"

#include <QClipboard>
#include <QDateTime>
#include <QJsonArray>
#include <QList>

#include <storage/switchtime.h>
#include <tjastro.h>

class SwitchGrid;
class SwitchGridControllerProxy;
class SwitchTimeController;
class SwitchTimesOwner;

// The switch-times view of the selected program of the selected channel: the switch-time list and
// its sorted view, the creation of switch times from the grid, the table and the editor, removals,
// the grid's edit modes, the counts, copy and paste, and the astro bounds the grid shades.
class SwitchTimesViewController : public BaseController, public TrFunctions {
    Q_OBJECT
    Q_INTERFACES(TrFunctions)
    Q_PROPERTY(int switchCount READ switchCount NOTIFY switchCountChanged)
    Q_PROPERTY(int totalSwitchCount READ totalSwitchCount NOTIFY totalSwitchCountChanged)
    Q_PROPERTY(bool hasCopy READ hasClipboardData NOTIFY hasCopyChanged)
    Q_PROPERTY(int selectionMode READ selectionMode WRITE setSelectionMode NOTIFY selectionModeChanged)
    Q_PROPERTY(SwitchTimeListModel* switches READ switches CONSTANT)
    Q_PROPERTY(SwitchTimeFilter* sortedSwitches READ sortedSwitches CONSTANT)
    Q_PROPERTY(QObject* gridController READ gridController CONSTANT)
    Q_PROPERTY(bool hasClipboardData READ hasClipboardData NOTIFY hasClipboardDataChanged)
    Q_PROPERTY(int astroMin READ astroMin NOTIFY astroChanged)
    Q_PROPERTY(int astroMax READ astroMax NOTIFY astroChanged)
    Q_PROPERTY(int astroMinLight READ astroMinLight NOTIFY astroChanged)
    Q_PROPERTY(int astroMaxLight READ astroMaxLight NOTIFY astroChanged)
    Q_PROPERTY(bool onlyShowLightAstro READ onlyShowLightAstro NOTIFY onlyShowLightAstroChanged)

public:
    enum SelectionMode { Normal = 0, Delete = 1, Copy = 2 };
    Q_ENUM(SelectionMode)
    using Type = storage::SwitchTime::Type;
    using State = storage::SwitchTime::State;

    SwitchTimesViewController(SwitchTimesOwner* owner, QObject* parent);
    ~SwitchTimesViewController() override;

    int switchCount() const { return m_switches->count(); }
    int totalSwitchCount() const;
    int selectionMode() const { return m_selectionMode; }
    SwitchTimeListModel* switches() const { return m_switches; }
    SwitchTimeFilter* sortedSwitches() const { return m_sortedSwitches; }
    QObject* gridController() const;
    bool hasClipboardData() const { return m_hasClipboardData; }
    int astroMin() const { return m_astroMin; }
    int astroMax() const { return m_astroMax; }
    int astroMinLight() const { return m_astroMinLight; }
    int astroMaxLight() const { return m_astroMaxLight; }
    bool onlyShowLightAstro() const { return m_onlyShowLightAstro; }

    // Takes the switch times of the owner's selected program, when one is loaded.
    void reloadSwitches();
    // An editor's new switch time: stored and listed unless an equal one is listed already.
    void storeNewSwitchTime(storage::SwitchTime switchTime);
    // An editor's save of a listed switch time, as one undo step; one left without weekdays is
    // removed. Nothing happens when the list no longer holds it.
    void storeSwitchTime(const storage::SwitchTime& switchTime, const SwitchTimeFields& fields);
    // The selected channel's year with its offsets and astro time; all zero unless the project
    // and the channel are astronomic.
    TJAstro astroTableForYear(int year);

public slots:
    QString checkForError(int type, int state, int startDays, int endDay, const QDateTime& startTime,
                          const QDateTime& endTime, const QDateTime& pulsTime, const QDateTime& pauseTime);
    void createFromTable(int type, int state, int startDays, int endDay, const QDateTime& startTime,
                         const QDateTime& endTime, const QDateTime& pulsTime, const QDateTime& pauseTime);
    SwitchTimeController* openSwitchTime(int index, bool isSortedIndex = false);
    SwitchTimeController* createSwitchTime(int type = 0, int state = 0);
    void remove(int index);
    void removeAll();
    void enableOnSwitchMode(SwitchGrid* grid, bool astroMode);
    void enableOffSwitchMode(SwitchGrid* grid, bool astroMode);
    void enableOnOffSwitchMode(SwitchGrid* grid);
    void enableImpulsOnSwitchMode(SwitchGrid* grid);
    void enableImpulsOffSwitchMode(SwitchGrid* grid);
    void enableCycleSwitchMode(SwitchGrid* grid);
    void deleteArea(int from, int to, const QList<int>& indexes);
    void copyArea(int from, int to, int topColumn, const QList<int>& indexes);
    void checkClipboard(QClipboard::Mode mode);
    void checkClipboard();
    bool canPaste(int kind);
    void pastTo(int fromDay, int fromTime);
    void paste();
    void setSelectionMode(int mode);
    void updateAstroTimes();
    void updateAstroMode(int astroMode);
    QJsonArray tooltipInfo(const QList<int>& indexes) const;

signals:
    void switchCountChanged(int switchCount);
    void totalSwitchCountChanged(int totalSwitchCount);
    void hasCopyChanged(bool hasCopy);
    void selectionModeChanged(int selectionMode);
    void hasClipboardDataChanged();
    void astroChanged();
    void onlyShowLightAstroChanged();
    void updateGrid();
    void invertStartEndModel();

private slots:
    void createSwitchTimeSlot(storage::SwitchTime::Type type, storage::SwitchTime::State state, int startTime,
                              int startDays);
    void createSwitchTimeRangeSlot(storage::SwitchTime::Type type, storage::SwitchTime::State state,
                                   int startTime, int endTime, int startDays);
    void createImpulsSlot(storage::SwitchTime::Type type, storage::SwitchTime::State state, int startTime,
                          int startDays, int pulsTime = 0);
    void createCycleSlot(storage::SwitchTime::Type type, storage::SwitchTime::State state, int startTime,
                         int endTime, int startDay, int endDay, int pulsTime = 0, int pauseTime = 0,
                         bool fromCopyPaste = false);
    void createSwitchTimeUniqueSlot(storage::SwitchTime::Type type, storage::SwitchTime::State state,
                                    int startTime, int endTime, int startDay, int endDay);
    void clearEmptySwitches();
    void fillClipboard(int fromDay, int fromTime, const QJsonArray& switches);

private:
    // Stores and lists a new switch time as one undo step, unless an equal one is listed.
    void insertNew(storage::SwitchTime switchTime);
    void writeProgram();
    void emitCounts();
    void pasteItem(const SwitchClipboard::Item& item);
    void setAstroBounds(int min, int max, int minLight, int maxLight);
    SwitchTimeController* editorFor(int index, const storage::SwitchTime& switchTime);

    SwitchTimesOwner* m_owner;
    SwitchTimeListModel* m_switches;
    SwitchTimeFilter* m_sortedSwitches;
    // One proxy for every view that asks.
    SwitchGridControllerProxy* m_gridController;
    int m_selectionMode = Normal;
    bool m_hasClipboardData = false;
    int m_astroMin = -1;
    int m_astroMax = -1;
    int m_astroMinLight = -1;
    int m_astroMaxLight = -1;
    bool m_onlyShowLightAstro = false;
    bool m_loaded = false;
    // A paste opens its undo step with its first new switch time, so that a paste of switch times
    // that are all listed leaves no empty step.
    bool m_pasting = false;
    bool m_pasteStepOpen = false;
};
