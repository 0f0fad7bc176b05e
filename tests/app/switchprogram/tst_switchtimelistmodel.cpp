#include "switchtimefields.h"
#include "switchtimelistmodel.h"
#include "switchtimesample.h"

#include <QDateTime>
#include <QSignalSpy>
#include <QTest>
#include <utils/wallclock.h>

using storage::SwitchTime;
using M = SwitchTimeListModel;

namespace {

QDateTime at(int seconds) {
    return utils::WallClock::todayAt(QTime(0, 0).addSecs(seconds));
}

// A model over the given switch times whose clock only moves when a test moves it.
struct Fixture {
    explicit Fixture(const QList<SwitchTime>& switches = {}) {
        model.setClock([this] { return now; });
        model.setSwitches(switches);
    }
    // Each write comes well after the last undo or redo, so that it is recorded.
    bool write(int row, const QVariant& value, int role) {
        now += 1000;
        return model.setData(model.index(row), value, role);
    }
    QVariant read(int row, int role) const { return model.data(model.index(row), role); }
    void undo() {
        now += 1000;
        model.undo();
    }
    void redo() {
        now += 1000;
        model.redo();
    }
    QList<SwitchTimeFields> fields() const {
        QList<SwitchTimeFields> all;
        for (const SwitchTime& s : model.switches())
            all.append(SwitchTimeFields::of(s));
        return all;
    }

    qint64 now = 0;
    SwitchTimeListModel model;
};

QList<SwitchTime> sixSwitches() {
    QList<SwitchTime> list;
    for (int i = 0; i < 6; ++i)
        list.append(sample::switchTime(0, i % 2, 128 >> i, 3600 * i));
    return list;
}

QString describe(const QList<SwitchTimeFields>& list) {
    QStringList rows;
    for (const SwitchTimeFields& f : list)
        rows.append(QStringLiteral("(%1 %2 %3 %4 %5 %6 %7 %8)")
                        .arg(f.type)
                        .arg(f.state)
                        .arg(f.startDays)
                        .arg(f.endDay)
                        .arg(f.startTime)
                        .arg(f.endTime)
                        .arg(f.pulsTime)
                        .arg(f.pauseTime));
    return rows.join(' ');
}

} // namespace

class TestSwitchTimeListModel : public QObject {
    Q_OBJECT

private slots:
    void rolesReadTheRecord() {
        Fixture f({sample::cycle(128, 3600, 16, 7200, 30, 45)});
        QCOMPARE(f.model.roleNames().value(M::StartDaysRole), QByteArray("startDays"));
        QCOMPARE(f.read(0, M::TypeRole).toInt(), 2);
        QCOMPARE(f.read(0, M::StartDaysRole).toInt(), 128);
        QCOMPARE(f.read(0, M::StartTimeRole).toDateTime(), at(3600));
        QCOMPARE(f.read(0, M::EndTimeRole).toDateTime(), at(7200));
        QCOMPARE(f.read(0, M::PulsTimeRole).toDateTime(), at(30));
        QCOMPARE(f.read(0, M::PauseTimeRole).toDateTime(), at(45));
        QCOMPARE(f.read(0, M::EndDayRole).toInt(), 3);
        QCOMPARE(f.read(0, M::EndlessRole).toBool(), false);
        QCOMPARE(f.read(0, M::SelectedRole).toBool(), false);
        QCOMPARE(f.read(0, M::ErrorRole).toInt(), 0);
        QVERIFY(!f.read(1, M::TypeRole).isValid());
        QVERIFY(!f.read(0, Qt::DisplayRole).isValid());
    }

