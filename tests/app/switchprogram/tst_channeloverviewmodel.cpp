#include "channeloverviewmodel.h"

#include <QTest>

class TestChannelOverviewModel : public QObject {
    Q_OBJECT

private:
    static QString text(const ChannelOverviewModel& model, int row, int column) {
        return model.data(model.index(row, column)).toString();
    }

private slots:
    void extensionColumnsFollowTheChannels() {
        ChannelOverviewModel model(2, true);
        QCOMPARE(model.rowCount(), 7);
        QCOMPARE(model.columnCount(), 6);
        for (int column = 0; column < 6; ++column)
            QCOMPARE(model.headerData(column, Qt::Horizontal).toInt(), column + 1);
        QCOMPARE(model.headerData(2, Qt::Vertical).toInt(), 3);
        QCOMPARE(model.roleNames().value(Qt::DisplayRole), QByteArray("display"));
        QCOMPARE(model.columnOfChannel(5), 3);
        QCOMPARE(model.columnOfChannel(3), -1);
        model.setSignalingTo(6, 0);
        QCOMPARE(text(model, ChannelOverviewModel::FunctionRow, 3), QStringLiteral("Signalisierung"));
        QCOMPARE(text(model, ChannelOverviewModel::SignalingRow, 0), QStringLiteral("Kanal 6"));
    }

    void signalingTargetKeepsItsMark() {
        ChannelOverviewModel model(2, false);
        model.setSignalingTo(2, 0);
        model.setChannelFunction(1, 1);
        QCOMPARE(text(model, ChannelOverviewModel::FunctionRow, 1), QStringLiteral("Signalisierung"));
        model.setChannelFunction(1, 0);
        QCOMPARE(text(model, ChannelOverviewModel::FunctionRow, 0), QStringLiteral("Astroprogramm"));
    }

    void targetsOutsideTheChannelsShowNone_data() {
        QTest::addColumn<int>("target");
        QTest::newRow("above") << 5;
        QTest::newRow("below") << -3;
    }

    void targetsOutsideTheChannelsShowNone() {
        QFETCH(int, target);
        ChannelOverviewModel model(2, false);
        model.setSignalingTo(target, 0);
        QCOMPARE(text(model, ChannelOverviewModel::SignalingRow, 0), QStringLiteral("-"));
        QCOMPARE(text(model, ChannelOverviewModel::FunctionRow, 0), QStringLiteral("Zeitschaltprogramm"));
        QCOMPARE(text(model, ChannelOverviewModel::FunctionRow, 1), QStringLiteral("Zeitschaltprogramm"));
        model.setMemoryUsed(3, 9);
        QCOMPARE(model.data(model.index(ChannelOverviewModel::MemoryRow, 1)).toInt(), 0);
    }

    void texts_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("value");
        QTest::addColumn<QVariant>("shown");
        QTest::newRow("holiday 1") << int(ChannelOverviewModel::HolidayRow) << 1 << QVariant("Aktiv");
        QTest::newRow("holiday 2") << int(ChannelOverviewModel::HolidayRow) << 2 << QVariant("Aktiv");
        QTest::newRow("holiday 3") << int(ChannelOverviewModel::HolidayRow) << 3 << QVariant("-");
        QTest::newRow("input 0") << int(ChannelOverviewModel::ExternalInputRow) << 0 << QVariant("-");
        QTest::newRow("push button") << int(ChannelOverviewModel::ExternalInputRow) << 1
                                     << QVariant("Taster");
        QTest::newRow("switch") << int(ChannelOverviewModel::ExternalInputRow) << 2 << QVariant("Schalter");
        QTest::newRow("memory") << int(ChannelOverviewModel::MemoryRow) << 17 << QVariant(17);
        QTest::newRow("extra programs") << int(ChannelOverviewModel::ExtraProgramRow) << 2 << QVariant(2);
        QTest::newRow("service") << int(ChannelOverviewModel::ServiceRow) << 500 << QVariant(500);
        QTest::newRow("function 5") << int(ChannelOverviewModel::FunctionRow) << 5 << QVariant("-");
    }

    void texts() {
        QFETCH(int, row);
        QFETCH(int, value);
        QFETCH(QVariant, shown);
        ChannelOverviewModel model(1, false);
        const QHash<int, std::function<void(int, int)>> setters{
            {ChannelOverviewModel::FunctionRow, [&](int v, int c) { model.setChannelFunction(v, c); }},
            {ChannelOverviewModel::MemoryRow, [&](int v, int c) { model.setMemoryUsed(v, c); }},
            {ChannelOverviewModel::ExtraProgramRow, [&](int v, int c) { model.setExtraProgramUsed(v, c); }},
            {ChannelOverviewModel::HolidayRow, [&](int v, int c) { model.setHoliday(v, c); }},
            {ChannelOverviewModel::ExternalInputRow, [&](int v, int c) { model.setExternalInput(v, c); }},
            {ChannelOverviewModel::ServiceRow, [&](int v, int c) { model.setServiceInterval(v, c); }},
        };
        setters.value(row)(value, 0);
        QCOMPARE(model.data(model.index(row, 0)), shown);
        QVERIFY(!model.data(model.index(row, 0), Qt::EditRole).isValid());
    }
};

QTEST_MAIN(TestChannelOverviewModel)
#include "tst_channeloverviewmodel.moc"
