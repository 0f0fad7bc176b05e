#include "pairwiseswitcherrors.h"
#include "switcherrorscontroller.h"
#include "switchtimesample.h"

#include <QTest>

using storage::SwitchTime;
using E = SwitchErrorsController;

class TestSwitchErrorsController : public QObject {
    Q_OBJECT

private slots:
    void errorsOfASingleSwitchTime_data() {
        QTest::addColumn<SwitchTime>("switchTime");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("text");
        const QString none;
        QTest::addRow("switch without weekday")
            << sample::switchTime(0, 1, 0, 3600) << 1 << "Fehlende Wochentage";
        QTest::addRow("switch on any day at any time") << sample::switchTime(0, 1, 2, 86399) << 0 << none;
        QTest::addRow("impulse without weekday") << sample::impulse(0, 60, 10) << 1 << "Fehlende Wochentage";
        QTest::addRow("impulse without duration") << sample::impulse(128, 60, 0) << 2 << "Fehlende Dauer";
        QTest::addRow("impulse over midnight")
            << sample::impulse(128, 86370, 60) << 4 << "Impulse über Mitternacht";
        QTest::addRow("impulse up to midnight") << sample::impulse(128, 86340, 60) << 0 << none;
        QTest::addRow("Sunday's impulse up to midnight") << sample::impulse(2, 86340, 60) << 0 << none;
        QTest::addRow("impulse a second over midnight")
            << sample::impulse(128, 86341, 60) << 4 << "Impulse über Mitternacht";
        QTest::addRow("impulse before midnight") << sample::impulse(128, 86339, 60) << 0 << none;
        QTest::addRow("cycle without weekday") << sample::cycle(0, 0, 8, 60) << 1 << "Fehlende Wochentage";
        QTest::addRow("cycle without end day") << sample::cycle(128, 0, 0, 60) << 1 << "Fehlende Wochentage";
        QTest::addRow("cycle without pulse and pause")
            << sample::cycle(128, 0, 8, 60, 0, 0) << 5 << "Fehlende Impulsdauer";
        QTest::addRow("cycle without pause") << sample::cycle(128, 0, 8, 60, 10, 0) << 6 << "Fehlende Pause";
        QTest::addRow("endless cycle") << sample::cycle(128, 0, 1, 60) << 0 << none;
        QTest::addRow("fixed without end day")
            << sample::switchTime(3, 3, 8, 60, 0, 120) << 1 << "Fehlende Wochentage";
        QTest::addRow("fixed, same day and time")
            << sample::switchTime(3, 3, 8, 60, 8, 60) << 8 << "Identischer Anfang und Ende";
        QTest::addRow("fixed, each start day, same time")
            << sample::switchTime(3, 2, 12, 60, -1, 60) << 8 << "Identischer Anfang und Ende";
        QTest::addRow("fixed, next day same time") << sample::switchTime(3, 3, 8, 60, 4, 60) << 0 << none;
        QTest::addRow("unknown type") << sample::switchTime(7, 0, 0, 0) << 0 << none;
    }

    void errorsOfASingleSwitchTime() {
        QFETCH(SwitchTime, switchTime);
        QFETCH(int, error);
        QFETCH(QString, text);
        const QList<SwitchTime> list{switchTime};
        SwitchErrorsController controller(&list, nullptr);
        QCOMPARE(controller.switchTimeError(switchTime), error);
        QCOMPARE(controller.errorAt(0), error);
        QCOMPARE(controller.errorCount(), error == 0 ? 0 : 1);
        QCOMPARE(controller.errorToString(controller.errorAt(0)), text);
    }

    void overlapsBetweenSwitchTimes_data() {
        QTest::addColumn<SwitchTime>("first");
        QTest::addColumn<SwitchTime>("second");
        QTest::addColumn<int>("error");
        QTest::addRow("impulses on different days")
            << sample::impulse(128, 3600, 60) << sample::impulse(64, 3600, 60) << 0;
        QTest::addRow("impulses that overlap")
            << sample::impulse(192, 3600, 60) << sample::impulse(64, 3630, 60) << 3;
        QTest::addRow("impulses that only touch")
            << sample::impulse(128, 3600, 60) << sample::impulse(128, 3660, 60) << 0;
        QTest::addRow("impulse into the next day's")
            << sample::impulse(64, 60, 60) << sample::impulse(128, 86380, 120) << 3;
        QTest::addRow("Sunday's over the week's end")
            << sample::impulse(128, 10, 10) << sample::impulse(2, 86390, 60) << 3;
        QTest::addRow("cycles that overlap")
            << sample::cycle(128, 0, 32, 0) << sample::cycle(64, 0, 16, 0) << 7;
        QTest::addRow("cycles one after the other")
            << sample::cycle(128, 0, 64, 0) << sample::cycle(64, 0, 32, 0) << 0;
        QTest::addRow("endless cycle and another")
            << sample::cycle(8, 0, 1, 60) << sample::cycle(64, 0, 32, 0) << 7;
        QTest::addRow("impulse and cycle do not meet")
            << sample::impulse(128, 60, 60) << sample::cycle(128, 0, 32, 0) << 0;
    }

