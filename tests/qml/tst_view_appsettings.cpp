#include <QApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

#include <core/languageservice.h>
#include <core/settingsservice.h>
#include <storage/connectioncodeservice.h>

#include "calendarsettings.h"
#include "platformservice.h"
#include "tarvinoapp.h"
#include "viewharness.h"

// The program's preferences and the software information, through the real services: the rows
// edit a copy that "OK" applies and "Abbruch" drops, the hidden rows and the debug section come
// after five quick presses.

namespace {

struct Preferences {
    int language;
    int dateFormat;
    int firstDay;
    bool notify;
    bool debugMode;

    bool operator==(const Preferences&) const = default;
};

Preferences current(TarvinoApp& app)
{
    CalendarSettings& calendar = CalendarSettings::instance();
    return {app.languageService()->currentLanguage(), calendar.dateFormat()->selectedIndex(),
            calendar.firstDayOfTheWeek()->selectedIndex(), PlatformService::instance().notifyEnabled(),
            app.settingsService()->debugMode()};
}

} // namespace

class TestViewAppSettings : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_harness = std::make_unique<ViewHarness>(); }

    void cleanupTestCase() { m_harness.reset(); }

    void init()
    {
        QVERIFY(m_harness->setLanguage(QStringLiteral("de")));
        m_harness->app().settingsService()->setDebugMode(false);
        QVERIFY(m_harness->load(QStringLiteral("app/views/GlobalSettingsView.qml")));
    }

    void okAppliesAndCancelDrops_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("applied");
        QTest::newRow("OK") << "okSettingsButton" << true;
        QTest::newRow("Abbruch") << "cancelSettingsButton" << false;
    }

    void okAppliesAndCancelDrops()
    {
        QFETCH(QString, button);
        QFETCH(bool, applied);
        const Preferences before = current(m_harness->app());
        showHiddenRows();
        choose(QStringLiteral("dateFormatChoice"), 2);
        choose(QStringLiteral("firstDayChoice"), 6);
        choose(QStringLiteral("languageChoice"), languageIndex(QStringLiteral("en")));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("soundsSwitch"))));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("debugModeSwitch"))));
        // Nothing changes before the choice is confirmed.
        QCOMPARE(current(m_harness->app()), before);

        QVERIFY(m_harness->click(m_harness->find(button)));
        const Preferences expected = applied ? Preferences{languageIndex(QStringLiteral("en")), 2, 6, !before.notify, true}
                                             : before;
        QCOMPARE(current(m_harness->app()), expected);
        // Leaving the view keeps the debug switch as it stands.
        QVERIFY(QMetaObject::invokeMethod(m_harness->loaded(), "viewLeaved"));
        QCOMPARE(m_harness->app().settingsService()->debugMode(), applied);
        if (applied) {
            CalendarSettings::instance().dateFormat()->setSelectedIndex(before.dateFormat);
            CalendarSettings::instance().firstDayOfTheWeek()->setSelectedIndex(before.firstDay);
            PlatformService::instance().setNotifyEnabled(before.notify);
        }
    }

    void aChosenLanguageTranslatesTheView()
    {
        QCOMPARE(ViewHarness::text(m_harness->find(QStringLiteral("languageLabel"))), QStringLiteral("Sprache"));
        choose(QStringLiteral("languageChoice"), languageIndex(QStringLiteral("en")));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("okSettingsButton"))));
        QCOMPARE(m_harness->app().languageService()->localeCode(), QStringLiteral("en"));
        QCOMPARE(ViewHarness::text(m_harness->find(QStringLiteral("languageLabel"))), QStringLiteral("Language"));
    }

    void fiveQuickPressesShowTheHiddenRows_data()
    {
        QTest::addColumn<int>("presses");
        QTest::addColumn<int>("pause");
        QTest::addColumn<bool>("shown");
        QTest::newRow("five quick") << 5 << 100 << true;
        QTest::newRow("four quick") << 4 << 100 << false;
        QTest::newRow("five with a long pause") << 5 << 700 << false;
    }

    void fiveQuickPressesShowTheHiddenRows()
    {
        QFETCH(int, presses);
        QFETCH(int, pause);
        QFETCH(bool, shown);
        QQuickItem* counter = m_harness->find(QStringLiteral("hiddenRowsCounter"));
        QVERIFY(counter);
        QVERIFY(!m_harness->find(QStringLiteral("clearCodesButton")));
        for (int press = 0; press < presses; ++press) {
            // The pause falls between the third and the fourth press.
            QTest::qWait(press == 3 ? pause : 100);
            QVERIFY(m_harness->clickAt(counter, QPointF(counter->width() - 5, counter->height() / 2)));
        }
        QTest::qWait(50);
        QCOMPARE(m_harness->find(QStringLiteral("clearCodesButton")) != nullptr, shown);
        QCOMPARE(m_harness->find(QStringLiteral("debugModeSwitch")) != nullptr, shown);
    }

    void removedCodesAreCountedForAMoment()
    {
        storage::ConnectionCodeService& codes = storage::ConnectionCodeService::instance();
        QVERIFY(codes.setCode(QStringLiteral("AA:BB:CC:00:00:01"), QStringLiteral("1234")));
        QVERIFY(codes.setCode(QStringLiteral("AA:BB:CC:00:00:02"), QStringLiteral("5678")));
        showHiddenRows();
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("clearCodesButton"))));
        QQuickItem* count = m_harness->find(QStringLiteral("removedCodesText"));
        QVERIFY(count);
        QCOMPARE(ViewHarness::text(count), QStringLiteral("2 Code(s) wurden entfernt!"));
        QTest::qWait(1200);
        QVERIFY(m_harness->find(QStringLiteral("removedCodesText")));
        QVERIFY(m_harness->waitFor([this] { return !m_harness->find(QStringLiteral("removedCodesText")); }, 1000));
    }

    void fivePressesOnTheBannerToggleTheDebugSection()
    {
        QVERIFY(m_harness->load(QStringLiteral("app/views/SoftwareInfoView.qml")));
        QVERIFY(ViewHarness::text(m_harness->find(QStringLiteral("versionTitle"))).startsWith(QStringLiteral("Version 1.0.32-84")));
        QQuickItem* banner = m_harness->find(QStringLiteral("softwareInfoBanner"));
        QVERIFY(banner);
        QVERIFY(!m_harness->find(QStringLiteral("debugQtVersion")));
        for (const bool shown : {true, false}) {
            for (int press = 0; press < 5; ++press) {
                QTest::qWait(100);
                QVERIFY(m_harness->click(banner));
            }
            QCOMPARE(m_harness->find(QStringLiteral("debugQtVersion")) != nullptr, shown);
        }
    }

private:
    int languageIndex(const QString& code) const
    {
        core::LanguageService* language = m_harness->app().languageService();
        const int before = language->currentLanguage();
        int found = -1;
        for (int index = 0; index < language->languages().size() && found < 0; ++index) {
            language->setCurrentLanguage(index);
            if (language->localeCode() == code)
                found = index;
        }
        language->setCurrentLanguage(before);
        return found;
    }

    // Chooses the row of a choice list as the user does: open it, press the entry.
    void choose(const QString& name, int row) const
    {
        QVERIFY(m_harness->choose(m_harness->find(name), row));
    }

    void showHiddenRows() const
    {
        QQuickItem* counter = m_harness->find(QStringLiteral("hiddenRowsCounter"));
        QVERIFY(counter);
        for (int press = 0; press < 5; ++press)
            QVERIFY(m_harness->clickAt(counter, QPointF(counter->width() - 5, counter->height() / 2)));
        QVERIFY(m_harness->find(QStringLiteral("debugModeSwitch")));
        // The rows take their places in the next frame.
        QTest::qWait(100);
    }

    std::unique_ptr<ViewHarness> m_harness;
};

QTEST_MAIN(TestViewAppSettings)
#include "tst_view_appsettings.moc"
