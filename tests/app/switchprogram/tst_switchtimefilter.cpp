#include "switchtimecontainer.h"
#include "switchtimefilter.h"
#include "switchtimelistmodel.h"
#include "switchtimesample.h"

#include <QTest>
#include <utils/wallclock.h>

using storage::SwitchTime;

namespace {
// Source rows in the order the filter shows them.
QList<int> order(const SwitchTimeFilter& filter) {
    QList<int> rows;
    for (int row = 0; row < filter.rowCount(); ++row)
        rows.append(filter.mapToSource(filter.index(row, 0)).row());
    return rows;
}
} // namespace

class TestSwitchTimeFilter : public QObject {
    Q_OBJECT

private slots:
    void ordersByTypeTimeStateAndPulse() {
        SwitchTimeListModel source;
        SwitchTimeListModel* model = &source;
        model->setSwitches({
            sample::impulse(2, 6 * 3600, 5),        // 0
            sample::switchTime(0, 1, 2, 23 * 3600), // 1
            sample::switchTime(0, 1, 2, 8 * 3600),  // 2
            sample::switchTime(0, 0, 2, 8 * 3600),  // 3
            sample::impulse(2, 6 * 3600, 2),        // 4
            sample::switchTime(3, 3, 2, 0, 4, 60),  // 5
            sample::cycle(2, 0, 8, 60),             // 6
            sample::impulse(2, 6 * 3600, 2),        // 7
        });
        // The model owns its sorted view.
        SwitchTimeFilter& filter = *new SwitchTimeFilter(model);
        filter.sort(0);
        QCOMPARE(order(filter), QList<int>({3, 2, 1, 4, 7, 0, 6, 5}));
        // A change of a row sorts again.
        QVERIFY(model->setData(model->index(1), utils::WallClock::todayAt(QTime(1, 0)),
                               SwitchTimeListModel::StartTimeRole));
        QCOMPARE(order(filter), QList<int>({1, 3, 2, 4, 7, 0, 6, 5}));
        model->insertSwitchTime(sample::switchTime(0, 0, 2, 0));
        QCOMPARE(order(filter).first(), 8);
    }

    // Sorted from the start: rows inserted into an empty model find their places too.
    void sortsRowsInsertedIntoAnEmptyModel() {
        SwitchTimeListModel source;
        SwitchTimeFilter& filter = *new SwitchTimeFilter(&source);
        source.insertSwitchTime(sample::impulse(2, 6 * 3600, 5));
        source.insertSwitchTime(sample::switchTime(0, 1, 2, 23 * 3600));
        QCOMPARE(order(filter), QList<int>({1, 0}));
        source.insertSwitchTime(sample::switchTime(0, 0, 2, 3600));
        QCOMPARE(order(filter), QList<int>({2, 1, 0}));
    }

    void theContainerHasNoData() {
        SwitchTimeContainer container;
        QCOMPARE(container.rowCount(), 0);
        QVERIFY(!container.data(container.index(0), Qt::UserRole + 1).isValid());
        QCOMPARE(container.roleNames().value(Qt::UserRole + 4), QByteArray("days"));
        QCOMPARE(container.roleNames().size(), 4);
    }
};

QTEST_GUILESS_MAIN(TestSwitchTimeFilter)
#include "tst_switchtimefilter.moc"
