#include "projectcontroller.h"

#include "astrochannelcontroller.h"
#include "astroprojectcontroller.h"
#include "channelcontroller.h"
#include "channelindexes.h"
#include "exportfiles.h"
#include "metadatacontroller.h"
#include "printservice.h"
#include "projectdocument.h"
#include "projectsowner.h"
#include "summerwinterrule.h"
#include "tarvinologging.h"
#include "writeifchanged.h"

#include <QFileInfo>
#include <QStringConverter>
#include <QTextStream>
#include <QTime>

#include <devices/deviceservice.h>
#include <devices/eepromservice.h>
#include <filemanager/filemanager.h>
#include <sommerwintertablemodel.h>
#include <storage/projectservice.h>

namespace {

const QString EepMimeType = QStringLiteral("application/vnd.de.zorvik.tarvino.eep");
const QString EepExportFolder = QStringLiteral("export_eep");
// Channels whose signalling the yearly models keep.
constexpr int SignalingChannelCount = 8;

devices::Device catalogueDevice(int ot2) {
    if (!devices::DeviceService::hasInstance()) {
        qCWarning(tarvinoLog) << ">> No device catalogue for model" << ot2;
        return {};
    }
    return devices::DeviceService::instance().deviceByOt2Number(ot2);
}

int secondsOfDay(const QTime& time) {
    return time.hour() * ProjectController::SecondsPerHour + time.minute() * 60 + time.second();
}

} // namespace

ProjectController::ProjectController(const storage::Project& project, QObject* parent)
    : BaseController(parent)
    , m_project(project)
    , m_device(catalogueDevice(project.device()))
    , m_maxSz(m_device.maxSz())
    , m_metadata(new MetadataController(m_project, this))
    , m_sommerWinterModel(new SommerWinterTableModel(this)) {
    m_metadata->setChannelCount(m_device.kanals());
}

ProjectController::~ProjectController() = default;

QFuture<devices::Ot2File> ProjectController::buildFile(bool optimize) {
    return m_project.buildFile(optimize);
}

QDateTime ProjectController::channelChangeoverTime() const {
    return ChannelController::todayAt(m_project.channelChangeoverTime());
}

int ProjectController::channelType() const {
    const ChannelController* controller = cachedChannel(m_selectedChannel);
    return controller ? controller->channelType() : ChannelController::PlainType;
}

QList<int> ProjectController::signalingChannels() const {
    QList<int> channels;
    if (!m_device.yearlyProgram())
        return channels;
    // A handle copy: looking a setting up is no edit of the project.
    storage::Project project = m_project;
    for (int channel = 0; channel < SignalingChannelCount; ++channel) {
        if (project.hasChannelSetting(channel))
            ChannelIndexes::appendOnce(channels, project.setting(channel)->signaling());
    }
    return channels;
}

void ProjectController::rename(const QString& given) {
    const QString name = given.trimmed();
    if (name.isEmpty()) {
        qCWarning(tarvinoLog) << ">> A project cannot be renamed to an empty name";
        return;
    }
    if (name == m_project.name())
        return;
    m_project.rename(name);
    if (storage::ProjectService::hasInstance())
        storage::ProjectService::instance().updateProject(m_project.id());
    emit nameChanged(name);
}

void ProjectController::renameProject(const QString& path) {
    m_filePath = path;
    rename(QFileInfo(path).completeBaseName());
}

void ProjectController::remove() {
    // The open project closes first: edits of a removed project would go nowhere.
    if (ProjectsOwner* owner = ProjectsOwner::current(); owner && owner->currentProject() == this)
        owner->closeProject();
    m_project.remove();
}

void ProjectController::setLcdState(int state) {
    if (writeIfChanged(lcdState(), state, [&] { m_project.setLcdState(state); }))
        emit lcdStateChanged(state);
}

void ProjectController::setFirstDayOfWeek(int day) {
    if (writeIfChanged(firstDayOfWeek(), day, [&] { m_project.setFirstDayOfWeek(day); }))
        emit firstDayOfWeekChanged(day);
}

