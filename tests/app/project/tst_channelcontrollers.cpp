#include "projectsfixture.h"

#include "astrochannelcontroller.h"
#include "channelcontroller.h"
#include "projectcontroller.h"

#include <utils/wallclock.h>

namespace {

constexpr int Weekly1 = 11;      // no seconds for the timer input
constexpr int Rix3Weekly2 = 102; // no seconds for the timer input either
constexpr int Rix2Weekly4 = 43;  // takes seconds for the timer input

QDateTime at(int hour, int minute, int second) {
    return QDateTime(QDate(2024, 2, 29), QTime(hour, minute, second));
}

// A holiday period's date-time: a wall-clock reading.
QDateTime wall(const QDate& date, const QTime& time) {
    return utils::WallClock::at(date, time);
}

} // namespace

class TestChannelControllers : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProjectsFixture> f;

    std::unique_ptr<ProjectController> open(int model) {
        return std::make_unique<ProjectController>(
            ProjectsFixture::stored(model, QStringLiteral("Channels")));
    }

private slots:
    void init() { f = std::make_unique<ProjectsFixture>(); }
    void cleanup() { f.reset(); }

    void intSettersStoreAndSignalOnlyOnChange_data() {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<bool>("astro");
        for (const char* name :
             {"externalInputFunction", "externalSwitchFunction", "externalTasterFunction", "externalStatus",
              "externalResettable", "holidayStatus", "operatingHour", "earthHour"})
            QTest::newRow(name) << QByteArray(name) << false;
        for (const char* name :
             {"offsetSunrise", "offsetSunset", "astroMode", "astroPulseUsage", "astroTime"})
            QTest::newRow(name) << QByteArray(name) << true;
    }

    void intSettersStoreAndSignalOnlyOnChange() {
        QFETCH(QByteArray, property);
        QFETCH(bool, astro);
        std::unique_ptr<ProjectController> project = open(Rix3Weekly2);
        project->setChannelType(1, astro ? ChannelController::AstroType : ChannelController::PlainType);
        ChannelController* channel = project->channel(1);
        const QMetaProperty meta =
            channel->metaObject()->property(channel->metaObject()->indexOfProperty(property));
        QVERIFY(meta.isValid());
        QSignalSpy changed(channel, meta.notifySignal());
        const int value = channel->property(property).toInt() + 7;
        QVERIFY(channel->setProperty(property, value));
        QVERIFY(channel->setProperty(property, value));
        QCOMPARE(changed.count(), 1);
        // Read back through a fresh controller of the same channel: the value is stored.
        project->removeChannelController(1);
        project->setChannelType(1, astro ? ChannelController::AstroType : ChannelController::PlainType);
        QCOMPARE(project->channel(1)->property(property).toInt(), value);
    }

    void externalInputTimeTakesSecondsOnlyForTimersOfModelsThatAllowThem_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("taster");
        QTest::addColumn<int>("seconds");
        QTest::newRow("no seconds on the model") << Weekly1 << 1 << 600;
        QTest::newRow("not the timer function") << Rix2Weekly4 << 0 << 600;
        QTest::newRow("timer with seconds") << Rix2Weekly4 << 1 << 630;
    }

    void externalInputTimeTakesSecondsOnlyForTimersOfModelsThatAllowThem() {
        QFETCH(int, model);
        QFETCH(int, taster);
        QFETCH(int, seconds);
        std::unique_ptr<ProjectController> project = open(model);
        ChannelController* channel = project->channel(0);
        channel->setExternalTasterFunction(taster);
        QSignalSpy changed(channel, &ChannelController::externalInputTimeChanged);
        channel->setExternalInputTime(at(0, 10, 30));
        channel->setExternalInputTime(at(0, 10, 30));
        QCOMPARE(project->setting(0)->externalInputTime(), seconds);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toDateTime(), at(0, 10, 30));
        QCOMPARE(channel->externalInputTime(), utils::WallClock::todayAt(QTime(0, 0).addSecs(seconds)));
    }

    void lookingAtAChannelIsNoEdit() {
        std::unique_ptr<ProjectController> project = open(Rix3Weekly2);
        project->channel(0)->isSignaling();
        project->channel(1)->holidayBegin();
        QVERIFY(!f->storageService->isDirty());
    }

    void astroPulseDurationDropsTheHour() {
        std::unique_ptr<ProjectController> project = open(Rix3Weekly2);
        project->setChannelType(0, ChannelController::AstroType);
        auto* channel = qobject_cast<AstroChannelController*>(project->channel(0));
        QVERIFY(channel);
        QCOMPARE(channel->channelType(), 1);
        QSignalSpy changed(channel, &AstroChannelController::astroPulseDurationChanged);
        channel->setAstroPulseDuration(at(1, 2, 3));
        channel->setAstroPulseDuration(at(5, 2, 3));
        QCOMPARE(project->setting(0)->astroPulseDuration(), 123);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(channel->astroPulseDuration(), utils::WallClock::todayAt(QTime(0, 2, 3)));
    }

    void holidayDateAndTimeChangeTheirPartOnly() {
        std::unique_ptr<ProjectController> project = open(Weekly1);
        ChannelController* channel = project->channel(0);
        project->setting(0)->setHolidayBegin(wall(QDate(2025, 5, 1), QTime(8, 30)));
        QSignalSpy begin(channel, &ChannelController::holidayBeginChanged);

        channel->setHolidayDateBegin(QDateTime(QDate(2025, 6, 2), QTime(23, 0)));
        QCOMPARE(channel->holidayBegin(), wall(QDate(2025, 6, 2), QTime(8, 30)));
        channel->setHolidayDateBegin(QDateTime(QDate(2025, 6, 2), QTime(1, 0)));
        QCOMPARE(begin.count(), 1);
        QCOMPARE(begin.first().first().toDateTime(), wall(QDate(2025, 6, 2), QTime(8, 30)));

        channel->setHolidayTimeBegin(QDateTime(QDate(2000, 1, 1), QTime(17, 45)));
        QCOMPARE(project->setting(0)->holidayBegin(), wall(QDate(2025, 6, 2), QTime(17, 45)));
        QCOMPARE(begin.count(), 2);

        QSignalSpy end(channel, &ChannelController::holidayEndChanged);
        channel->setHolidayDateEnd(QDateTime(QDate(2025, 6, 9), QTime()));
        channel->setHolidayTimeEnd(QDateTime(QDate(1999, 1, 1), QTime(6, 0)));
        QCOMPARE(channel->holidayEnd(), wall(QDate(2025, 6, 9), QTime(6, 0)));
        QCOMPARE(end.count(), 2);
    }
};

QTEST_MAIN(TestChannelControllers)
#include "tst_channelcontrollers.moc"
