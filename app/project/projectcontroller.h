#pragma once

#include "basecontroller.h"
#include "channelcontroller.h"
#include "exportableproject.h"
#include "metadatacontroller.h"

#include <QDate>
#include <QDateTime>
#include <QFuture>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariantMap>

#include <devices/device.h>
#include <devices/ot2file.h>
#include <sommerwintertablemodel.h>
#include <sowirulerecord.h>
#include <storage/project.h>

class CoordinatesSettingsController;
class QTextStream;

// The controller of one open project: its settings and its model's capabilities for the views,
// one channel controller per channel (made on first request and kept), the metadata, the
// summer/winter table, and the project as a project file, a device memory image or a report
// (printed or as CSV).
//
// Hours of the summer/winter rule are stored in seconds and published in hours; the channel
// changeover time is stored in seconds and published as today at that time.
class ProjectController : public BaseController, public ExportableProject {
    Q_OBJECT
    Q_INTERFACES(ExportableProject)
    Q_PROPERTY(int id READ id CONSTANT)
    Q_PROPERTY(QString name READ name WRITE rename NOTIFY nameChanged)
    Q_PROPERTY(int deviceOt2 READ deviceOt2 CONSTANT)
    Q_PROPERTY(int lcdState READ lcdState WRITE setLcdState NOTIFY lcdStateChanged)
    Q_PROPERTY(int firstDayOfWeek READ firstDayOfWeek WRITE setFirstDayOfWeek NOTIFY firstDayOfWeekChanged)
    Q_PROPERTY(int timeFormat READ timeFormat WRITE setTimeFormat NOTIFY timeFormatChanged)
    Q_PROPERTY(int dateFormat READ dateFormat WRITE setDateFormat NOTIFY dateFormatChanged)
    Q_PROPERTY(int soWiRuleType READ soWiRuleType WRITE setSoWiRuleType NOTIFY soWiRuleTypeChanged)
    Q_PROPERTY(int wiSoWeek READ wiSoWeek WRITE setWiSoWeek NOTIFY wiSoWeekChanged)
    Q_PROPERTY(int wiSoMonth READ wiSoMonth WRITE setWiSoMonth NOTIFY wiSoMonthChanged)
    Q_PROPERTY(int wiSoWeekDay READ wiSoWeekDay WRITE setWiSoWeekDay NOTIFY wiSoWeekDayChanged)
    Q_PROPERTY(int wiSoHour READ wiSoHour WRITE setWiSoHour NOTIFY wiSoHourChanged)
    Q_PROPERTY(int soWiWeek READ soWiWeek WRITE setSoWiWeek NOTIFY soWiWeekChanged)
    Q_PROPERTY(int soWiMonth READ soWiMonth WRITE setSoWiMonth NOTIFY soWiMonthChanged)
    Q_PROPERTY(int soWiHour READ soWiHour WRITE setSoWiHour NOTIFY soWiHourChanged)
    Q_PROPERTY(int soWiWeekDay READ soWiWeekDay WRITE setSoWiWeekDay NOTIFY soWiWeekDayChanged)
    Q_PROPERTY(QDate wiSoDate READ wiSoDate WRITE setWiSoDate NOTIFY wiSoDateChanged)
    Q_PROPERTY(QDate soWiDate READ soWiDate WRITE setSoWiDate NOTIFY soWiDateChanged)
    Q_PROPERTY(int customWiSo READ customWiSo WRITE setCustomWiSo NOTIFY customWiSoChanged)
    Q_PROPERTY(int customSoWi READ customSoWi WRITE setCustomSoWi NOTIFY customSoWiChanged)
    Q_PROPERTY(int channelCombination READ channelCombination WRITE setChannelCombination NOTIFY
                   channelCombinationChanged)
    Q_PROPERTY(int channelChangeover READ channelChangeover WRITE setChannelChangeover NOTIFY
                   channelChangeoverChanged)
    Q_PROPERTY(QDateTime channelChangeoverTime READ channelChangeoverTime WRITE setChannelChangeoverTime
                   NOTIFY channelChangeoverTimeChanged)
    Q_PROPERTY(int easterRule READ easterRule WRITE setEasterRule NOTIFY easterRuleChanged)
    Q_PROPERTY(QString summerWinterTableName READ summerWinterTableName WRITE setSummerWinterTableName NOTIFY
                   summerWinterTableNameChanged)
    Q_PROPERTY(bool extensionModule READ extensionModule NOTIFY extensionModuleChanged)
    Q_PROPERTY(bool hasError READ hasError CONSTANT)