    void refusedWritesRecordNothing_data() {
        QTest::addColumn<SwitchTime>("switchTime");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("value");
        const SwitchTime on = sample::switchTime(0, 1, 128, 60);
        const SwitchTime cycle = sample::cycle(128, 0, 16, 60);
        QTest::addRow("row outside the list") << on << 1 << int(M::StateRole) << QVariant(0);
        QTest::addRow("negative row") << on << -1 << int(M::StateRole) << QVariant(0);
        QTest::addRow("endless") << cycle << 0 << int(M::EndlessRole) << QVariant(true);
        QTest::addRow("error") << on << 0 << int(M::ErrorRole) << QVariant(3);
        QTest::addRow("end day of a switch") << on << 0 << int(M::EndDayRole) << QVariant(3);
        QTest::addRow("end day of an impulse")
            << sample::impulse(128, 60, 1) << 0 << int(M::EndDayRole) << QVariant(3);
        QTest::addRow("end day beyond endless") << cycle << 0 << int(M::EndDayRole) << QVariant(8);
        QTest::addRow("no single end day for a cycle") << cycle << 0 << int(M::EndDayRole) << QVariant(-1);
        QTest::addRow("days beyond the week") << on << 0 << int(M::StartDaysRole) << QVariant(256);
        QTest::addRow("unknown type") << on << 0 << int(M::TypeRole) << QVariant(4);
        QTest::addRow("a time that is no time") << on << 0 << int(M::StartTimeRole) << QVariant(3600);
        QTest::addRow("a type that is no number") << on << 0 << int(M::TypeRole) << QVariant("switch");
        // Refused even when the value is the one the role reads now.
        QTest::addRow("current end day of an impulse")
            << sample::impulse(128, 60, 1) << 0 << int(M::EndDayRole) << QVariant(-1);
        QTest::addRow("current end day of a switch") << on << 0 << int(M::EndDayRole) << QVariant(-1);
        QTest::addRow("endless off on a switch") << on << 0 << int(M::EndlessRole) << QVariant(false);
        QTest::addRow("current error") << on << 0 << int(M::ErrorRole) << QVariant(0);
        // Bit 0 is no weekday.
        QTest::addRow("start days 1") << on << 0 << int(M::StartDaysRole) << QVariant(1);
        QTest::addRow("start days 255") << on << 0 << int(M::StartDaysRole) << QVariant(255);
        QTest::addRow("Monday and bit 0") << on << 0 << int(M::StartDaysRole) << QVariant(129);
    }

    void refusedWritesRecordNothing() {
        QFETCH(SwitchTime, switchTime);
        QFETCH(int, row);
        QFETCH(int, role);
        QFETCH(QVariant, value);
        Fixture f({switchTime});
        const QList<SwitchTimeFields> before = f.fields();
        QSignalSpy canUndo(&f.model, &UndoListModel::canUndoChanged);
        QVERIFY(!f.write(row, value, role));
        QVERIFY(!f.model.canUndo());
        QCOMPARE(canUndo.size(), 0);
        QVERIFY(f.fields() == before);
    }

    void appliedWritesAreOneStepEach() {
        Fixture f({sample::switchTime(0, 1, 128, 60)});
        QSignalSpy grid(&f.model, &M::updateGrid);
        QSignalSpy changed(&f.model, &QAbstractItemModel::dataChanged);
        QVERIFY(f.write(0, 0, M::StateRole));
        QVERIFY(f.write(0, at(7200), M::StartTimeRole));
        QCOMPARE(grid.size(), 2);
        QVERIFY(changed.size() >= 4);
        QCOMPARE(f.model.at(0)->state(), 0);
        QCOMPARE(f.model.at(0)->startTime(), 7200);
        f.undo();
        QCOMPARE(f.model.at(0)->startTime(), 60);
        QCOMPARE(f.model.at(0)->state(), 0);
        f.undo();
        QCOMPARE(f.model.at(0)->state(), 1);
        QVERIFY(!f.model.canUndo());
    }

    // The end-day role reads -1 for end day 0 as well: writing -1 must still give each start day.
    void aFixedSwitchTimeWithoutEndDayGetsEachStartDay() {
        Fixture f({sample::switchTime(3, 3, 12, 60, 0, 120)});
        QCOMPARE(f.read(0, M::EndDayRole).toInt(), -1);
        QCOMPARE(f.read(0, M::ErrorRole).toInt(), 1);
        QVERIFY(f.write(0, -1, M::EndDayRole));
        QCOMPARE(f.model.at(0)->endDay(), -1);
        QCOMPARE(f.read(0, M::ErrorRole).toInt(), 0);
        QVERIFY(f.model.canUndo());
        f.undo();
        QCOMPARE(f.model.at(0)->endDay(), 0);
        // Writing it again once it ends on each start day records nothing.
        f.redo();
        QVERIFY(f.write(0, -1, M::EndDayRole));
        f.undo();
        QCOMPARE(f.model.at(0)->endDay(), 0);
        QVERIFY(!f.model.canUndo());
    }