    void overlapsBetweenSwitchTimes() {
        QFETCH(SwitchTime, first);
        QFETCH(SwitchTime, second);
        QFETCH(int, error);
        const QList<SwitchTime> list{first, second};
        SwitchErrorsController controller(&list, nullptr);
        QCOMPARE(controller.switchTimeError(first), error);
        QCOMPARE(controller.errorAt(0), error);
    }

    void midnightComesBeforeOverlap() {
        const QList<SwitchTime> list{sample::impulse(128, 86370, 60), sample::impulse(128, 86380, 5)};
        SwitchErrorsController controller(&list, nullptr);
        QCOMPARE(controller.errorAt(0), E::SW_ImpulsOverMidnight);
        QCOMPARE(controller.errorAt(1), E::SW_ImpulsOverlaps);
        QCOMPARE(controller.errorCount(), 2);
    }

    void aSwitchTimeIsNotComparedWithItself() {
        // Records that are not stored yet all have id 0; they still are told apart.
        const SwitchTime a = sample::impulse(128, 3600, 60);
        const SwitchTime b = sample::impulse(64, 3600, 60);
        const QList<SwitchTime> list{a, b};
        SwitchErrorsController controller(&list, nullptr);
        QCOMPARE(a.id(), b.id());
        QCOMPARE(controller.switchTimeError(a), E::SW_NoErrors);
        QCOMPARE(controller.errorCount(), 0);
    }

    void aNewSwitchTimeIsComparedWithAll() {
        const QList<SwitchTime> list{sample::impulse(128, 3600, 60)};
        SwitchErrorsController controller(&list, nullptr);
        QCOMPARE(controller.checkSwitchTime(1, 1, 128, 0, 3600, 0, 60, 0, -1), E::SW_ImpulsOverlaps);
        const QDate day(2026, 1, 1);
        QCOMPARE(controller.checkNewSwitchTime(1, 1, 128, 0, QDateTime(day, QTime(1, 0, 30, 999)),
                                               QDateTime(), QDateTime(day, QTime(0, 1)), QDateTime()),
                 QString("Impulsüberschneidungen"));
        QCOMPARE(controller.checkNewSwitchTime(1, 1, 128, 0, QDateTime(day, QTime(2, 0)), QDateTime(),
                                               QDateTime(day, QTime(0, 1)), QDateTime()),
                 QString());
    }

    void aNewSwitchTimeNeedsAType() {
        const QList<SwitchTime> list;
        SwitchErrorsController controller(&list, nullptr);
        QCOMPARE(controller.checkNewSwitchTime(-1, 0, 0, 0, {}, {}, {}, {}), QString("Typ auswählen"));
    }

    void textsOutsideTheTableAreEmpty() {
        const QList<SwitchTime> list;
        SwitchErrorsController controller(&list, nullptr);
        QCOMPARE(controller.errorToString(E::SW_NoErrors), QString());
        QCOMPARE(controller.errorToString(static_cast<E::SwitchErrors>(9)), QString());
        QCOMPARE(controller.errorToString(static_cast<E::SwitchErrors>(-1)), QString());
    }

    void keptErrorsFollowInvalidate() {
        QList<SwitchTime> list{sample::impulse(128, 3600, 60), sample::impulse(64, 3600, 60)};
        SwitchErrorsController controller(&list, nullptr);
        QCOMPARE(controller.errorCount(), 0);
        list[1].setStartDays(128);
        controller.invalidate();
        QCOMPARE(controller.errorCount(), 2);
    }

    // The sweep over the week finds what comparing every pair finds.
    void sweepAgreesWithPairwiseCheck_data() {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 40; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }

    void sweepAgreesWithPairwiseCheck() {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        QList<SwitchTime> list;
        const int count = random.bounded(1, 40);
        for (int i = 0; i < count; ++i)
            list.append(sample::random(random));
        SwitchErrorsController controller(&list, nullptr);
        int errors = 0;
        for (int row = 0; row < list.size(); ++row) {
            const int expected = pairwise::error(list, row);
            QCOMPARE(controller.errorAt(row), expected);
            QCOMPARE(controller.switchTimeError(list.at(row)), expected);
            errors += expected != 0;
        }
        QCOMPARE(controller.errorCount(), errors);
    }
};

QTEST_GUILESS_MAIN(TestSwitchErrorsController)
#include "tst_switcherrorscontroller.moc"
