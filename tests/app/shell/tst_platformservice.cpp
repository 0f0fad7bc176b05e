#include <QApplication>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <core/customqmainwindow.h>
#include <core/windowlayout.h>

#include "platformservice.h"
#include "programsettings.h"
#include "screenwatcher.h"
#include "servicesfixture.h"

using core::WindowLayout;

class TestPlatformService : public QObject {
    Q_OBJECT

private slots:
    void init() { services = std::make_unique<ServicesFixture>(); }
    void cleanup()
    {
        delete WindowLayout::m_instance;
        services.reset();
    }

    void sizeTable_data()
    {
        QTest::addColumn<int>("display");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("size");
        QTest::newRow("desktop") << 0 << -1 << QSize(1024, 912);
        QTest::newRow("desktop landscape") << 0 << 1 << QSize(1024, 912);
        QTest::newRow("desktop portrait") << 0 << 0 << QSize(1024, 912);
        QTest::newRow("phone") << 1 << -1 << QSize(405, 878);
        QTest::newRow("phone portrait") << 1 << 0 << QSize(405, 878);
        QTest::newRow("phone landscape") << 1 << 1 << QSize(878, 405);
        QTest::newRow("tablet") << 2 << -1 << QSize(657, 1050);
        QTest::newRow("tablet landscape") << 2 << 1 << QSize(1050, 657);
        QTest::newRow("unknown display") << 7 << 1 << QSize(1024, 912);
        QTest::newRow("unknown orientation") << 1 << 4 << QSize(405, 878);
    }
    void sizeTable()
    {
        QFETCH(int, display);
        QFETCH(int, orientation);
        services->settings->setSettingValueFromStringKey(ProgramSettings::OverwriteDisplay, display);
        services->settings->setSettingValueFromStringKey(ProgramSettings::OverwriteOrientation, orientation);
        PlatformService platform;
        QTEST(platform.defaultWindowSize(), "size");
    }

    void startsWithTheStoredPreferences()
    {
        PlatformService fresh;
        QVERIFY(fresh.vibrateEnabled());
        QVERIFY(fresh.notifyEnabled());
        QCOMPARE(fresh.overwriteDisplay(), PlatformService::DP_Desktop);
        QCOMPARE(fresh.overwriteOrientation(), PlatformService::SO_None);

        services->settings->setSettingValueFromStringKey(ProgramSettings::Vibrate, false);
        services->settings->setSettingValueFromStringKey(ProgramSettings::Notify, false);
        PlatformService platform;
        QVERIFY(!platform.vibrateEnabled());
        QVERIFY(!platform.notifyEnabled());
    }

    void overridesOutsideTheirListsCountAsNone()
    {
        services->settings->setSettingValueFromStringKey(ProgramSettings::OverwriteDisplay, 7);
        services->settings->setSettingValueFromStringKey(ProgramSettings::OverwriteOrientation, 5);
        PlatformService platform;
        QCOMPARE(int(platform.overwriteDisplay()), int(PlatformService::DP_Desktop));
        QCOMPARE(int(platform.overwriteOrientation()), int(PlatformService::SO_None));

        QSignalSpy spy(&platform, &PlatformService::overwriteDisplayChanged);
        QVERIFY(platform.setProperty("overwriteDisplay", 9));
        QCOMPARE(spy.count(), 0);
        QCOMPARE(int(platform.overwriteDisplay()), int(PlatformService::DP_Desktop));
    }

