#include "extraprogramfixture.h"
#include "extraprogramswitchtimecontroller.h"

#include <QSignalSpy>
#include <QtTest>

using storage::SwitchTime;

namespace {

struct Stored {
    int type;
    int state;
    int start;
    int end;
};

QList<Stored> storedOf(const QList<SwitchTime>& switches) {
    QList<Stored> stored;
    for (const SwitchTime& s : switches)
        stored.append({s.type(), s.state(), s.startTime(), s.endTime()});
    return stored;
}

bool operator==(const Stored& a, const Stored& b) {
    return a.type == b.type && a.state == b.state && a.start == b.start && a.end == b.end;
}

QDateTime todayAt(int hour, int minute = 0) {
    return utils::WallClock::todayAt(QTime(hour, minute));
}

} // namespace

class TestExtraProgramSwitchTimes : public QObject {
    Q_OBJECT

private slots:
    void aProgramWithoutSwitchTimesUsesNoInstant() {
        ExtraProgramServices services;
        TestOwner owner;
        ExtraProgramViewController controller(&owner, 1, false);
        ExtraProgramSwitchTimeController* switchTimes = controller.switchTimes();
        QVERIFY(switchTimes);
        QVERIFY(!switchTimes->isActiveOnProg1());
        QVERIFY(!switchTimes->isActiveOffProg1());
        QVERIFY(!switchTimes->isActiveOnProg2());
        QVERIFY(!switchTimes->isActiveOffProg2());
        QVERIFY(switchTimes->isEmpty());
        QCOMPARE(switchTimes->onTimeProg1(), todayAt(0));
        QCOMPARE(switchTimes->luxValueOn(), 15);
        QVERIFY(switchTimes->onSunset());
    }

    void plainModeRoundTrip() {
        ExtraProgramServices services;
        TestOwner owner;
        ExtraProgramViewController controller(&owner, 1, false);
        ExtraProgramSwitchTimeController* switchTimes = controller.switchTimes();
        QVERIFY(!switchTimes->isAstro());
        QSignalSpy counts(&controller, &ExtraProgramViewController::switchTimeCountChanged);
        switchTimes->setIsActiveOnProg1(true);
        switchTimes->setOnTimeProg1(todayAt(6, 30));
        switchTimes->setIsActiveOffProg1(true);
        switchTimes->setOffTimeProg1(QDateTime(QDate(2001, 1, 1), QTime(22, 15)));
        switchTimes->setIsActiveOnProg2(true);
        switchTimes->setOnTimeProg2(todayAt(12));
        switchTimes->setOffTimeProg2(todayAt(13));
        switchTimes->saveModifications();
        QCOMPARE(counts.size(), 1);

        const QList<Stored> expected{{0, 1, 6 * 3600 + 1800, 0}, {0, 0, 22 * 3600 + 900, 0},
                                     {0, 1, 12 * 3600, 0}, {0, 0, 86400, 0}};
        const QList<SwitchTime> stored = owner.programOfChannel(1)->switches();
        QCOMPARE(storedOf(stored), expected);
        for (const SwitchTime& s : stored)
            QCOMPARE(s.startDays(), int(SwitchTime::AllDays));

        controller.reloadDateRanges();
        ExtraProgramViewController reread(&owner, 1, false);
        for (ExtraProgramSwitchTimeController* loaded : {switchTimes, reread.switchTimes()}) {
            QVERIFY(loaded->isActiveOnProg1());
            QCOMPARE(loaded->onTimeProg1(), todayAt(6, 30));
            QCOMPARE(loaded->offTimeProg1(), todayAt(22, 15));
            QVERIFY(loaded->isActiveOnProg2());
            QCOMPARE(loaded->onTimeProg2(), todayAt(12));
            // An unused instant reads back unused at 00:00.
            QVERIFY(!loaded->isActiveOffProg2());
            QCOMPARE(loaded->offTimeProg2(), todayAt(0));
        }
    }

