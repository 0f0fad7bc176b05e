#pragma once

#include <QDate>
#include <QJsonObject>
#include <QMetaType>
#include <QObject>

// One year of the summer/winter time table: the day and hour of the switch from winter to
// summer time (wiSo) and back (soWi), and whether the year's switches are in force. The hours
// are indexes into the model's hour lists (0 to 23).
struct SoWiDateTime {
    Q_GADGET
    Q_PROPERTY(int year MEMBER year)
    Q_PROPERTY(QDate wiSoDate MEMBER wiSoDate)
    Q_PROPERTY(int wiSoHour MEMBER wiSoHour)
    Q_PROPERTY(QDate soWiDate MEMBER soWiDate)
    Q_PROPERTY(int soWiHour MEMBER soWiHour)
    Q_PROPERTY(bool enabled MEMBER enabled)

public:
    static constexpr int HourCount = 24;

    int year = 0;
    QDate wiSoDate;
    int wiSoHour = 0;
    QDate soWiDate;
    int soWiHour = 0;
    bool enabled = false;

    // The row of a year that holds no switches: 1 March 2:00 and 1 October 3:00, not in force.
    static SoWiDateTime blank(int year);
    // The same month and day in another year; 29 February becomes 1 March in a common year.
    static QDate dateInYear(const QDate& date, int year);
    static bool isHour(int hour) { return hour >= 0 && hour < HourCount; }

    // Both dates exist and both hours are in the lists.
    bool isValid() const;

    // Clipboard form: "year", "wiSoDate" and "soWiDate" as Julian day numbers, "wiSoHour",
    // "soWiHour", "enabled".
    QJsonObject toJsonObject() const;
    // A clipboard object taken as the row of the given year: its dates keep their month and day
    // but move into that year. A missing date means that of the blank row, a missing hour 0, a
    // missing flag false.
    static SoWiDateTime fromJsonObject(const QJsonObject& object, int year);

    bool operator==(const SoWiDateTime&) const = default;
};

Q_DECLARE_METATYPE(SoWiDateTime)