    Q_PROPERTY(int channelNumber READ channelNumber CONSTANT)
    Q_PROPERTY(int programms READ programms CONSTANT)
    Q_PROPERTY(int luxSettingType READ luxSettingType CONSTANT)
    Q_PROPERTY(int defaultExternalInput READ defaultExternalInput CONSTANT)
    Q_PROPERTY(bool hasRandomHolidaysStatus READ hasRandomHolidaysStatus CONSTANT)
    Q_PROPERTY(bool hasTimer READ hasTimer CONSTANT)
    Q_PROPERTY(bool hasAccident READ hasAccident CONSTANT)
    Q_PROPERTY(bool hasImpuls READ hasImpuls CONSTANT)
    Q_PROPERTY(bool hasZyclus READ hasZyclus CONSTANT)
    Q_PROPERTY(bool hasExternalInput READ hasExternalInput CONSTANT)
    Q_PROPERTY(bool hideExternalInput READ hideExternalInput CONSTANT)
    Q_PROPERTY(bool canSetSchalter READ canSetSchalter CONSTANT)
    Q_PROPERTY(bool hasChannelCombination READ hasChannelCombination CONSTANT)
    Q_PROPERTY(bool hasEasterRule READ hasEasterRule CONSTANT)
    Q_PROPERTY(bool hasToggleFunction READ hasToggleFunction CONSTANT)
    Q_PROPERTY(bool hasDateTimeSettings READ hasDateTimeSettings CONSTANT)
    Q_PROPERTY(bool hasOptionSettings READ hasOptionSettings CONSTANT)
    Q_PROPERTY(bool hasVaccancy READ hasVaccancy CONSTANT)
    Q_PROPERTY(bool hasOperatingTime READ hasOperatingTime CONSTANT)
    Q_PROPERTY(bool canSelectChannelType READ canSelectChannelType CONSTANT)
    Q_PROPERTY(bool cloudDevice READ cloudDevice CONSTANT)
    Q_PROPERTY(bool extraProgramWithSwitches READ extraProgramWithSwitches CONSTANT)
    Q_PROPERTY(bool hasLcdIllumination READ hasLcdIllumination CONSTANT)
    Q_PROPERTY(bool hasExtensionModule READ hasExtensionModule CONSTANT)
    Q_PROPERTY(bool hasSignalFunction READ hasSignalFunction CONSTANT)
    Q_PROPERTY(bool yearlyProgram READ yearlyProgram CONSTANT)

    Q_PROPERTY(int maxMemory READ maxMemory CONSTANT)
    Q_PROPERTY(MetadataController* metadataController READ metadataController CONSTANT)
    Q_PROPERTY(ChannelController* currentChannel READ currentChannel NOTIFY selectedChannelChanged)
    Q_PROPERTY(int channelType READ channelType NOTIFY channelTypeChanged)
    Q_PROPERTY(bool hasAstroChannels READ hasAstroChannels NOTIFY hasAstroChannelsChanged)
    Q_PROPERTY(bool isAstro READ isAstro CONSTANT)
    Q_PROPERTY(bool isNocta READ isNocta CONSTANT)
    Q_PROPERTY(bool isControls READ isControls CONSTANT)
    Q_PROPERTY(bool isHybrid READ isHybrid CONSTANT)
    Q_PROPERTY(bool hasRestrictedSettings READ hasRestrictedSettings CONSTANT)
    Q_PROPERTY(QList<int> signalingChannels READ signalingChannels NOTIFY signalingChannelsChanged)

public:
    static constexpr int SecondsPerHour = 3600;

    explicit ProjectController(const storage::Project& project, QObject* parent = nullptr);
    ~ProjectController() override;

    QFuture<devices::Ot2File> buildFile(bool optimize) override;
    virtual bool isAstro() const { return false; }
    virtual bool isNocta() const { return false; }
    virtual bool hasRestrictedSettings() const { return false; }
    virtual bool hasAstroChannels() const { return false; }
    virtual bool isControls() const { return false; }
    virtual bool isHybrid() const { return false; }