void ProjectController::setTimeFormat(int format) {
    if (writeIfChanged(timeFormat(), format, [&] { m_project.setTimeFormat(format); }))
        emit timeFormatChanged(format);
}

void ProjectController::setDateFormat(int format) {
    if (writeIfChanged(dateFormat(), format, [&] { m_project.setDateFormat(format); }))
        emit dateFormatChanged(format);
}

void ProjectController::setSoWiRuleType(int rule) {
    if (writeIfChanged(soWiRuleType(), rule, [&] { m_project.setSoWiRuleType(rule); }))
        emit soWiRuleTypeChanged(rule);
}

void ProjectController::setWiSoWeek(int week) {
    if (writeIfChanged(wiSoWeek(), week, [&] { m_project.setWiSoWeek(week); }))
        emit wiSoWeekChanged(week);
}

void ProjectController::setWiSoMonth(int month) {
    if (writeIfChanged(wiSoMonth(), month, [&] { m_project.setWiSoMonth(month); }))
        emit wiSoMonthChanged(month);
}

void ProjectController::setWiSoWeekDay(int day) {
    if (writeIfChanged(wiSoWeekDay(), day, [&] { m_project.setWiSoWeekDay(day); }))
        emit wiSoWeekDayChanged(day);
}

void ProjectController::setWiSoHour(int hour) {
    if (writeIfChanged(m_project.wiSoHour(), hour * SecondsPerHour,
                       [&] { m_project.setWiSoHour(hour * SecondsPerHour); }))
        emit wiSoHourChanged(hour);
}

void ProjectController::setSoWiWeek(int week) {
    if (writeIfChanged(soWiWeek(), week, [&] { m_project.setSoWiWeek(week); }))
        emit soWiWeekChanged(week);
}

void ProjectController::setSoWiMonth(int month) {
    if (writeIfChanged(soWiMonth(), month, [&] { m_project.setSoWiMonth(month); }))
        emit soWiMonthChanged(month);
}

void ProjectController::setSoWiHour(int hour) {
    if (writeIfChanged(m_project.soWiHour(), hour * SecondsPerHour,
                       [&] { m_project.setSoWiHour(hour * SecondsPerHour); }))
        emit soWiHourChanged();
}

void ProjectController::setSoWiWeekDay(int day) {
    if (writeIfChanged(soWiWeekDay(), day, [&] { m_project.setSoWiWeekDay(day); }))
        emit soWiWeekDayChanged();
}

void ProjectController::setWiSoDate(const QDate& date) {
    if (writeIfChanged(wiSoDate(), date, [&] { m_project.setWiSoDate(date); }))
        emit wiSoDateChanged(date);
}

void ProjectController::setSoWiDate(const QDate& date) {
    if (writeIfChanged(soWiDate(), date, [&] { m_project.setSoWiDate(date); }))
        emit soWiDateChanged(date);
}

void ProjectController::setCustomWiSo(int value) {
    if (writeIfChanged(customWiSo(), value, [&] { m_project.setCustomWiSo(value); }))
        emit customWiSoChanged();
}

void ProjectController::setCustomSoWi(int value) {
    if (writeIfChanged(customSoWi(), value, [&] { m_project.setCustomSoWi(value); }))
        emit customSoWiChanged();
}

void ProjectController::setChannelCombination(int value) {
    if (writeIfChanged(channelCombination(), value, [&] { m_project.setChannelCombination(value); }))
        emit channelCombinationChanged(value);
}

void ProjectController::setChannelChangeover(int day) {
    if (writeIfChanged(channelChangeover(), day, [&] { m_project.setChannelChangeover(day); }))
        emit channelChangeoverChanged(day);
}

void ProjectController::setChannelChangeoverTime(const QDateTime& time) {
    const int seconds = secondsOfDay(time.time());
    if (writeIfChanged(m_project.channelChangeoverTime(), seconds,
                       [&] { m_project.setChannelChangeoverTime(seconds); }))
        emit channelChangeoverTimeChanged(time);
}

