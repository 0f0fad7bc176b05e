#pragma once

#include <QDate>
#include <QObject>

// One switch of a summer/winter time rule: the weekday in a week of a month at an hour, or a
// fixed date. Week 0 to 3 is the first to fourth, 4 the last; weekday 0 is Monday; month 1 to 12;
// the hour is an index into the summer/winter table's hour lists.
class SeasonRuleRowController : public QObject {
    Q_OBJECT
    Q_PROPERTY(int week READ week WRITE setWeek NOTIFY weekChanged)
    Q_PROPERTY(int month READ month WRITE setMonth NOTIFY monthChanged)
    Q_PROPERTY(int hour READ hour WRITE setHour NOTIFY hourChanged)
    Q_PROPERTY(int weekDay READ weekDay WRITE setWeekDay NOTIFY weekDayChanged)
    Q_PROPERTY(QDate fixDate READ fixDate WRITE setFixDate NOTIFY fixDateChanged)

public:
    SeasonRuleRowController(int week, int month, int hour, int weekDay, const QDate& fixDate,
                            QObject* parent = nullptr);

    int week() const { return m_week; }
    int month() const { return m_month; }
    int hour() const { return m_hour; }
    int weekDay() const { return m_weekDay; }
    QDate fixDate() const { return m_fixDate; }

signals:
    void weekChanged(int week);
    void monthChanged(int month);
    void hourChanged(int hour);
    void weekDayChanged(int weekDay);
    void fixDateChanged(QDate fixDate);

public slots:
    void setWeek(int week);
    void setMonth(int month);
    void setHour(int hour);
    void setWeekDay(int weekDay);
    void setFixDate(QDate fixDate);

private:
    int m_week;
    int m_month;
    int m_hour;
    int m_weekDay;
    QDate m_fixDate;
};