    // An undo puts back what its step changed; writes behind the model (an editor's save) stay.
    void undoKeepsWritesBehindTheModel() {
        Fixture f({sample::switchTime(0, 1, 128, 3600)});
        QVERIFY(f.write(0, at(7200), M::StartTimeRole));
        SwitchTime behind = *f.model.at(0);
        behind.setState(SwitchTime::Off);
        behind.setStartDays(64);
        f.model.emitRowChanged(0);
        f.undo();
        QCOMPARE(f.model.at(0)->startTime(), 3600);
        QCOMPARE(f.model.at(0)->state(), int(SwitchTime::Off));
        QCOMPARE(f.model.at(0)->startDays(), 64);
        f.redo();
        QCOMPARE(f.model.at(0)->startTime(), 7200);
        QCOMPARE(f.model.at(0)->state(), int(SwitchTime::Off));
        QCOMPARE(f.model.at(0)->startDays(), 64);
    }

    // Writes in the window after an undo are not recorded; the redo does not take them back.
    void redoKeepsWritesInsideTheWindow() {
        Fixture f({sample::switchTime(0, 1, 128, 3600)});
        QVERIFY(f.write(0, at(7200), M::StartTimeRole));
        f.undo();
        QVERIFY(f.model.setData(f.model.index(0), int(SwitchTime::Off), M::StateRole));
        QVERIFY(f.model.setData(f.model.index(0), 64, M::StartDaysRole));
        f.redo();
        QCOMPARE(f.model.at(0)->startTime(), 7200);
        QCOMPARE(f.model.at(0)->state(), int(SwitchTime::Off));
        QCOMPARE(f.model.at(0)->startDays(), 64);
        f.undo();
        QCOMPARE(f.model.at(0)->startTime(), 3600);
        QCOMPARE(f.model.at(0)->state(), int(SwitchTime::Off));
        QCOMPARE(f.model.at(0)->startDays(), 64);
    }

    void aFixedSwitchTimeMayEndOnEachStartDay() {
        Fixture f({sample::switchTime(3, 3, 12, 60, 8, 120)});
        QVERIFY(f.write(0, -1, M::EndDayRole));
        QCOMPARE(f.model.at(0)->endDay(), -1);
        QVERIFY(f.write(0, 6, M::EndDayRole));
        QCOMPARE(f.model.at(0)->endDay(), 2);
    }

    void cycleEndlessRules_data() {
        QTest::addColumn<SwitchTime>("cycle");
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("endDay");
        QTest::addRow("end time onto the start")
            << sample::cycle(32, 600, 32, 900) << int(M::EndTimeRole) << QVariant(at(600)) << 1;
        QTest::addRow("start time onto the end")
            << sample::cycle(32, 600, 32, 900) << int(M::StartTimeRole) << QVariant(at(900)) << 1;
        QTest::addRow("end time away from the start")
            << sample::cycle(32, 600, 1, 600) << int(M::EndTimeRole) << QVariant(at(700)) << 32;
        QTest::addRow("start time away from the end")
            << sample::cycle(32, 600, 1, 600) << int(M::StartTimeRole) << QVariant(at(700)) << 32;
        QTest::addRow("same times, other day")
            << sample::cycle(32, 600, 16, 900) << int(M::EndTimeRole) << QVariant(at(600)) << 16;
        QTest::addRow("start days of an endless cycle")
            << sample::cycle(32, 600, 1, 900) << int(M::StartDaysRole) << QVariant(64) << 32;
        QTest::addRow("start days onto the end day")
            << sample::cycle(32, 600, 16, 600) << int(M::StartDaysRole) << QVariant(16) << 1;
        QTest::addRow("end day index endless")
            << sample::cycle(32, 600, 16, 900) << int(M::EndDayRole) << QVariant(7) << 1;
        QTest::addRow("end day index Thursday")
            << sample::cycle(32, 600, 1, 900) << int(M::EndDayRole) << QVariant(3) << 16;
        QTest::addRow("end day onto the start day")
            << sample::cycle(32, 600, 16, 600) << int(M::EndDayRole) << QVariant(2) << 1;
    }

    void cycleEndlessRules() {
        QFETCH(SwitchTime, cycle);
        QFETCH(int, role);
        QFETCH(QVariant, value);
        QFETCH(int, endDay);
        Fixture f({cycle});
        const QList<SwitchTimeFields> before = f.fields();
        QSignalSpy changed(&f.model, &QAbstractItemModel::dataChanged);
        QVERIFY(f.write(0, value, role));
        QCOMPARE(cycle.endDay(), endDay);
        QCOMPARE(f.read(0, M::EndlessRole).toBool(), endDay == 1);
        // Undo puts back every field the write touched, the end day included.
        f.undo();
        QVERIFY(f.fields() == before);
        f.redo();
        QCOMPARE(cycle.endDay(), endDay);
    }

