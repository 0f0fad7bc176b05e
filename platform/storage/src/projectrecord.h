#pragma once

#include "projectsnapshot.h"
#include "storage/channelsetting.h"
#include "storage/favoritelocation.h"
#include "storage/ownastrotable.h"
#include "storage/programdata.h"
#include "storage/storableref.h"
#include "storage/storablerecord.h"
#include "storage/summerwinterdatetimevalues.h"

#include <QDate>
#include <QHash>
#include <QJsonArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace storage {

// Everything one project holds. Project and AstroProject are handles on it.
struct ProjectRecord : StorableRecord {
    int device = 0;
    QString name;

    QString projectTitle;
    QString projectDesc;
    QString clientName;
    QString clientAddress;
    QString authorName;
    QString authorAddress;
    QStringList channelsDesc;
    QStringList deviceChans;

    int lcdState = 0;
    int firstDayOfWeek = 0;
    int timeFormat = 0;
    int dateFormat = 0;
    int soWiRuleType = 1;
    int wiSoWeek = 4;
    int wiSoMonth = 2;
    int wiSoHour = 2 * 3600;
    int wiSoWeekDay = 6;
    QDate wiSoDate;
    int soWiWeek = 4;
    int soWiMonth = 9;
    int soWiHour = 3 * 3600;
    int soWiWeekDay = 6;
    QDate soWiDate;
    int customWiSo = 0;
    int customSoWi = 0;
    int channelCombination = 0;
    int channelChangeover = 0;
    int channelChangeoverTime = 0;
    int easterRule = 0;
    QString summerWinterTableName;
    bool extensionModule = false;
    QHash<int, SummerWinterDateTimeValues> summerWinterDateTimes;
    QMap<int, StorableRef<ChannelSetting>> settings;

    double latitude = 0;
    double longitude = 0;
    int timezone = FavoriteLocation::DefaultTimezone;
    int firstChar = FavoriteLocation::NoKey;
    int checksum = FavoriteLocation::NoKey;
    QList<StorableRef<FavoriteLocation>> favoriteLocations;
    StorableRef<OwnAstroTable> ownAstroTable { new OwnAstroTable };

    bool hasError = false;

    // Read from the database on first use (see Project::data()); until then the channels part of
    // the settings document stands for it.
    StorableRef<ProgramData> programData;
    QJsonArray storedChannels;
    // What the database holds of this project since the last load or save.
    ProjectSnapshot saved;
};

} // namespace storage
