#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include "calendarsettings.h"
#include "programsettings.h"
#include "servicesfixture.h"

namespace {

QStringList shortNames(const QLocale& locale, const QList<int>& days)
{
    QStringList names;
    for (int day : days)
        names << locale.dayName(day, QLocale::ShortFormat);
    return names;
}

} // namespace

class TestCalendarSettings : public QObject {
    Q_OBJECT

private slots:
    void init() { services = std::make_unique<ServicesFixture>(); }
    void cleanup() { services.reset(); }

    void startsWithTheStoredChoices()
    {
        services->settings->setSettingValueFromStringKey(ProgramSettings::DateFormat, 3);
        services->settings->setSettingValueFromStringKey(ProgramSettings::FirstDay, 7);
        CalendarSettings calendar;
        QCOMPARE(&CalendarSettings::instance(), &calendar);
        QCOMPARE(calendar.dateFormat()->selectedIndex(), 2);
        QCOMPARE(calendar.firstDayOfTheWeek()->value(), 7);
    }

    void datePatternFollowsTheStoredFormat_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("dot") << 1 << "dd.MM.yy";
        QTest::newRow("slash") << 2 << "MM/dd/yy";
        QTest::newRow("hyphen") << 3 << "yy-MM-dd";
        QTest::newRow("zero") << 0 << "MM/dd/yy";
        QTest::newRow("four") << 4 << "MM/dd/yy";
    }
    void datePatternFollowsTheStoredFormat()
    {
        QFETCH(int, stored);
        services->settings->setSettingValueFromStringKey(ProgramSettings::DateFormat, stored);
        CalendarSettings calendar;
        QTEST(calendar.dateFormatPattern(), "pattern");
    }

    void weekStartsAtTheFirstDay_data()
    {
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("Monday") << 1 << QList<int>{1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("Tuesday") << 2 << QList<int>{2, 3, 4, 5, 6, 7, 1};
        QTest::newRow("Wednesday") << 3 << QList<int>{3, 4, 5, 6, 7, 1, 2};
        QTest::newRow("Thursday") << 4 << QList<int>{4, 5, 6, 7, 1, 2, 3};
        QTest::newRow("Friday") << 5 << QList<int>{5, 6, 7, 1, 2, 3, 4};
        QTest::newRow("Saturday") << 6 << QList<int>{6, 7, 1, 2, 3, 4, 5};
        QTest::newRow("Sunday") << 7 << QList<int>{7, 1, 2, 3, 4, 5, 6};
        QTest::newRow("zero counts as Monday") << 0 << QList<int>{1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("eight counts as Monday") << 8 << QList<int>{1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("negative counts as Monday") << -3 << QList<int>{1, 2, 3, 4, 5, 6, 7};
    }
    void weekStartsAtTheFirstDay()
    {
        QFETCH(int, firstDay);
        QFETCH(QList<int>, order);
        services->settings->setSettingValueFromStringKey(ProgramSettings::FirstDay, firstDay);
        CalendarSettings calendar;
        const QLocale english(QStringLiteral("en"));
        QCOMPARE(calendar.shortWeekDays(), shortNames(english, order));
        QCOMPARE(calendar.shortWeekDaysUnordered(), shortNames(english, {1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(calendar.longWeekDaysUnordered().first(), QStringLiteral("Monday"));
        QCOMPARE(calendar.longWeekDaysUnordered().last(), QStringLiteral("Sunday"));
    }

    void choiceIsStoredAtOnce()
    {
        CalendarSettings calendar;
        QSignalSpy weekSpy(&calendar, &CalendarSettings::shortWeekDaysChanged);
        calendar.firstDayOfTheWeek()->setSelectedIndex(6);
        calendar.dateFormat()->setSelectedIndex(2);
        QCOMPARE(services->settings->settingValue(ProgramSettings::FirstDay).toInt(), 7);
        QCOMPARE(services->settings->settingValue(ProgramSettings::DateFormat).toInt(), 3);
        QCOMPARE(weekSpy.count(), 1);
        QCOMPARE(calendar.shortWeekDays().first(), QLocale(QStringLiteral("en")).dayName(7, QLocale::ShortFormat));
    }

    void noSelectionIsNeverStored()
    {
        CalendarSettings calendar;
        calendar.firstDayOfTheWeek()->setSelectedIndex(4);
        QSignalSpy stored(services->settings.get(), &core::SettingsService::settingChanged);
        calendar.firstDayOfTheWeek()->setSelectedIndex(12);
        calendar.saveDateFormat(-1);
        calendar.saveFirstDayOfWeek(7);
        QCOMPARE(stored.count(), 0);
        QCOMPARE(services->settings->settingValue(ProgramSettings::FirstDay).toInt(), 5);
        QCOMPARE(calendar.shortWeekDays().first(), QLocale(QStringLiteral("en")).dayName(1, QLocale::ShortFormat));
    }

    void languageSwitchRenamesDaysAndMonths()
    {
        services->settings->setSettingValueFromStringKey(ProgramSettings::FirstDay, 7);
        CalendarSettings calendar;
        QCOMPARE(calendar.longMonthNames().first(), QStringLiteral("January"));
        QSignalSpy shortSpy(&calendar, &CalendarSettings::shortWeekDaysChanged);
        QSignalSpy unorderedSpy(&calendar, &CalendarSettings::shortWeekDaysUnorderedChanged);
        QSignalSpy longSpy(&calendar, &CalendarSettings::longWeekDaysUnorderedChanged);
        QSignalSpy stored(services->settings.get(), &core::SettingsService::settingChanged);

        services->switchTo(QStringLiteral("Français"));

        QVERIFY(shortSpy.count() >= 1);
        QCOMPARE(unorderedSpy.count(), 1);
        QCOMPARE(longSpy.count(), 1);
        const QLocale french(QStringLiteral("fr"));
        QCOMPARE(calendar.shortWeekDays(), shortNames(french, {7, 1, 2, 3, 4, 5, 6}));
        QCOMPARE(calendar.longWeekDaysUnordered().first(), french.dayName(1, QLocale::LongFormat));
        QCOMPARE(calendar.longMonthNames().size(), 12);
        QCOMPARE(calendar.longMonthNames().at(11), french.monthName(12, QLocale::LongFormat));
        // The lists drop and retake their selection; the same choices are stored again.
        QCOMPARE(services->settings->settingValue(ProgramSettings::FirstDay).toInt(), 7);
        QCOMPARE(services->settings->settingValue(ProgramSettings::DateFormat).toInt(), 1);
        QVERIFY(!stored.isEmpty());
    }

private:
    std::unique_ptr<ServicesFixture> services;
};

QTEST_GUILESS_MAIN(TestCalendarSettings)
#include "tst_calendarsettings.moc"