    void movingDaysKeepsTheEndDayOfTheLastDay_data() {
        QTest::addColumn<int>("keepDays");
        QTest::addColumn<int>("startDays");
        QTest::addColumn<int>("endDay");
        QTest::addRow("only Sunday") << 2 << 2 << 128;
        QTest::addRow("only Saturday") << 4 << 4 << 2;
        QTest::addRow("both") << 6 << 6 << -1;
    }

    void movingDaysKeepsTheEndDayOfTheLastDay() {
        QFETCH(int, keepDays);
        QFETCH(int, startDays);
        QFETCH(int, endDay);
        Fixture f({sample::switchTime(3, 3, 6, 22 * 3600, -1, 2 * 3600)});
        const QList<SwitchTimeFields> before = f.fields();
        f.model.moveSwitchDays(0, keepDays);
        QCOMPARE(f.model.at(0)->startDays(), startDays);
        QCOMPARE(f.model.at(0)->endDay(), endDay);
        QCOMPARE(f.model.canUndo(), startDays != 6);
        f.undo();
        QVERIFY(f.fields() == before);
    }

    void movingDaysEmptiesACycle() {
        Fixture f({sample::cycle(32, 0, 8, 60)});
        f.model.moveSwitchDays(0, 32);
        QCOMPARE(f.model.at(0)->startDays(), 0);
        f.model.moveSwitchDays(3, 0);
        f.undo();
        QCOMPARE(f.model.at(0)->startDays(), 32);
    }

    void clearingEmptySwitchTimesCanBeUndone() {
        const QList<SwitchTime> list{sample::switchTime(0, 1, 0, 0), sample::switchTime(0, 1, 1, 0),
                                     sample::switchTime(0, 1, 2, 0)};
        Fixture f(list);
        QSignalSpy refresh(&f.model, &M::needRefresh);
        f.model.clearEmptySwitches();
        QCOMPARE(f.model.switches(), QList<SwitchTime>({list.at(2)}));
        QCOMPARE(refresh.size(), 1);
        f.undo();
        QCOMPARE(f.model.switches(), list);
    }

    void selectRange() {
        Fixture f(sixSwitches());
        f.model.selectRange(5, 2);
        QCOMPARE(f.model.selectionCount(), 4);
        QVERIFY(!f.model.isAllSelected());
        QVERIFY(f.read(2, M::SelectedRole).toBool());
        QVERIFY(!f.read(1, M::SelectedRole).toBool());
        f.model.selectRange(0, 5);
        QVERIFY(f.model.isAllSelected());
        f.model.selectRange(-3, 20);
        QCOMPARE(f.model.selectionCount(), 6);
        f.model.selectRange(7, 9);
        QCOMPARE(f.model.selectionCount(), 6);
    }

    void selectIndices() {
        Fixture f(sixSwitches());
        QSignalSpy selection(&f.model, &M::selectionChanged);
        QSignalSpy changed(&f.model, &QAbstractItemModel::dataChanged);
        f.model.selectIndices({1, 3, 17, -2});
        QCOMPARE(f.model.selectionCount(), 2);
        QCOMPARE(changed.last().at(0).toModelIndex().row(), 1);
        QCOMPARE(changed.last().at(1).toModelIndex().row(), 3);
        f.model.selectIndices({4});
        QCOMPARE(changed.last().at(0).toModelIndex().row(), 1);
        QCOMPARE(changed.last().at(1).toModelIndex().row(), 4);
        QCOMPARE(selection.size(), 2);
        // The all-selected flag keeps its last value until a change of the list or of a row's flag.
        QVERIFY(!f.model.isAllSelected());
        f.model.selectIndices({0, 1, 2, 3, 4, 5});
        QVERIFY(!f.model.isAllSelected());
        QVERIFY(f.write(0, false, M::SelectedRole));
        QVERIFY(f.write(0, true, M::SelectedRole));
        QVERIFY(f.model.isAllSelected());
        f.model.selectIndices({});
        QCOMPARE(f.model.selectionCount(), 0);
    }

    void selectAllAndClear() {
        Fixture f(sixSwitches());
        f.model.selectAll(true);
        QCOMPARE(f.model.selectionCount(), 6);
        QVERIFY(f.model.isAllSelected());
        QVERIFY(f.write(2, false, M::SelectedRole));
        QVERIFY(!f.model.isAllSelected());
        f.model.clearSelection();
        QCOMPARE(f.model.selectionCount(), 0);
        QVERIFY(!f.model.canUndo());
    }

