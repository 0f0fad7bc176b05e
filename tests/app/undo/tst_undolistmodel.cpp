#include "insertcommand.h"
#include "removecommand.h"
#include "undolistmodel.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// A record handle: copies share the value, equality is identity.
struct Item {
    std::shared_ptr<int> value = std::make_shared<int>(0);
    bool operator==(const Item& other) const { return value == other.value; }
};

Item item(int value) {
    Item made;
    *made.value = value;
    return made;
}

// The smallest undoable list: one undoable value role and one that is written directly.
class ItemModel : public UndoListModel {
public:
    static constexpr int ValueRole = Qt::UserRole + 1;
    static constexpr int PlainRole = Qt::UserRole + 2;

    ItemModel() {
        setUndoableRoles({ValueRole});
        setClock([this] { return now; });
    }

    int rowCount(const QModelIndex& = QModelIndex()) const override { return static_cast<int>(items.size()); }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!isRowValid(index.row()) || (role != ValueRole && role != PlainRole))
            return {};
        return *items.at(index.row()).value;
    }
    QHash<int, QByteArray> roleNames() const override { return {{ValueRole, "value"}, {PlainRole, "plain"}}; }
    bool setDataInternal(const QModelIndex& index, const QVariant& value, int role) override {
        // Negative values are refused.
        if (!isRowValid(index.row()) || value.toInt() < 0 || (role != ValueRole && role != PlainRole))
            return false;
        *items[index.row()].value = value.toInt();
        emit dataChanged(index, index, {role});
        return true;
    }
    QVariant recordAt(int row) const override {
        return isRowValid(row) ? QVariant::fromValue(items.at(row).value) : QVariant();
    }
    int rowOfRecord(const QVariant& record) const override {
        const auto value = record.value<std::shared_ptr<int>>();
        for (int row = 0; row < rowCount(); ++row) {
            if (items.at(row).value == value)
                return row;
        }
        return -1;
    }

    void insert(int value) { push(new InsertCommand<Item>(this, &items, item(value))); }
    void remove(const QSet<int>& rows) { push(new RemoveCommand<Item>(this, &items, rows)); }
    QList<int> values() const {
        QList<int> result;
        for (const Item& i : items)
            result.append(*i.value);
        return result;
    }
    bool write(int row, int value) { return setData(index(row), value, ValueRole); }

    QList<Item> items;
    qint64 now = 1000;
};

} // namespace

class TestUndoListModel : public QObject {
    Q_OBJECT

private slots:
    void sameValueRecordsNothing() {
        ItemModel model;
        model.insert(5);
        model.clear();
        QVERIFY(model.write(0, 5));
        QVERIFY(!model.canUndo());
        QVERIFY(model.write(0, 6));
        QVERIFY(model.canUndo());
    }

    void refusedWriteRecordsNothing() {
        ItemModel model;
        model.insert(5);
        model.clear();
        QVERIFY(!model.write(0, -1));
        QVERIFY(!model.write(3, 1));
        QVERIFY(!model.canUndo());
        QCOMPARE(model.values(), QList<int>({5}));
    }

    void writesOfOtherRolesAreNotRecorded() {
        ItemModel model;
        model.insert(5);
        model.clear();
        QVERIFY(model.setData(model.index(0), 7, ItemModel::PlainRole));
        QCOMPARE(model.values(), QList<int>({7}));
        QVERIFY(!model.canUndo());
    }

    void undoAndRedoOfAWrite() {
        ItemModel model;
        model.insert(1);
        QVERIFY(model.write(0, 2));
        model.undo();
        QCOMPARE(model.values(), QList<int>({1}));
        model.now += 200;
        model.redo();
        QCOMPARE(model.values(), QList<int>({2}));
    }

    void undoFindsItsRecordWhereverItMoved() {
        ItemModel model;
        model.insert(1);
        model.insert(2);
        QVERIFY(model.write(1, 7));
        model.items.swapItemsAt(0, 1);
        model.undo();
        QCOMPARE(model.values(), QList<int>({2, 1}));
        model.items.clear();
        model.now += 200;
        model.redo();
        model.undo();
        QVERIFY(model.items.isEmpty());
    }

