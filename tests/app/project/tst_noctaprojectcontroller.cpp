#include "projectsfixture.h"

#include <utils/wallclock.h>

#include "noctaprojectcontroller.h"

namespace {

constexpr int Lumen1 = 31; // one light setting for all days
constexpr int Lumen2 = 74; // a light setting per weekday, 2 channels

QDateTime at(int hour, int minute, int second) {
    return QDateTime(QDate(2023, 3, 1), QTime(hour, minute, second));
}

} // namespace

class TestNoctaProjectController : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProjectsFixture> f;

    std::unique_ptr<NoctaProjectController> open(int model) {
        return std::make_unique<NoctaProjectController>(
            ProjectsFixture::stored(model, QStringLiteral("Lumen")));
    }

private slots:
    void init() { f = std::make_unique<ProjectsFixture>(); }
    void cleanup() { f.reset(); }

    void daysFollowTheLightSettingType_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("one setting") << Lumen1 << QStringList{QStringLiteral("0")};
        QTest::newRow("per weekday") << Lumen2 << QStringList{QStringLiteral("0"), QStringLiteral("1"),
                                                              QStringLiteral("2"), QStringLiteral("3"),
                                                              QStringLiteral("4"), QStringLiteral("5"),
                                                              QStringLiteral("6")};
    }

    void daysFollowTheLightSettingType() {
        QFETCH(int, model);
        QFETCH(QStringList, keys);
        std::unique_ptr<NoctaProjectController> controller = open(model);
        // Opening reads the values; it is no edit.
        QVERIFY(!f->storageService->isDirty());
        QCOMPARE(controller->nbDays(), keys.size());
        QCOMPARE(controller->luxOnValues().keys(), keys);
        QCOMPARE(controller->luxOffValues().value(QStringLiteral("0")).toInt(),
                 storage::LuxValues::DefaultLux);
        QVERIFY(controller->isNocta());
    }

    void unknownLightSettingTypeMeansOneSetting() {
        storage::Project project(4711, QStringLiteral("Unknown"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Unknown light setting type 0"));
        NoctaProjectController controller(project);
        QCOMPARE(controller.nbDays(), 1);
    }

    void delaysKeepMinutesAndSeconds() {
        std::unique_ptr<NoctaProjectController> controller = open(Lumen2);
        QSignalSpy sunrise(controller.get(), &NoctaProjectController::delaySunriseTimeChanged);
        QSignalSpy sunset(controller.get(), &NoctaProjectController::delaySunsetTimeChanged);
        controller->setDelaySunriseTime(at(1, 20, 30));
        controller->setDelaySunriseTime(at(3, 20, 30));
        controller->setDelaySunsetTime(at(0, 5, 0));
        QCOMPARE(controller->setting(0)->delaySunrise(), 1230);
        QCOMPARE(controller->setting(0)->delaySunset(), 300);
        QCOMPARE(sunrise.count(), 1);
        QCOMPARE(sunset.count(), 1);
        QCOMPARE(controller->delaySunriseTime(), utils::WallClock::todayAt(QTime(0, 20, 30)));
    }

    void lightValuesOfTheSelectedChannelSignalEveryWrite() {
        std::unique_ptr<NoctaProjectController> controller = open(Lumen2);
        QVERIFY(controller->setSelectedChannel(1));
        QSignalSpy on(controller.get(), &NoctaProjectController::luxOnValuesChanged);
        QSignalSpy off(controller.get(), &NoctaProjectController::luxOffValuesChanged);
        controller->setLuxOnValue(3, 40);
        controller->setLuxOnValue(3, 40);
        controller->setLuxOffValue(6, 80);
        QCOMPARE(on.count(), 2);
        QCOMPARE(off.count(), 1);
        QCOMPARE(controller->luxOnValue(1, 3), 40);
        QCOMPARE(controller->luxOffValue(1, 6), 80);
        QCOMPARE(controller->luxOnValue(0, 3), storage::LuxValues::DefaultLux);
        QCOMPARE(controller->luxOnValues().value(QStringLiteral("3")).toInt(), 40);
    }

    void daysBeyondTheModelAreRefused() {
        std::unique_ptr<NoctaProjectController> controller = open(Lumen1);
        QSignalSpy on(controller.get(), &NoctaProjectController::luxOnValuesChanged);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("day 3 do not exist"));
        controller->setLuxOnValue(3, 40);
        QCOMPARE(on.count(), 0);
        QCOMPARE(controller->luxOnValues().keys(), QStringList{QStringLiteral("0")});
    }

    void changingTheChannelRenotifiesDelaysAndValues() {
        std::unique_ptr<NoctaProjectController> controller = open(Lumen2);
        QSignalSpy sunrise(controller.get(), &NoctaProjectController::delaySunriseTimeChanged);
        QSignalSpy sunset(controller.get(), &NoctaProjectController::delaySunsetTimeChanged);
        QSignalSpy values(controller.get(), &NoctaProjectController::luxValuesChanged);
        controller->setSelectedChannel(1);
        QCOMPARE(sunrise.count(), 1);
        QCOMPARE(sunset.count(), 1);
        QCOMPARE(values.count(), 1);
    }

    void restrictedWithoutPrograms() {
        QVERIFY(open(32)->hasRestrictedSettings());
        QVERIFY(!open(Lumen1)->hasRestrictedSettings());
    }
};

QTEST_MAIN(TestNoctaProjectController)
#include "tst_noctaprojectcontroller.moc"