    void preferenceChangeIsStoredAndSignalled()
    {
        PlatformService platform;
        QSignalSpy vibrateSpy(&platform, &PlatformService::vibrateEnabledChanged);
        QSignalSpy notifySpy(&platform, &PlatformService::notifyEnabledChanged);
        QSignalSpy stored(services->settings.get(), &core::SettingsService::settingChanged);
        platform.setVibrateEnabled(true);
        platform.setNotifyEnabled(true);
        QCOMPARE(stored.count(), 0);
        QCOMPARE(vibrateSpy.count(), 0);

        platform.setVibrateEnabled(false);
        platform.setNotifyEnabled(false);
        QCOMPARE(vibrateSpy.count(), 1);
        QCOMPARE(vibrateSpy.at(0).at(0).toBool(), false);
        QCOMPARE(notifySpy.count(), 1);
        QCOMPARE(services->settings->settingValue(ProgramSettings::Vibrate), QVariant(false));
        QCOMPARE(services->settings->settingValue(ProgramSettings::Notify), QVariant(false));
    }

    void overrideResizesTheMainWindow()
    {
        QQuickWindow window;
        window.resize(1024, 912);
        WindowLayout::instance()->setupLayout(&window, QJSValue());
        PlatformService platform;
        QSignalSpy sizeSpy(&platform, &PlatformService::defaultWindowSizeChanged);
        QSignalSpy displaySpy(&platform, &PlatformService::overwriteDisplayChanged);

        platform.setOverwriteDisplay(PlatformService::DP_Phone);
        platform.setOverwriteOrientation(PlatformService::SO_Landscape);

        QCOMPARE(displaySpy.count(), 1);
        QCOMPARE(sizeSpy.count(), 2);
        QCOMPARE(platform.defaultWindowSize(), QSize(878, 405));
        QCOMPARE(WindowLayout::instance()->mainWindow()->size(), QSize(878, 405));
        QCOMPARE(services->settings->settingValue(ProgramSettings::OverwriteDisplay).toInt(), 1);
        QCOMPARE(services->settings->settingValue(ProgramSettings::OverwriteOrientation).toInt(), 1);

        platform.setOverwriteDisplay(PlatformService::DP_Phone);
        QCOMPARE(sizeSpy.count(), 2);
        QCOMPARE(displaySpy.count(), 1);
    }

    void overrideBeforeTheMainWindowExistsOnlyComputes()
    {
        PlatformService platform;
        platform.setOverwriteDisplay(PlatformService::DP_Tablet);
        QCOMPARE(platform.defaultWindowSize(), QSize(657, 1050));
        QVERIFY(!WindowLayout::instance()->mainWindow());
    }

    void notificationsRespectThePreferences()
    {
        PlatformService platform;
        platform.setNotifyEnabled(false);
        // Without a main window the alert does nothing; the calls must not fail either way.
        platform.vibrateAndNotify();
        platform.vibrateOnly();
        platform.notifyOnly();
        QVERIFY(!platform.notifyEnabled());
    }

    void screenWatcherReportsEveryOrientation()
    {
        QScreen* screen = QGuiApplication::primaryScreen();
        QVERIFY(screen);
        ScreenWatcher watcher(screen);
        // The width and height are those of the screen held in landscape.
        const QSize size = screen->size();
        QCOMPARE(watcher.screenOrientation(), size.width() >= size.height() ? 1 : 0);
        QCOMPARE(watcher.width(), qMax(size.width(), size.height()));
        QCOMPARE(watcher.height(), qMin(size.width(), size.height()));
        QSignalSpy spy(&watcher, &ScreenWatcher::orientationChanged);
        watcher.onOrientationChanged(Qt::LandscapeOrientation);
        watcher.onOrientationChanged(Qt::LandscapeOrientation);
        watcher.onOrientationChanged(Qt::InvertedPortraitOrientation);
        QCOMPARE(spy.count(), 3);
        QCOMPARE(spy.at(1).at(0).toInt(), 1);
        QCOMPARE(spy.at(2).at(0).toInt(), 0);

        watcher.setScreenOrientation(0);
        QCOMPARE(spy.count(), 3);
        watcher.setScreenOrientation(1);
        QCOMPARE(spy.count(), 4);
    }

private:
    std::unique_ptr<ServicesFixture> services;
};

QTEST_MAIN(TestPlatformService)
#include "tst_platformservice.moc"