void ProjectController::setEasterRule(int rule) {
    if (writeIfChanged(easterRule(), rule, [&] { m_project.setEasterRule(rule); }))
        emit easterRuleChanged(rule);
}

void ProjectController::setSummerWinterTableName(const QString& name) {
    if (writeIfChanged(summerWinterTableName(), name, [&] { m_project.setSummerWinterTableName(name); }))
        emit summerWinterTableNameChanged();
}

void ProjectController::setExtensionModule(bool on) {
    if (writeIfChanged(extensionModule(), on, [&] { m_project.setExtensionModule(on); }))
        emit extensionModuleChanged();
}

bool ProjectController::isExportable() {
    const int entries = m_project.memoryCount();
    if (entries <= m_maxSz)
        return !m_project.hasError();
    emit tooManySZError(entries, m_maxSz);
    return false;
}

devices::Ot2File ProjectController::toOt2(bool optimize) {
    QFuture<devices::Ot2File> built = buildFile(optimize);
    built.waitForFinished();
    if (built.isCanceled() || built.resultCount() == 0) {
        qCWarning(tarvinoLog) << ">> The project file of" << name() << "could not be built";
        return {};
    }
    return built.result();
}

bool ProjectController::writeProjectToFile() {
    const int entries = m_project.memoryCount();
    if (entries > m_maxSz) {
        qCWarning(tarvinoLog) << ">> The project needs" << entries << "memory entries; the model holds"
                              << m_maxSz;
        emit tooManySZError(entries, m_maxSz);
        return false;
    }
    if (!devices::EepromService::hasInstance()) {
        qCWarning(tarvinoLog) << ">> There is no device memory service to build the image";
        return false;
    }
    const QByteArray image = devices::EepromService::instance().projectToBytes(toOt2(true));
    if (image.isEmpty()) {
        qCWarning(tarvinoLog) << ">> The device memory image of" << name() << "could not be built";
        return false;
    }
    const QString path = ExportFiles::exportPath(EepExportFolder, name(), QStringLiteral("eep"));
    if (path.isEmpty() || !ExportFiles::writeFile(path, image))
        return false;
    filemanager::FileManager::exportFile(path, EepMimeType, nullptr);
    return true;
}

void ProjectController::printProject(bool showPreview) {
    if (!PrintService::hasInstance()) {
        qCWarning(tarvinoLog) << ">> There is no print service to print" << name();
        return;
    }
    ProjectDocument report(m_project, openLocation());
    PrintService::instance().askForPrint(report.takeDocument(), showPreview);
}

void ProjectController::writeReport(QTextStream& stream) {
    stream.setEncoding(QStringConverter::Utf8);
    stream << ProjectDocument(m_project, openLocation()).toCsv();
}

const CoordinatesSettingsController* ProjectController::openLocation() const {
    ProjectsOwner* owner = ProjectsOwner::current();
    const auto* open = owner ? qobject_cast<const AstroProjectController*>(owner->currentProject()) : nullptr;
    return open && open->project() == m_project ? open->coordinatesController() : nullptr;
}

bool ProjectController::setSelectedChannel(int index) {
    if (index == m_selectedChannel)
        return false;
    m_selectedChannel = index;
    emit selectedChannelChanged(index);
    emit channelTypeChanged();
    return true;
}

void ProjectController::sortData(const QList<int>& sortTarget, const QList<int>& sortOrder) {
    m_project.sortData(sortTarget, sortOrder);
}

ChannelController* ProjectController::channel(int index) {
    if (ChannelController* cached = cachedChannel(index))
        return cached;
    return cache(index, new ChannelController(m_project, index, this));
}

ChannelController* ProjectController::createChannelController(int index, int function) {
    if (function == storage::Channel::AstroFunction)
        return new AstroChannelController(m_project, index, this);
    return new ChannelController(m_project, index, this);
}