    int id() const { return int(m_project.id()); }
    QString name() const { return m_project.name(); }
    int deviceOt2() const { return m_project.device(); }
    int lcdState() const { return m_project.lcdState(); }
    int firstDayOfWeek() const { return m_project.firstDayOfWeek(); }
    int timeFormat() const { return m_project.timeFormat(); }
    int dateFormat() const { return m_project.dateFormat(); }
    int soWiRuleType() const { return m_project.soWiRuleType(); }
    int wiSoWeek() const { return m_project.wiSoWeek(); }
    int wiSoMonth() const { return m_project.wiSoMonth(); }
    int wiSoWeekDay() const { return m_project.wiSoWeekDay(); }
    int wiSoHour() const { return m_project.wiSoHour() / SecondsPerHour; }
    int soWiWeek() const { return m_project.soWiWeek(); }
    int soWiMonth() const { return m_project.soWiMonth(); }
    int soWiHour() const { return m_project.soWiHour() / SecondsPerHour; }
    int soWiWeekDay() const { return m_project.soWiWeekDay(); }
    QDate wiSoDate() const { return m_project.wiSoDate(); }
    QDate soWiDate() const { return m_project.soWiDate(); }
    int customWiSo() const { return m_project.customWiSo(); }
    int customSoWi() const { return m_project.customSoWi(); }
    int channelCombination() const { return m_project.channelCombination(); }
    int channelChangeover() const { return m_project.channelChangeover(); }
    QDateTime channelChangeoverTime() const;
    int easterRule() const { return m_project.easterRule(); }
    QString summerWinterTableName() const { return m_project.summerWinterTableName(); }
    bool extensionModule() const { return m_project.extensionModule(); }
    bool hasError() const { return m_project.hasError(); }

    int channelNumber() const { return m_device.kanals(); }
    int programms() const { return m_device.programms(); }
    int luxSettingType() const { return m_device.luxSettingType(); }
    int defaultExternalInput() const { return m_device.defaultExternalInput(); }
    bool hasRandomHolidaysStatus() const { return m_device.hasRandomHolidaysStatus(); }
    bool hasTimer() const { return m_device.hasTimer(); }
    bool hasAccident() const { return m_device.hasAccident(); }
    bool hasImpuls() const { return m_device.hasImpuls(); }
    bool hasZyclus() const { return m_device.hasZyclus(); }
    bool hasExternalInput() const { return m_device.hasExternalInput(); }
    bool hideExternalInput() const { return m_device.hideExternalInput(); }
    bool canSetSchalter() const { return m_device.canSetSchalter(); }
    bool hasChannelCombination() const { return m_device.hasChannelCombination(); }
    bool hasEasterRule() const { return m_device.hasEasterRule(); }
    bool hasToggleFunction() const { return m_device.hasToggleFunction(); }
    bool hasDateTimeSettings() const { return m_device.hasDateTimeSettings(); }
    bool hasOptionSettings() const { return m_device.hasOptionSettings(); }
    bool hasVaccancy() const { return m_device.hasVaccancy(); }
    bool hasOperatingTime() const { return m_device.hasOperatingTime(); }
    bool canSelectChannelType() const { return m_device.canSelectChannelType(); }
    bool cloudDevice() const { return m_device.cloudDevice(); }
    bool extraProgramWithSwitches() const { return m_device.extraProgramWithSwitches(); }
    bool hasLcdIllumination() const { return m_device.hasLcdIllumination(); }
    bool hasExtensionModule() const { return m_device.hasExtensionModule(); }
    bool hasSignalFunction() const { return m_device.hasSignalFunction(); }
    bool yearlyProgram() const { return m_device.yearlyProgram(); }
    bool canSetSecondsForTimerExtInput() const { return m_device.canSetSecondsForTimerExtInput(); }

    int maxMemory() const { return m_maxSz; }
    MetadataController* metadataController() const { return m_metadata; }
    ChannelController* currentChannel() { return channel(m_selectedChannel); }
    int channelType() const;
    QList<int> signalingChannels() const;

    storage::StorableRef<storage::ProgramData> projectData() const { return m_project.constData(); }
    storage::StorableRef<storage::ProgramData> programData() { return m_project.data(); }
    storage::StorableRef<storage::ChannelSetting> setting(int channel) { return m_project.setting(channel); }
    int selectedChannelIndex() const { return m_selectedChannel; }
    QString deviceName() const { return m_device.name(); }
    QString filePath() const { return m_filePath; }
    const storage::Project& project() const { return m_project; }
    const devices::Device& device() const { return m_device; }

