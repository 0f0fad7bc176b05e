#include "projectsettingsjson.h"

#include "changetracker.h"
#include "channelsettingfields.h"
#include "projectrecord.h"
#include "storagelogging.h"

#include <QJsonDocument>

#include <utils/wallclock.h>

#include <algorithm>
#include <utility>

namespace storage {

namespace {
template <typename T>
using Field = std::pair<QLatin1StringView, T ProjectRecord::*>;

const Field<QString> TextFields[] = {
    { QLatin1StringView("projectTitle"), &ProjectRecord::projectTitle },
    { QLatin1StringView("projectDesc"), &ProjectRecord::projectDesc },
    { QLatin1StringView("clientName"), &ProjectRecord::clientName },
    { QLatin1StringView("clientAddress"), &ProjectRecord::clientAddress },
    { QLatin1StringView("authorName"), &ProjectRecord::authorName },
    { QLatin1StringView("authorAddress"), &ProjectRecord::authorAddress },
    { QLatin1StringView("summerWinterTableName"), &ProjectRecord::summerWinterTableName },
};

const Field<int> IntFields[] = {
    { QLatin1StringView("lcdState"), &ProjectRecord::lcdState },
    { QLatin1StringView("firstDayOfWeek"), &ProjectRecord::firstDayOfWeek },
    { QLatin1StringView("timeFormat"), &ProjectRecord::timeFormat },
    { QLatin1StringView("dateFormat"), &ProjectRecord::dateFormat },
    { QLatin1StringView("soWiRuleType"), &ProjectRecord::soWiRuleType },
    { QLatin1StringView("wiSoWeek"), &ProjectRecord::wiSoWeek },
    { QLatin1StringView("wiSoMonth"), &ProjectRecord::wiSoMonth },
    { QLatin1StringView("wiSoHour"), &ProjectRecord::wiSoHour },
    { QLatin1StringView("wiSoWeekDay"), &ProjectRecord::wiSoWeekDay },
    { QLatin1StringView("soWiWeek"), &ProjectRecord::soWiWeek },
    { QLatin1StringView("soWiMonth"), &ProjectRecord::soWiMonth },
    { QLatin1StringView("soWiHour"), &ProjectRecord::soWiHour },
    { QLatin1StringView("soWiWeekDay"), &ProjectRecord::soWiWeekDay },
    { QLatin1StringView("customWiSo"), &ProjectRecord::customWiSo },
    { QLatin1StringView("customSoWi"), &ProjectRecord::customSoWi },
    { QLatin1StringView("channelCombination"), &ProjectRecord::channelCombination },
    { QLatin1StringView("channelChangeover"), &ProjectRecord::channelChangeover },
    { QLatin1StringView("channelChangeoverTime"), &ProjectRecord::channelChangeoverTime },
    { QLatin1StringView("easterRule"), &ProjectRecord::easterRule },
    { QLatin1StringView("timezone"), &ProjectRecord::timezone },
    { QLatin1StringView("firstChar"), &ProjectRecord::firstChar },
    { QLatin1StringView("checksum"), &ProjectRecord::checksum },
};

const Field<double> NumberFields[] = {
    { QLatin1StringView("latitude"), &ProjectRecord::latitude },
    { QLatin1StringView("longitude"), &ProjectRecord::longitude },
};

const Field<QDate> DateFields[] = {
    { QLatin1StringView("wiSoDate"), &ProjectRecord::wiSoDate },
    { QLatin1StringView("soWiDate"), &ProjectRecord::soWiDate },
};

// Device date-times are wall-clock readings without a zone.
const QString DateFormat = QStringLiteral("yyyy-MM-dd");
const QString TimeFormat = QStringLiteral("HH:mm:ss.zzz");

QString dateTimeText(const QDateTime& dateTime)
{
    return dateTime.toString(DateFormat + QLatin1String("'T'") + TimeFormat);
}

QDateTime dateTimeOf(const QJsonValue& value)
{
    return utils::WallClock::fromString(value.toString(), DateFormat, TimeFormat);
}

QJsonArray textList(const QStringList& texts)
{
    return QJsonArray::fromStringList(texts);
}

QStringList textsOf(const QJsonValue& value)
{
    QStringList texts;
    for (const QJsonValue& text : value.toArray())
        texts.append(text.toString());
    return texts;
}

QJsonObject settingJson(int channel, const ChannelSetting& setting)
{
    QJsonObject json { { QStringLiteral("channel"), channel } };
    for (const ChannelSettingField& field : ChannelSettingFields)
        json.insert(field.key, (setting.*field.get)());
    json.insert(QStringLiteral("holidayBegin"), dateTimeText(setting.holidayBegin()));
    json.insert(QStringLiteral("holidayEnd"), dateTimeText(setting.holidayEnd()));
    QJsonArray lux;
    const auto luxValues = setting.luxValuesConst();
    for (auto it = luxValues.cbegin(); it != luxValues.cend(); ++it)
        lux.append(QJsonObject { { QStringLiteral("day"), it.key() },
                                 { QStringLiteral("on"), it.value()->luxOnValue() },
                                 { QStringLiteral("off"), it.value()->luxOffValue() } });
    json.insert(QStringLiteral("luxValues"), lux);
    return json;
}

void readSetting(const QJsonObject& json, ChannelSetting& setting)
{
    for (const ChannelSettingField& field : ChannelSettingFields) {
        if (json.contains(field.key))
            (setting.*field.set)(json.value(field.key).toInt());
    }
    if (json.contains(QLatin1StringView("holidayBegin")))
        setting.setHolidayBegin(dateTimeOf(json.value(QLatin1StringView("holidayBegin"))));
    if (json.contains(QLatin1StringView("holidayEnd")))
        setting.setHolidayEnd(dateTimeOf(json.value(QLatin1StringView("holidayEnd"))));
    for (const QJsonValue& value : json.value(QLatin1StringView("luxValues")).toArray()) {
        const QJsonObject lux = value.toObject();
        const StorableRef<LuxValues> day = setting.luxValuesByDay(lux.value(QLatin1StringView("day")).toInt());
        day->setLuxOnValue(lux.value(QLatin1StringView("on")).toInt(LuxValues::DefaultLux));
        day->setLuxOffValue(lux.value(QLatin1StringView("off")).toInt(LuxValues::DefaultLux));
    }
}

// Rows in key order: the same table always gives the same document, in every program.
QJsonArray summerWinterJson(const QHash<int, SummerWinterDateTimeValues>& table)
{
    QList<int> keys = table.keys();
    std::sort(keys.begin(), keys.end());
    QJsonArray rows;
    for (const int key : keys) {
        const SummerWinterDateTimeValues v = table.value(key);
        rows.append(QJsonObject { { QStringLiteral("key"), key },
                                  { QStringLiteral("year"), v.year() },
                                  { QStringLiteral("wiSoDate"), v.wiSoDate().toString(Qt::ISODate) },
                                  { QStringLiteral("wiSoHour"), v.wiSoHour() },
                                  { QStringLiteral("soWiDate"), v.soWiDate().toString(Qt::ISODate) },
                                  { QStringLiteral("soWiHour"), v.soWiHour() },
                                  { QStringLiteral("enabled"), v.enabled() } });
    }
    return rows;
}

QHash<int, SummerWinterDateTimeValues> summerWinterOf(const QJsonArray& rows)
{
    QHash<int, SummerWinterDateTimeValues> table;
    for (const QJsonValue& value : rows) {
        const QJsonObject row = value.toObject();
        table.insert(row.value(QLatin1StringView("key")).toInt(),
                     SummerWinterDateTimeValues(row.value(QLatin1StringView("year")).toInt(),
                                                QDate::fromString(row.value(QLatin1StringView("wiSoDate")).toString(), Qt::ISODate),
                                                row.value(QLatin1StringView("wiSoHour")).toInt(),
                                                QDate::fromString(row.value(QLatin1StringView("soWiDate")).toString(), Qt::ISODate),
                                                row.value(QLatin1StringView("soWiHour")).toInt(),
                                                row.value(QLatin1StringView("enabled")).toBool()));
    }
    return table;
}

QJsonObject favoriteJson(const FavoriteLocation& favorite)
{
    return QJsonObject { { QStringLiteral("city"), favorite.city() },
                         { QStringLiteral("latitude"), favorite.latitude() },
                         { QStringLiteral("longitude"), favorite.longitude() },
                         { QStringLiteral("timezone"), favorite.timezone() },
                         { QStringLiteral("firstChar"), favorite.firstChar() },
                         { QStringLiteral("checksum"), favorite.checksum() } };
}

StorableRef<FavoriteLocation> favoriteOf(const QJsonObject& json)
{
    StorableRef<FavoriteLocation> favorite(new FavoriteLocation);
    favorite->setCity(json.value(QLatin1StringView("city")).toString());
    favorite->setLatitude(json.value(QLatin1StringView("latitude")).toDouble());
    favorite->setLongitude(json.value(QLatin1StringView("longitude")).toDouble());
    favorite->setTimezone(json.value(QLatin1StringView("timezone")).toInt(FavoriteLocation::DefaultTimezone));
    favorite->setFirstChar(json.value(QLatin1StringView("firstChar")).toInt(FavoriteLocation::NoKey));
    favorite->setChecksum(json.value(QLatin1StringView("checksum")).toInt(FavoriteLocation::NoKey));
    return favorite;
}

QJsonObject ownTableJson(const OwnAstroTable& table)
{
    QJsonArray sunrise;
    QJsonArray sunset;
    for (const auto& entry : table.entries()) {
        sunrise.append(entry->sunriseTime().msecsSinceStartOfDay() / 1000);
        sunset.append(entry->sunsetTime().msecsSinceStartOfDay() / 1000);
    }
    return QJsonObject { { QStringLiteral("enabled"), table.enabled() },
                         { QStringLiteral("name"), table.name() },
                         { QStringLiteral("timezone"), table.timezone() },
                         { QStringLiteral("sunrise"), sunrise },
                         { QStringLiteral("sunset"), sunset } };
}

void readOwnTable(const QJsonObject& json, OwnAstroTable& table)
{
    table.setEnabled(json.value(QLatin1StringView("enabled")).toBool());
    table.setName(json.value(QLatin1StringView("name")).toString());
    table.setTimezone(json.value(QLatin1StringView("timezone")).toInt(OwnAstroTable::DefaultTimezone));
    const QJsonArray sunrise = json.value(QLatin1StringView("sunrise")).toArray();
    const QJsonArray sunset = json.value(QLatin1StringView("sunset")).toArray();
    for (int row = 0; row < sunrise.size() && row < sunset.size(); ++row) {
        table.setSunriseTime(QTime(0, 0).addSecs(sunrise.at(row).toInt()), row);
        table.setSunsetTime(QTime(0, 0).addSecs(sunset.at(row).toInt()), row);
    }
}

QJsonArray channelsJson(const ProgramData& data)
{
    QJsonArray channels;
    for (int index : data.channelIndexes()) {
        const StorableRef<Channel> channel = data.constChannel(index);
        QJsonArray programs;
        for (int number : channel->programNumbers()) {
            const StorableRef<Program> program = channel->constProgram(number);
            programs.append(QJsonObject { { QStringLiteral("number"), number },
                                          { QStringLiteral("luxOn"), program->luxOnValue() },
                                          { QStringLiteral("luxOff"), program->luxOffValue() } });
        }
        channels.append(QJsonObject { { QStringLiteral("index"), index },
                                      { QStringLiteral("function"), channel->function() },
                                      { QStringLiteral("programs"), programs } });
    }
    return channels;
}
} // namespace

QJsonObject ProjectSettingsJson::write(const ProjectRecord& record)
{
    QJsonObject json;
    for (const auto& [key, member] : TextFields)
        json.insert(key, record.*member);
    for (const auto& [key, member] : IntFields)
        json.insert(key, record.*member);
    for (const auto& [key, member] : NumberFields)
        json.insert(key, record.*member);
    for (const auto& [key, member] : DateFields)
        json.insert(key, (record.*member).toString(Qt::ISODate));
    json.insert(QStringLiteral("channelsDesc"), textList(record.channelsDesc));
    json.insert(QStringLiteral("deviceChans"), textList(record.deviceChans));
    json.insert(QStringLiteral("extensionModule"), record.extensionModule);
    json.insert(QStringLiteral("summerWinterDateTimes"), summerWinterJson(record.summerWinterDateTimes));
    QJsonArray settings;
    for (auto it = record.settings.cbegin(); it != record.settings.cend(); ++it)
        settings.append(settingJson(it.key(), *it.value()));
    json.insert(QStringLiteral("channelSettings"), settings);
    QJsonArray favorites;
    for (const auto& favorite : record.favoriteLocations)
        favorites.append(favoriteJson(*favorite));
    json.insert(QStringLiteral("favoriteLocations"), favorites);
    json.insert(QStringLiteral("ownAstroTable"), ownTableJson(*record.ownAstroTable));
    json.insert(QStringLiteral("channels"),
                record.programData.isNull() ? record.storedChannels : channelsJson(*record.programData));
    return json;
}

void ProjectSettingsJson::read(const QJsonObject& json, ProjectRecord& record)
{
    const ChangeTracker::Pause reading;
    for (const auto& [key, member] : TextFields)
        record.*member = json.value(key).toString(record.*member);
    for (const auto& [key, member] : IntFields)
        record.*member = json.value(key).toInt(record.*member);
    for (const auto& [key, member] : NumberFields)
        record.*member = json.value(key).toDouble(record.*member);
    for (const auto& [key, member] : DateFields) {
        if (json.contains(key))
            record.*member = QDate::fromString(json.value(key).toString(), Qt::ISODate);
    }
    record.channelsDesc = textsOf(json.value(QLatin1StringView("channelsDesc")));
    record.deviceChans = textsOf(json.value(QLatin1StringView("deviceChans")));
    record.extensionModule = json.value(QLatin1StringView("extensionModule")).toBool();
    record.summerWinterDateTimes = summerWinterOf(json.value(QLatin1StringView("summerWinterDateTimes")).toArray());
    record.settings.clear();
    for (const QJsonValue& value : json.value(QLatin1StringView("channelSettings")).toArray()) {
        const QJsonObject setting = value.toObject();
        StorableRef<ChannelSetting> created(new ChannelSetting);
        readSetting(setting, *created);
        record.settings.insert(setting.value(QLatin1StringView("channel")).toInt(), created);
    }
    record.favoriteLocations.clear();
    for (const QJsonValue& value : json.value(QLatin1StringView("favoriteLocations")).toArray())
        record.favoriteLocations.append(favoriteOf(value.toObject()));
    readOwnTable(json.value(QLatin1StringView("ownAstroTable")).toObject(), *record.ownAstroTable);
    record.storedChannels = json.value(QLatin1StringView("channels")).toArray();
}

void ProjectSettingsJson::readChannels(const QJsonArray& channels, ProgramData& data)
{
    const ChangeTracker::Pause reading;
    for (const QJsonValue& value : channels) {
        const QJsonObject json = value.toObject();
        const StorableRef<Channel> channel = data.channel(json.value(QLatin1StringView("index")).toInt());
        channel->setFunction(json.value(QLatin1StringView("function")).toInt());
        for (const QJsonValue& programValue : json.value(QLatin1StringView("programs")).toArray()) {
            const QJsonObject programJson = programValue.toObject();
            const StorableRef<Program> program = channel->program(programJson.value(QLatin1StringView("number")).toInt());
            program->setLuxOnValue(programJson.value(QLatin1StringView("luxOn")).toInt(LuxValues::DefaultLux));
            program->setLuxOffValue(programJson.value(QLatin1StringView("luxOff")).toInt(LuxValues::DefaultLux));
        }
    }
}

QJsonObject ProjectSettingsJson::parse(const QByteArray& document)
{
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(document, &error);
    if (!json.isObject())
        qCWarning(storageLog) << "Unreadable project settings:" << error.errorString();
    return json.object();
}

} // namespace storage