ChannelController* ProjectController::cache(int index, ChannelController* controller) {
    m_channels.insert(index, controller);
    return controller;
}

void ProjectController::setChannelType(int index, int type) {
    if (ChannelController* old = m_channels.take(index))
        old->deleteLater();
    ChannelController* controller = cache(index, createChannelController(index, type));
    if (auto* astro = qobject_cast<AstroChannelController*>(controller); astro && m_device.hasAstroTime())
        astro->setAstroTime(0);
    if (index == m_selectedChannel)
        emit channelTypeChanged();
    emit selectedChannelChanged(m_selectedChannel);
    emit typeOfChannelsChanged();
    emit hasAstroChannelsChanged();
}

bool ProjectController::removeChannelController(int index) {
    ChannelController* controller = m_channels.take(index);
    if (!controller)
        return false;
    controller->deleteLater();
    return true;
}

void ProjectController::resetChannelSetting(int index) {
    if (!m_project.hasChannelSetting(index))
        return;
    m_project.removeChannelSetting(index);
    m_project.setting(index);
    // A cached controller still edits the old setting: the next request makes one on the new.
    if (removeChannelController(index) && index == m_selectedChannel)
        emit selectedChannelChanged(m_selectedChannel);
}

int ProjectController::firstChannelWithFunction(int function) const {
    if (!m_project.hasProgramData())
        return -1;
    const storage::StorableRef<storage::ProgramData> data = m_project.constData();
    if (data.isNull())
        return -1;
    QList<int> indexes = data->channelIndexes();
    std::sort(indexes.begin(), indexes.end());
    for (const int index : indexes) {
        if (data->constChannel(index)->function() == function)
            return index;
    }
    return -1;
}

SoWiRuleRecord ProjectController::summerWinterRule(int year) const {
    return SummerWinterRule::record(m_project, m_device, year);
}

SommerWinterTableModel* ProjectController::sommerWinterTable() {
    if (!m_project.summerWinterDateTimes().isEmpty())
        loadSommerWinterTable();
    return m_sommerWinterModel;
}

void ProjectController::loadSommerWinterTable() {
    const QHash<int, storage::SummerWinterDateTimeValues> rows = m_project.summerWinterDateTimes();
    for (auto row = rows.cbegin(); row != rows.cend(); ++row) {
        const storage::SummerWinterDateTimeValues& values = row.value();
        if (!m_sommerWinterModel->set(row.key(), values.year(), values.wiSoDate(), values.wiSoHour(),
                                      values.soWiDate(), values.soWiHour(), values.enabled()))
            qCWarning(tarvinoLog) << ">> Ignoring the stored summer/winter row" << row.key() << "of year"
                                  << values.year() << "; it does not fit the table";
    }
}

void ProjectController::saveSommerWinterTable() {
    QHash<int, storage::SummerWinterDateTimeValues> rows;
    const QList<SoWiDateTime> table = m_sommerWinterModel->dateTimes();
    for (int row = 0; row < table.size(); ++row) {
        const SoWiDateTime& values = table.at(row);
        rows.insert(row,
                    storage::SummerWinterDateTimeValues(values.year, values.wiSoDate, values.wiSoHour,
                                                        values.soWiDate, values.soWiHour, values.enabled));
    }
    m_project.setSummerWinterDateTimes(rows);
}

QVariantMap ProjectController::extraProgramsWithSwitchimesNoDates() const {
    QVariantMap result;
    const storage::StorableRef<storage::ProgramData> data = m_project.constData();
    if (data.isNull())
        return result;
    for (const int channel : ChannelIndexes::of(channelNumber(), extensionModule())) {
        if (!data->hasChannel(channel))
            continue;
        const QList<int> programs = data->constChannel(channel)->extraProgramsWithSwitchimesNoDates();
        if (!programs.isEmpty())
            result.insert(QString::number(channel + 1), QVariant::fromValue(programs));
    }
    return result;
}