    void removedRowsComeBackSelected() {
        const QList<SwitchTime> list = sixSwitches();
        Fixture f(list);
        f.model.selectIndices({1, 4});
        f.model.removeSelected();
        QCOMPARE(f.model.count(), 4);
        QCOMPARE(f.model.selectionCount(), 2);
        f.undo();
        QCOMPARE(f.model.switches(), list);
        QVERIFY(f.read(1, M::SelectedRole).toBool());
        QVERIFY(f.read(4, M::SelectedRole).toBool());
    }

    void copySelected() {
        Fixture f(sixSwitches());
        QSignalSpy clipboard(&f.model, &M::fillClipboard);
        f.model.copySelected();
        QCOMPARE(clipboard.last().at(0).toInt(), 0);
        QCOMPARE(clipboard.last().at(1).toInt(), -1);
        QVERIFY(clipboard.last().at(2).toJsonArray().isEmpty());
        f.model.selectIndices({3, 0});
        f.model.copySelected();
        const QJsonArray copied = clipboard.last().at(2).toJsonArray();
        QCOMPARE(copied.size(), 2);
        QCOMPARE(copied.at(0).toObject(), f.model.jsonObjectAt(0, 254));
        QCOMPARE(copied.at(1).toObject(), f.model.jsonObjectAt(3, 254));
    }

    void errorsFollowEveryChange() {
        Fixture f({sample::impulse(128, 3600, 60), sample::impulse(64, 3600, 60)});
        QCOMPARE(f.model.errorCount(), 0);
        QSignalSpy changed(&f.model, &QAbstractItemModel::dataChanged);
        QVERIFY(f.write(1, 192, M::StartDaysRole));
        QCOMPARE(f.model.errorCount(), 2);
        QCOMPARE(f.read(0, M::ErrorRole).toInt(), 3);
        const auto announcesErrors = [&changed] {
            for (const QList<QVariant>& signal : changed) {
                if (signal.at(2).value<QList<int>>() == QList<int>({M::ErrorRole}) &&
                    signal.at(0).toModelIndex().row() == 0)
                    return true;
            }
            return false;
        };
        QVERIFY(announcesErrors());
        f.undo();
        QCOMPARE(f.model.errorCount(), 0);

        // A write behind the model, announced as a changed row.
        changed.clear();
        f.model.at(0)->setPulsTime(0);
        f.model.emitRowChanged(0);
        QCOMPARE(f.model.errorCount(), 1);
        QCOMPARE(f.read(0, M::ErrorRole).toInt(), 2);
        QVERIFY(announcesErrors());

        f.model.insertSwitchTime(sample::impulse(64, 3630, 60));
        QCOMPARE(f.model.errorCount(), 3);
        f.undo();
        QCOMPARE(f.model.errorCount(), 1);
    }

    void lookUps() {
        const QList<SwitchTime> list{sample::impulse(128, 600, 5), sample::switchTime(0, 1, 64, 900),
                                     sample::switchTime(0, 0, 64, 300)};
        Fixture f(list);
        QVERIFY(f.model.containsEqual(sample::switchTime(0, 1, 64, 900)));
        QVERIFY(!f.model.containsEqual(sample::switchTime(0, 1, 32, 900)));
        QVERIFY(!Fixture().model.containsEqual(list.at(0)));
        const QJsonArray info = f.model.tooltipInfo({0, 9, 1, 2, -1});
        QCOMPARE(info.size(), 3);
        QCOMPARE(info.at(0).toObject().value("start-time").toInt(), 300);
        QCOMPARE(info.at(1).toObject().value("start-time").toInt(), 900);
        QCOMPARE(info.at(2).toObject().value("type").toString(), QString("impuls"));
        QCOMPARE(f.model.rowOfId(12345), -1);
        QCOMPARE(f.model.rowOfId(0), 0);
        QVERIFY(f.model.at(3) == nullptr);
        QVERIFY(f.model.jsonObjectAt(3, 254).isEmpty());
    }

    void loadingAndEmptyingClearTheHistory() {
        Fixture f(sixSwitches());
        f.model.insertSwitchTime(sample::switchTime(0, 1, 2, 0));
        f.model.selectAll();
        QSignalSpy count(&f.model, &M::countChanged);
        f.model.setSwitches(sixSwitches());
        QVERIFY(!f.model.canUndo());
        QCOMPARE(f.model.selectionCount(), 0);
        QCOMPARE(count.size(), 1);
        f.model.insertSwitchTime(sample::switchTime(0, 1, 2, 0));
        f.model.removeAll();
        QCOMPARE(f.model.count(), 0);
        QVERIFY(!f.model.canUndo());
        f.undo();
        QCOMPARE(f.model.count(), 0);
    }

