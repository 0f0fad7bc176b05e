#pragma once

#include "basecontroller.h"
#include "channelcontroller.h"
#include "projectcontroller.h"
#include "settingscontroller.h"
#include "yearlyastrotablemodel.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>

#include <channeloverviewmodel.h>
#include <extraprogramowner.h>
#include <extraprogramviewcontroller.h>
#include <storage/channel.h>
#include <storage/program.h>
#include <storage/programdata.h>
#include <storage/storableref.h>
#include <switchtimesowner.h>
#include <switchtimesviewcontroller.h>
#include <tjastro.h>

// The controller of the open project's content view: the selected channel and program, the
// selected channel's controller, the switch-times view controller, the settings controller, which
// channels are empty and how many memory entries the project uses, channel types, the extension
// module, the signalling channel, and the channel overview and yearly astro table models; and the
// view controllers of the extra programs with the list of the empty ones.
class ProjectContentController : public BaseController,
                                 public SwitchTimesOwner,
                                 public ExtraProgramOwner,
                                 public YearlyAstroOwner {
    Q_OBJECT
    Q_PROPERTY(ProjectController* project READ project CONSTANT)
    Q_PROPERTY(SettingsController* settingsController READ settingsController CONSTANT)
    Q_PROPERTY(SwitchTimesViewController* switchTimesViewController READ switchTimesViewController CONSTANT)
    Q_PROPERTY(bool showToolBar READ showToolBar WRITE setShowToolBar NOTIFY showToolBarChanged)
    Q_PROPERTY(bool showEditionButtons READ showEditionButtons WRITE setShowEditionButtons NOTIFY
                   showEditionButtonsChanged)
    Q_PROPERTY(QString deviceName READ deviceName CONSTANT)
    Q_PROPERTY(
        int selectedChannel READ selectedChannel WRITE setSelectedChannel NOTIFY selectedChannelChanged)
    Q_PROPERTY(
        int selectedProgram READ selectedProgram WRITE setSelectedProgram NOTIFY selectedProgramChanged)
    Q_PROPERTY(
        bool selectedProgramHasSwitchtings READ selectedProgramHasSwitchtings NOTIFY selectedProgramChanged)
    Q_PROPERTY(int totalMemoryCount READ totalMemoryCount NOTIFY totalMemoryCountChanged)
    Q_PROPERTY(ChannelController* channelController READ channelController NOTIFY selectedChannelChanged)
    Q_PROPERTY(int channelType READ channelType NOTIFY channelTypeChanged)
    Q_PROPERTY(QList<int> emptyPrograms READ emptyPrograms NOTIFY emptyProgramsChanged)
    Q_PROPERTY(QList<int> emptyChannels READ emptyChannels NOTIFY emptyChannelsChanged)

public:
    static constexpr int ExtensionFirstChannel = 4;
    static constexpr int ExtensionLastChannel = 7;

    // The project controller is also the parent.
    explicit ProjectContentController(ProjectController* project);
    ~ProjectContentController() override;

    ProjectController* project() const { return m_project; }
    SettingsController* settingsController() const { return m_settingsController; }
    SwitchTimesViewController* switchTimesViewController() const { return m_switchTimesViewController; }
    bool showToolBar() const { return m_showToolBar; }
    bool showEditionButtons() const { return m_showEditionButtons; }
    QString deviceName() const { return m_deviceName; }
    int selectedChannel() const { return m_project->selectedChannelIndex(); }
    int selectedProgram() const { return m_selectedProgram; }
    bool selectedProgramHasSwitchtings() const;
    int totalMemoryCount() const;
    ChannelController* channelController() const { return m_channelController; }
    int channelType() const;
    QList<int> emptyPrograms() const { return m_emptyPrograms; }
    QList<int> emptyChannels() const { return m_emptyChannels; }
    // The project's channels: 0 to the model's count - 1, and 4 to 7 with the extension module.
    QList<int> channelSet() const;

    Q_INVOKABLE int deviceOt2() const { return m_project->deviceOt2(); }
    Q_INVOKABLE bool hasSwitchOrDateError() const;

    // SwitchTimesOwner
    storage::StorableRef<storage::Program> selectedProgramRef() override;
    int selectedChannelIndex() const override { return selectedChannel(); }
    bool hasImpuls() const override { return m_project->hasImpuls(); }
    bool hasZyclus() const override { return m_project->hasZyclus(); }
    bool isControls() const override { return m_project->isControls(); }
    int switchCount() const override;
    std::optional<AstroYearParameters> astroParameters(int year) override;

    // ExtraProgramOwner
    QObject* ownerObject() override { return this; }
    // Null while the channel is not loaded.
    storage::StorableRef<storage::Program> programOfChannel(int number) override;
    int totalDateRangeCount() const override;
    int programms() const override { return m_project->programms(); }
    bool yearlyProgram() const override { return m_project->yearlyProgram(); }
    bool isNocta() const override { return m_project->isNocta(); }
    bool isAstroChannel() const override { return channelType() == ChannelController::AstroType; }
    int astroMode() const override;

    TJAstro channelAstroTable(int year) const override;
    TJAstro plainAstroTable(int year) const override { return getAstroTimeForYear(year); }
    std::optional<YearlyAstroHeading> yearlyAstroHeading() const override;
    QString soWiRuleText() const override;
    QString projectName() const override;
    QTextDocument* yearlyAstroDocument(const YearlyAstroTableModel& table,
                                       const YearlyAstroHeading& heading) const override;
    void printYearlyAstroTable(QTextDocument* document) const override;

public slots:
    void setShowToolBar(bool show);
    void setShowEditionButtons(bool show);
    void onTooManySz(int nbSZ, int maxSZ);
    ExtraProgramViewController* extraProgramViewController(int programNumber);
    void setSelectedChannel(int index);
    void selectAstroChannel();
    void updateTotalSwitchCount();
    void setChannelType(int index, int type);
    bool channelIsUsed(int index) const;
    bool toggleExtensionModule(bool activated, bool confirmRemove = false);
    void setSignaling(int signalingValue);
    void setSelectedProgram(int program);
    void optimizeProject();
    void sortData(const QList<int>& sortTarget, const QList<int>& sortOrder);
    TJAstro getAstroTimeForYear(int year) const;
    YearlyAstroTableModel* yearlyAstroTable();
    ChannelOverviewModel* channelOverview();

signals:
    void showToolBarChanged(bool showToolBar);
    void showEditionButtonsChanged(bool showEditionButtons);
    void selectedChannelChanged(int selectedChannel);
    void totalMemoryCountChanged(int totalMemoryCount);
    void astroModeChanged(int mode);
    void channelTypeChanged();
    void selectedProgramChanged(int selectedProgram);
    void updateAstroTimes();
    void emptyProgramsChanged();
    void emptyChannelsChanged();

protected:
    void onLoaded() override;

private slots:
    void onAstroModeChanged(int mode);
    void updateExtraProgramUsage(int progIndex);
    void updateChannelUsage(int channelIndex, bool isEmpty);

private:
    bool isProgramDataLoaded() const { return m_programData.isLoaded(); }
    void connectProject();
    void loadSelection();
    void loadPrograms();
    // Follows the project controller when it replaced or dropped the selected channel's controller.
    void syncChannelController();
    void refreshChannelController();
    void computeEmptyChannels();
    // Keeps the project's error flag in step with the switch times' and date ranges' errors.
    void updateProjectError();
    void followErrorsOf(QAbstractItemModel* list);
    // Removes the switch times a change of channel function makes meaningless, and the date ranges.
    void clearExtraProgramSwitches(int index);
    // Removes a channel's switch times, date ranges and settings and starts it afresh.
    void clearChannel(int index, bool recreate);
    bool extensionChannelsUsed() const;

    ProjectController* m_project;
    QPointer<ChannelController> m_channelController;
    SwitchTimesViewController* m_switchTimesViewController;
    SettingsController* m_settingsController;
    bool m_showToolBar = true;
    bool m_showEditionButtons = false;
    QString m_deviceName;
    storage::StorableRef<storage::ProgramData> m_programData;
    storage::StorableRef<storage::Channel> m_channel;
    QHash<int, ExtraProgramViewController*> m_extraPrograms;
    int m_selectedProgram = 0;
    QList<int> m_emptyPrograms;
    QList<int> m_emptyChannels;
};