    void setChannelType(int index, int type);
    void setExtensionModule(bool on);
    bool removeChannelController(int index);
    void resetChannelSetting(int index);
    int firstChannelWithFunction(int function) const;
    // The rule record for the astro engine, for the year computed (see SummerWinterRule).
    SoWiRuleRecord summerWinterRule(int year = QDate::currentDate().year()) const;
    // Records the project file's path and names the project after the file.
    void renameProject(const QString& path);
    void optimize() { m_project.optimize(); }
    // Builds the project report and hands its document to the print service, which prints it
    // after the print dialog or shows the preview first.
    void printProject(bool showPreview);
    // Writes the project report as CSV text (UTF-8) to the stream.
    void writeReport(QTextStream& stream);
    // The open project's location controller when this project is the open one, so that the
    // report shows what the location views show; null otherwise.
    const CoordinatesSettingsController* openLocation() const;

public slots:
    void rename(const QString& name);
    void remove();
    void setLcdState(int state);
    void setFirstDayOfWeek(int day);
    void setTimeFormat(int format);
    void setDateFormat(int format);
    void setSoWiRuleType(int rule);
    void setWiSoWeek(int week);
    void setWiSoMonth(int month);
    void setWiSoWeekDay(int day);
    void setWiSoHour(int hour);
    void setSoWiWeek(int week);
    void setSoWiMonth(int month);
    void setSoWiHour(int hour);
    void setSoWiWeekDay(int day);
    void setWiSoDate(const QDate& date);
    void setSoWiDate(const QDate& date);
    void setCustomWiSo(int value);
    void setCustomSoWi(int value);
    void setChannelCombination(int value);
    void setChannelChangeover(int day);
    void setChannelChangeoverTime(const QDateTime& time);
    void setEasterRule(int rule);
    void setSummerWinterTableName(const QString& name);

    // False, with tooManySZError(), when the project needs more memory entries than the model
    // has; false too while it holds an error.
    bool isExportable();
    // Writes the device memory image of the project and offers it to the user. False, with a
    // warning, when the project does not fit the model or the file cannot be written; nothing is
    // offered then.
    bool writeProjectToFile();
    bool setSelectedChannel(int index);
    void sortData(const QList<int>& sortTarget, const QList<int>& sortOrder);
    virtual ChannelController* channel(int index);
    SommerWinterTableModel* sommerWinterTable();
    void saveSommerWinterTable();
    void loadSommerWinterTable();
    devices::Ot2File toOt2(bool optimize = false);
    QVariantMap extraProgramsWithSwitchimesNoDates() const;

signals:
    void timeFormatChanged(int timeFormat);
    void dateFormatChanged(int dateFormat);
    void lcdStateChanged(int lcdState);
    void nameChanged(const QString& name);
    void soWiRuleTypeChanged(int soWiRuleType);
    void wiSoWeekChanged(int wiSoWeek);
    void wiSoMonthChanged(int wiSoMonth);
    void wiSoHourChanged(int wiSoHour);
    void wiSoWeekDayChanged(int wiSoWeekDay);
    void soWiWeekChanged(int soWiWeek);
    void soWiMonthChanged(int soWiMonth);
    void wiSoDateChanged(const QDate& wiSoDate);
    void soWiDateChanged(const QDate& soWiDate);
    void firstDayOfWeekChanged(int firstDayOfWeek);
    void tooManySZError(int nbSz, int maxSZ);
    void selectedChannelChanged(int selectedChannel);
    void channelTypeChanged();
    void typeOfChannelsChanged();
    void hasAstroChannelsChanged();
    void channelCombinationChanged(int channelCombination);
    void channelChangeoverChanged(int channelChangeover);
    void channelChangeoverTimeChanged(const QDateTime& channelChangeoverTime);
    void easterRuleChanged(int easterRule);
    void customWiSoChanged();
    void customSoWiChanged();
    void soWiHourChanged();
    void soWiWeekDayChanged();
    void extensionModuleChanged();
    void signalingChannelsChanged();
    void summerWinterTableNameChanged();

protected:
    // A plain controller, or an astronomic one for function 1.
    ChannelController* createChannelController(int index, int function);
    ChannelController* cachedChannel(int index) const { return m_channels.value(index); }
    ChannelController* cache(int index, ChannelController* controller);
    const QHash<int, ChannelController*>& channels() const { return m_channels; }

    storage::Project m_project;

private:
    devices::Device m_device;
    int m_maxSz = 0;
    int m_selectedChannel = 0;
    QString m_filePath;
    QHash<int, ChannelController*> m_channels;
    MetadataController* m_metadata = nullptr;
    SommerWinterTableModel* m_sommerWinterModel = nullptr;
};