    void astroModeStoresTwoEntries() {
        ExtraProgramServices services;
        TestOwner owner;
        owner.astro = true;
        ExtraProgramViewController controller(&owner, 1, false);
        ExtraProgramSwitchTimeController* switchTimes = controller.switchTimes();
        QVERIFY(switchTimes->isAstro());
        QVERIFY(!switchTimes->isNocta());
        switchTimes->setIsActiveOnProg1(true);
        switchTimes->setOnTimeProg1(todayAt(7));
        switchTimes->setOffTimeProg1(todayAt(9, 45));
        // The off flags do not decide in this mode.
        switchTimes->setIsActiveOffProg1(false);
        switchTimes->setIsActiveOnProg2(false);
        switchTimes->setIsActiveOffProg2(true);
        switchTimes->setOnTimeProg2(todayAt(18));
        switchTimes->saveModifications();

        const QList<Stored> expected{{3, 2, 7 * 3600, 9 * 3600 + 2700}, {3, 3, 86400, 1}};
        QCOMPARE(storedOf(owner.programOfChannel(1)->switches()), expected);

        ExtraProgramViewController reread(&owner, 1, false);
        ExtraProgramSwitchTimeController* loaded = reread.switchTimes();
        QVERIFY(loaded->isActiveOnProg1());
        QVERIFY(loaded->isActiveOffProg1());
        QCOMPARE(loaded->onTimeProg1(), todayAt(7));
        QCOMPARE(loaded->offTimeProg1(), todayAt(9, 45));
        QVERIFY(!loaded->isActiveOnProg2());
        QVERIFY(!loaded->isActiveOffProg2());
        QCOMPARE(loaded->onTimeProg2(), todayAt(0));
        QCOMPARE(loaded->offTimeProg2(), todayAt(0));
    }

    void twilightProjectsKeepTheirLuxValues() {
        ExtraProgramServices services;
        TestOwner owner;
        owner.nocta = true;
        owner.programOfChannel(1)->setLuxOnValue(0);
        owner.programOfChannel(1)->setLuxOffValue(40);
        ExtraProgramViewController controller(&owner, 1, false);
        ExtraProgramSwitchTimeController* switchTimes = controller.switchTimes();
        QVERIFY(switchTimes->isNocta());
        QCOMPARE(switchTimes->luxValueOn(), 15);
        QCOMPARE(switchTimes->luxValueOff(), 40);
        switchTimes->setLuxValueOn(120);
        switchTimes->setIsActiveOnProg1(true);
        switchTimes->saveModifications();
        QCOMPARE(owner.programOfChannel(1)->luxOnValue(), 120);
        QCOMPARE(owner.programOfChannel(1)->luxOffValue(), 40);
        QCOMPARE(owner.programOfChannel(1)->switches().size(), 2);
        QCOMPARE(owner.programOfChannel(1)->switches().at(0).type(), int(SwitchTime::FixSwitch));
    }

    void onSunsetFollowsTheAstroMode() {
        ExtraProgramServices services;
        TestOwner owner;
        owner.astro = true;
        owner.mode = 1;
        ExtraProgramViewController controller(&owner, 1, false);
        ExtraProgramSwitchTimeController* switchTimes = controller.switchTimes();
        QVERIFY(!switchTimes->onSunset());
        QSignalSpy changes(switchTimes, &ExtraProgramSwitchTimeController::onSunsetChanged);
        owner.setAstroMode(0);
        QVERIFY(switchTimes->onSunset());
        owner.setAstroMode(2);
        QVERIFY(!switchTimes->onSunset());
        QCOMPARE(changes.size(), 2);

        // Every load reads the mode, and listens once.
        const int receivers = owner.astroModeReceivers();
        controller.reloadDateRanges();
        controller.reloadDateRanges();
        QCOMPARE(owner.astroModeReceivers(), receivers);
    }

    void aChannelChangeChangesTheMode() {
        ExtraProgramServices services;
        TestOwner owner;
        ExtraProgramViewController controller(&owner, 1, false);
        ExtraProgramSwitchTimeController* switchTimes = controller.switchTimes();
        QSignalSpy modes(switchTimes, &ExtraProgramSwitchTimeController::modeChanged);
        owner.astro = true;
        controller.reloadDateRanges();
        QVERIFY(switchTimes->isAstro());
        QCOMPARE(modes.size(), 1);
    }
};

QTEST_MAIN(TestExtraProgramSwitchTimes)
#include "tst_extraprogramswitchtimes.moc"
