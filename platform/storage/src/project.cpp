#include "storage/project.h"

#include "changetracker.h"
#include "database.h"
#include "projectfileconverter.h"
#include "projectrecord.h"
#include "storage/projectservice.h"
#include "storagelogging.h"

#include <devices/deviceservice.h>
#include <utils/helpers.h>

namespace storage {

namespace {
constexpr int LastWeek = utils::Helpers::LastWeek;
constexpr int Sunday = 6;

// The model's catalogue entry, or an unknown model when no catalogue is loaded.
devices::Device catalogueEntry(int device)
{
    if (!devices::DeviceService::hasInstance()) {
        qCWarning(storageLog) << "No device catalogue for model" << device;
        return {};
    }
    return devices::DeviceService::instance().deviceByOt2Number(device);
}

// The catalogue answers -1 for a model without a default.
int defaultExternalInput(const devices::Device& model)
{
    return std::max(0, model.defaultExternalInput());
}
} // namespace

Project::Project() = default;

Project::Project(int device, const QString& name)
    : d(new ProjectRecord)
{
    const int year = QDate::currentDate().year();
    d->device = device;
    d->name = name;
    d->wiSoDate = utils::Helpers::getWeekDay(LastWeek, year, 3, Sunday);
    d->soWiDate = utils::Helpers::getWeekDay(LastWeek, year, 10, Sunday);
    d->programData = StorableRef<ProgramData>(new ProgramData);
}

Project::Project(ProjectRecord* record)
    : d(record)
{
}

Project::~Project() = default;
Project::Project(const Project& other) = default;
Project& Project::operator=(const Project& other) = default;

qint64 Project::id() const { return d->id(); }
int Project::device() const { return d->device; }
QString Project::name() const { return d->name; }
void Project::rename(const QString& name) { ChangeTracker::assign(d->name, name); }

bool Project::store()
{
    if (!ProjectService::hasInstance()) {
        qCWarning(storageLog) << "Cannot store project" << d->name << ": no project service";
        return false;
    }
    return ProjectService::instance().storeProject(*this);
}

bool Project::remove()
{
    if (!ProjectService::hasInstance()) {
        qCWarning(storageLog) << "Cannot remove project" << d->name << ": no project service";
        return false;
    }
    return ProjectService::instance().removeProject(*this);
}

QFuture<devices::Ot2File> Project::buildFile(bool optimize) const
{
    return buildFile(optimize, false);
}

QFuture<devices::Ot2File> Project::buildFile(bool optimize, bool withAstro) const
{
    constData();
    return QtFuture::makeReadyFuture(ProjectFileConverter::toFile(*d, withAstro, optimize));
}

void Project::loadDefaultExternalInputValues()
{
    const devices::Device model = catalogueEntry(d->device);
    for (int channel = 0; channel < model.kanals(); ++channel)
        setting(channel)->setExternalInputFunction(defaultExternalInput(model));
}

void Project::loadDefaultLocation()
{
    const devices::Device model = catalogueEntry(d->device);
    if (!model.hasDefaultLocation())
        return;
    ChangeTracker::assign(d->latitude, double(model.defaultLatitude()));
    ChangeTracker::assign(d->longitude, double(model.defaultLongitude()));
    ChangeTracker::assign(d->timezone, model.defaultTimezone());
    ChangeTracker::assign(d->firstChar, model.defaultFirstChar());
    ChangeTracker::assign(d->checksum, model.defaultChecksum());
}

QString Project::projectTitle() const { return d->projectTitle; }
void Project::setProjectTitle(const QString& text) { ChangeTracker::assign(d->projectTitle, text); }
QString Project::projectDesc() const { return d->projectDesc; }
void Project::setProjectDesc(const QString& text) { ChangeTracker::assign(d->projectDesc, text); }
QString Project::clientName() const { return d->clientName; }
void Project::setClientName(const QString& text) { ChangeTracker::assign(d->clientName, text); }
QString Project::clientAddress() const { return d->clientAddress; }
void Project::setClientAddress(const QString& text) { ChangeTracker::assign(d->clientAddress, text); }
QString Project::authorName() const { return d->authorName; }
void Project::setAuthorName(const QString& text) { ChangeTracker::assign(d->authorName, text); }
QString Project::authorAddress() const { return d->authorAddress; }
void Project::setAuthorAddress(const QString& text) { ChangeTracker::assign(d->authorAddress, text); }
QStringList Project::channelsDesc() const { return d->channelsDesc; }
void Project::setChannelsDesc(const QStringList& texts) { ChangeTracker::assign(d->channelsDesc, texts); }
QStringList Project::deviceChans() const { return d->deviceChans; }
void Project::setDeviceChans(const QStringList& texts) { ChangeTracker::assign(d->deviceChans, texts); }

int Project::lcdState() const { return d->lcdState; }
void Project::setLcdState(int state) { ChangeTracker::assign(d->lcdState, state); }
int Project::firstDayOfWeek() const { return d->firstDayOfWeek; }
void Project::setFirstDayOfWeek(int day) { ChangeTracker::assign(d->firstDayOfWeek, day); }
int Project::timeFormat() const { return d->timeFormat; }
void Project::setTimeFormat(int format) { ChangeTracker::assign(d->timeFormat, format); }
int Project::dateFormat() const { return d->dateFormat; }
void Project::setDateFormat(int format) { ChangeTracker::assign(d->dateFormat, format); }

int Project::soWiRuleType() const { return d->soWiRuleType; }
void Project::setSoWiRuleType(int rule) { ChangeTracker::assign(d->soWiRuleType, rule); }
int Project::wiSoWeek() const { return d->wiSoWeek; }
void Project::setWiSoWeek(int week) { ChangeTracker::assign(d->wiSoWeek, week); }
int Project::wiSoMonth() const { return d->wiSoMonth; }
void Project::setWiSoMonth(int month) { ChangeTracker::assign(d->wiSoMonth, month); }
int Project::wiSoHour() const { return d->wiSoHour; }
void Project::setWiSoHour(int seconds) { ChangeTracker::assign(d->wiSoHour, seconds); }
int Project::wiSoWeekDay() const { return d->wiSoWeekDay; }
void Project::setWiSoWeekDay(int day) { ChangeTracker::assign(d->wiSoWeekDay, day); }
QDate Project::wiSoDate() const { return d->wiSoDate; }
void Project::setWiSoDate(const QDate& date) { ChangeTracker::assign(d->wiSoDate, date); }
int Project::soWiWeek() const { return d->soWiWeek; }
void Project::setSoWiWeek(int week) { ChangeTracker::assign(d->soWiWeek, week); }
int Project::soWiMonth() const { return d->soWiMonth; }
void Project::setSoWiMonth(int month) { ChangeTracker::assign(d->soWiMonth, month); }
int Project::soWiHour() const { return d->soWiHour; }
void Project::setSoWiHour(int seconds) { ChangeTracker::assign(d->soWiHour, seconds); }
int Project::soWiWeekDay() const { return d->soWiWeekDay; }
void Project::setSoWiWeekDay(int day) { ChangeTracker::assign(d->soWiWeekDay, day); }
QDate Project::soWiDate() const { return d->soWiDate; }
void Project::setSoWiDate(const QDate& date) { ChangeTracker::assign(d->soWiDate, date); }
int Project::customWiSo() const { return d->customWiSo; }
void Project::setCustomWiSo(int value) { ChangeTracker::assign(d->customWiSo, value); }
int Project::customSoWi() const { return d->customSoWi; }
void Project::setCustomSoWi(int value) { ChangeTracker::assign(d->customSoWi, value); }
QHash<int, SummerWinterDateTimeValues> Project::summerWinterDateTimes() const { return d->summerWinterDateTimes; }
void Project::setSummerWinterDateTimes(const QHash<int, SummerWinterDateTimeValues>& table)
{
    ChangeTracker::assign(d->summerWinterDateTimes, table);
}
QString Project::summerWinterTableName() const { return d->summerWinterTableName; }
void Project::setSummerWinterTableName(const QString& name) { ChangeTracker::assign(d->summerWinterTableName, name); }

int Project::channelCombination() const { return d->channelCombination; }
void Project::setChannelCombination(int value) { ChangeTracker::assign(d->channelCombination, value); }
int Project::channelChangeover() const { return d->channelChangeover; }
void Project::setChannelChangeover(int day) { ChangeTracker::assign(d->channelChangeover, day); }
int Project::channelChangeoverTime() const { return d->channelChangeoverTime; }
void Project::setChannelChangeoverTime(int seconds) { ChangeTracker::assign(d->channelChangeoverTime, seconds); }
int Project::easterRule() const { return d->easterRule; }
void Project::setEasterRule(int rule) { ChangeTracker::assign(d->easterRule, rule); }
bool Project::extensionModule() const { return d->extensionModule; }
void Project::setExtensionModule(bool on) { ChangeTracker::assign(d->extensionModule, on); }

bool Project::hasError() const { return d->hasError; }
void Project::setHasError(bool hasError) { d->hasError = hasError; }

int Project::memoryCount() const
{
    const StorableRef<ProgramData> content = constData();
    return content.isNull() ? 0 : content->memoryCount();
}

void Project::sortData(const QList<int>& keys, const QList<int>& orders)
{
    const StorableRef<ProgramData> content = data();
    if (content.isNull())
        return;
    content->forEachProgram([&](int, const StorableRef<Program>& program) {
        QList<SwitchTime> switches = program->switches();
        SwitchTime::sort(switches, keys, orders);
        program->setSwitches(switches);
    });
}

void Project::optimize()
{
    const StorableRef<ProgramData> content = data();
    if (!content.isNull())
        content->forEachProgram([](int, const StorableRef<Program>& program) { program->optimize(); });
}

StorableRef<ProgramData> Project::data()
{
    return constData();
}

StorableRef<ProgramData> Project::constData() const
{
    if (d->programData.isNull())
        Database::loadProgramData(*d);
    return d->programData;
}

bool Project::hasProgramData() const
{
    return !constData().isNull();
}

StorableRef<ChannelSetting> Project::setting(int channel)
{
    auto it = d->settings.find(channel);
    if (it == d->settings.end()) {
        // A setting with the defaults is no change worth saving on its own.
        const ChangeTracker::Pause defaults;
        StorableRef<ChannelSetting> created(new ChannelSetting);
        if (devices::DeviceService::hasInstance())
            created->setExternalInputFunction(
                defaultExternalInput(devices::DeviceService::instance().deviceByOt2Number(d->device)));
        it = d->settings.insert(channel, created);
    }
    return it.value();
}

bool Project::hasChannelSetting(int channel) const { return d->settings.contains(channel); }

void Project::removeChannelSetting(int channel)
{
    if (d->settings.remove(channel) > 0)
        ChangeTracker::markUnsaved();
}

QList<int> Project::channelSettingIndexes() const { return d->settings.keys(); }

} // namespace storage
