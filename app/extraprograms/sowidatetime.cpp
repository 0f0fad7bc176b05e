#include "sowidatetime.h"

namespace {
constexpr int BlankWiSoHour = 2;
constexpr int BlankSoWiHour = 3;

QDate julianDateOr(const QJsonValue& value, const QDate& fallback) {
    return value.isDouble() ? QDate::fromJulianDay(value.toInteger()) : fallback;
}
} // namespace

SoWiDateTime SoWiDateTime::blank(int year) {
    return {year, QDate(year, 3, 1), BlankWiSoHour, QDate(year, 10, 1), BlankSoWiHour, false};
}

QDate SoWiDateTime::dateInYear(const QDate& date, int year) {
    const QDate moved(year, date.month(), date.day());
    return moved.isValid() ? moved : QDate(year, 3, 1);
}

bool SoWiDateTime::isValid() const {
    return wiSoDate.isValid() && soWiDate.isValid() && isHour(wiSoHour) && isHour(soWiHour);
}

QJsonObject SoWiDateTime::toJsonObject() const {
    return QJsonObject{
        {QStringLiteral("year"), year},         {QStringLiteral("wiSoDate"), wiSoDate.toJulianDay()},
        {QStringLiteral("wiSoHour"), wiSoHour}, {QStringLiteral("soWiDate"), soWiDate.toJulianDay()},
        {QStringLiteral("soWiHour"), soWiHour}, {QStringLiteral("enabled"), enabled},
    };
}

SoWiDateTime SoWiDateTime::fromJsonObject(const QJsonObject& object, int year) {
    const SoWiDateTime fallback = blank(year);
    const QDate wiSo = julianDateOr(object.value(QStringLiteral("wiSoDate")), fallback.wiSoDate);
    const QDate soWi = julianDateOr(object.value(QStringLiteral("soWiDate")), fallback.soWiDate);
    return {
        year,
        wiSo.isValid() ? dateInYear(wiSo, year) : QDate(),
        object.value(QStringLiteral("wiSoHour")).toInt(),
        soWi.isValid() ? dateInYear(soWi, year) : QDate(),
        object.value(QStringLiteral("soWiHour")).toInt(),
        object.value(QStringLiteral("enabled")).toBool(),
    };
}