    void firstDayOfWeek() {
        Fixture f;
        QSignalSpy changed(&f.model, &M::firstDayOfWeekChanged);
        f.model.setFirstDayOfWeek(6);
        f.model.setFirstDayOfWeek(6);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("First day of the week out of range"));
        f.model.setFirstDayOfWeek(7);
        QCOMPARE(f.model.firstDayOfWeek(), 6);
        QCOMPARE(changed.size(), 1);
    }

    // Inserts, edits, removals, undos and redos in random order, each checked against a plain
    // history of the list; undoing everything empties it again.
    void randomEditingFollowsAReferenceHistory_data() {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 12; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }

    void randomEditingFollowsAReferenceHistory() {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        Fixture f;
        QList<QList<SwitchTimeFields>> history{{}};
        int current = 0;
        const auto record = [&](const QList<SwitchTimeFields>& state) {
            history.resize(current + 1);
            history.append(state);
            ++current;
        };
        for (int step = 0; step < 300; ++step) {
            const QList<SwitchTimeFields> before = f.fields();
            const int rows = f.model.count();
            const int row = rows == 0 ? 0 : random.bounded(rows);
            const int action = random.bounded(10);
            QString what;
            if (action == 0 || rows == 0) {
                const SwitchTime added = sample::random(random);
                f.model.insertSwitchTime(added);
                QList<SwitchTimeFields> expected = before;
                expected.append(SwitchTimeFields::of(added));
                QVERIFY(f.fields() == expected);
                record(expected);
                what = "insert";
            } else if (action <= 4) {
                const SwitchTimeFields& old = before.at(row);
                const QList<std::pair<int, QVariant>> writes{
                    {M::TypeRole, random.bounded(5)},
                    {M::StateRole, random.bounded(4)},
                    {M::StartDaysRole, random.bounded(2) ? random.bounded(256) : 2 << random.bounded(7)},
                    {M::StartTimeRole, at(random.bounded(2) ? old.endTime : random.bounded(86400))},
                    {M::EndTimeRole, at(random.bounded(2) ? old.startTime : random.bounded(86400))},
                    {M::PulsTimeRole, at(random.bounded(3))},
                    {M::EndDayRole, random.bounded(-1, 9)},
                    {M::EndlessRole, true},
                };
                const auto [role, value] = writes.at(random.bounded(writes.size()));
                const bool applied = f.write(row, value, role);
                QList<SwitchTimeFields> after = f.fields();
                for (int other = 0; other < rows; ++other) {
                    if (other != row)
                        QVERIFY(after.at(other) == before.at(other));
                }
                if (!applied)
                    QVERIFY(after == before);
                else if (after != before)
                    record(after);
                what = QString("write role %1 row %2").arg(role).arg(row);
            } else if (action == 5) {
                QSet<int> removed;
                for (int i = random.bounded(1, 4); i > 0; --i)
                    removed.insert(random.bounded(-1, rows + 1));
                f.model.removeSwitchTimes(removed);
                QList<SwitchTimeFields> expected;
                for (int r = 0; r < rows; ++r) {
                    if (!removed.contains(r))
                        expected.append(before.at(r));
                }
                QVERIFY(f.fields() == expected);
                if (expected != before)
                    record(expected);
                what = "remove";
            } else if (action == 6) {
                f.model.moveSwitchDays(row, random.bounded(256));
                if (f.fields() != before)
                    record(f.fields());
                f.model.clearEmptySwitches();
                if (f.fields().size() != f.model.count() || f.fields() != history.at(current))
                    record(f.fields());
                what = "move days and clear";
            } else if (action <= 8) {
                f.undo();
                current = std::max(current - 1, 0);
                what = "undo";
            } else {
                f.redo();
                current = std::min<int>(current + 1, history.size() - 1);
                what = "redo";
            }
            QVERIFY2(f.fields() == history.at(current),
                     qPrintable(QString("step %1 (%2): %3 instead of %4")
                                    .arg(step)
                                    .arg(what, describe(f.fields()), describe(history.at(current)))));
            QCOMPARE(f.model.canUndo(), current > 0);
            QCOMPARE(f.model.canRedo(), current < history.size() - 1);
        }
        while (f.model.canUndo())
            f.undo();
        QCOMPARE(f.model.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestSwitchTimeListModel)
#include "tst_switchtimelistmodel.moc"