    void writesRightAfterAnUndoAreNotRecorded_data() {
        QTest::addColumn<qint64>("delay");
        QTest::addColumn<bool>("recorded");
        QTest::addRow("50 ms") << qint64(50) << false;
        QTest::addRow("exactly 100 ms") << qint64(100) << false;
        QTest::addRow("101 ms") << qint64(101) << true;
        QTest::addRow("150 ms") << qint64(150) << true;
    }

    void writesRightAfterAnUndoAreNotRecorded() {
        QFETCH(qint64, delay);
        QFETCH(bool, recorded);
        ItemModel model;
        model.insert(1);
        model.write(0, 2);
        model.undo();
        model.now += delay;
        if (!recorded)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(">> Ignored setting.*3.*value"));
        QVERIFY(model.write(0, 3));
        QCOMPARE(model.values(), QList<int>({3}));
        QCOMPARE(model.canRedo(), !recorded);
    }

    void writesBeforeAnyUndoAreRecorded() {
        ItemModel model;
        model.now = 0;
        model.insert(1);
        QVERIFY(model.write(0, 2));
        QVERIFY(model.canUndo());
        model.undo();
        QCOMPARE(model.values(), QList<int>({1}));
    }

    void undoOfAnInsertRemovesItsRow() {
        ItemModel model;
        model.insert(1);
        model.insert(2);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy updated(&model, &UndoListModel::listUpdated);
        model.undo();
        QCOMPARE(model.values(), QList<int>({1}));
        QCOMPARE(removed.size(), 1);
        QCOMPARE(removed.first().at(1).toInt(), 1);
        QCOMPARE(updated.size(), 1);
        model.redo();
        QCOMPARE(model.values(), QList<int>({1, 2}));
    }

    void undoOfAnInsertOnAnEmptiedListDoesNothing() {
        ItemModel model;
        model.insert(1);
        model.items.clear();
        model.undo();
        QVERIFY(model.items.isEmpty());
        model.redo();
        QCOMPARE(model.values(), QList<int>({1}));
    }

    void removalOfSeveralRowsRestoresTheOrder() {
        ItemModel model;
        for (int v = 0; v < 6; ++v)
            model.insert(v);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        model.remove({1, 4, 2});
        QCOMPARE(model.values(), QList<int>({0, 3, 5}));
        QCOMPARE(reset.size(), 1);
        QCOMPARE(removed.size(), 0);
        model.undo();
        QCOMPARE(model.values(), QList<int>({0, 1, 2, 3, 4, 5}));
        QCOMPARE(reset.size(), 2);
        model.redo();
        QCOMPARE(model.values(), QList<int>({0, 3, 5}));
    }

    void removalOfOneRowUsesRowNotifications() {
        ItemModel model;
        for (int v = 0; v < 3; ++v)
            model.insert(v);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.remove({1});
        model.undo();
        QCOMPARE(model.values(), QList<int>({0, 1, 2}));
        QCOMPARE(reset.size(), 0);
        QCOMPARE(removed.size(), 1);
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(inserted.first().at(1).toInt(), 1);
    }

    void aMacroIsOneStep() {
        ItemModel model;
        model.insert(1);
        model.clear();
        model.beginMacro();
        model.insert(2);
        model.write(0, 5);
        model.remove({1});
        model.endMacro();
        QCOMPARE(model.values(), QList<int>({5}));
        model.undo();
        QCOMPARE(model.values(), QList<int>({1}));
        QVERIFY(!model.canUndo());
        model.now += 200;
        model.redo();
        QCOMPARE(model.values(), QList<int>({5}));
    }

    void stackStateIsPublished() {
        ItemModel model;
        QSignalSpy canUndo(&model, &UndoListModel::canUndoChanged);
        QSignalSpy clean(&model, &UndoListModel::cleanChanged);
        model.insert(1);
        QCOMPARE(canUndo.size(), 1);
        QVERIFY(!model.isClean());
        model.setClean();
        QVERIFY(model.isClean());
        QCOMPARE(clean.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestUndoListModel)
#include "tst_undolistmodel.moc"
