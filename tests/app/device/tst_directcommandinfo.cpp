#include <QAbstractItemModelTester>
#include <QJsonObject>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include "directcommandinfo.h"
#include "directcommandinfocontainer.h"

// The channel lines of the direct-command view and their list model.
class TestDirectCommandInfo : public QObject {
    Q_OBJECT

private slots:
    void aNewItemShowsDashes()
    {
        DirectCommandInfo withLux(3, -1, -1, true);
        QCOMPARE(withLux.formattedInfo(), QStringList({"C3", "-", "-", "-", "-", "-"}));
        DirectCommandInfo plain(1, -1, -1, false);
        QCOMPARE(plain.formattedInfo(), QStringList({"C1", "-", "-", "-", "-"}));
        QVERIFY(!plain.showOperatingTimeInRed());
    }

    void modeTexts_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");
        QTest::newRow("automatic") << 0 << "Auto";
        QTest::newRow("1 is random 2") << 1 << "Zufall 2";
        QTest::newRow("2 is random 1") << 2 << "Zufall 1";
        QTest::newRow("timer") << 5 << "Timer";
        QTest::newRow("manual") << 7 << "Handschaltung";
        QTest::newRow("permanent") << 8 << "Dauer";
        QTest::newRow("astro") << 10 << "Astro";
        QTest::newRow("lux") << 13 << "Lux";
        QTest::newRow("past the table") << 14 << "-";
        QTest::newRow("not read") << -1 << "-";
    }

    void modeTexts()
    {
        QFETCH(int, mode);
        QFETCH(QString, text);
        DirectCommandInfo info(1, 1, 0, false);
        info.setMode(mode);
        QCOMPARE(info.formattedInfo().at(2), text);
    }

    void stateAndLuxTexts()
    {
        DirectCommandInfo info(2, -1, -1, true);
        QSignalSpy texts(&info, &DirectCommandInfo::formattedInfoChanged);
        info.setState(0);
        QCOMPARE(info.formattedInfo().at(1), QStringLiteral("Aus"));
        info.setState(1);
        QCOMPARE(info.formattedInfo().at(1), QStringLiteral("Ein"));
        info.setLuxValue(0);
        QCOMPARE(info.formattedInfo().at(5), QStringLiteral("0 lx"));
        info.setLuxValue(DirectCommandInfo::NoLux);
        QCOMPARE(info.formattedInfo().at(5), QStringLiteral("-"));
        QCOMPARE(texts.size(), 4);
        // Unchanged values signal nothing.
        info.setState(1);
        QCOMPARE(texts.size(), 4);
    }

    void operatingTimeTurnsRedPastTheServiceInterval()
    {
        DirectCommandInfo info(1, -1, -1, false);
        QSignalSpy red(&info, &DirectCommandInfo::showOperatingTimeInRedChanged);
        // Without an interval read no time is overdue.
        info.setOperatingTime(1200);
        QVERIFY(!info.showOperatingTimeInRed());
        // The red flag changes before the value's own signal.
        QStringList order;
        connect(&info, &DirectCommandInfo::showOperatingTimeInRedChanged, this, [&] { order << "red"; });
        connect(&info, &DirectCommandInfo::serviceTimeChanged, this, [&] { order << "service"; });
        info.setServiceTime(1000);
        QVERIFY(info.showOperatingTimeInRed());
        QCOMPARE(order, QStringList({"red", "service"}));
        QCOMPARE(info.formattedInfo().mid(3), QStringList({"1200", "1000"}));
        info.setServiceTime(1200);
        QVERIFY(!info.showOperatingTimeInRed());
        QCOMPARE(red.size(), 2);
    }

    void containerRowsAndJson()
    {
        DirectCommandInfoContainer container;
        QAbstractItemModelTester tester(&container, QAbstractItemModelTester::FailureReportingMode::QtTest);
        container.insertItems(2, false);
        QCOMPARE(container.rowCount(), 2);
        QCOMPARE(container.roleNames().value(257), QByteArray("self"));
        auto* first = container.index(0).data(257).value<DirectCommandInfo*>();
        QVERIFY(first);
        QCOMPARE(first->channel(), 1);
        QVERIFY(!container.index(0).data(Qt::DisplayRole).isValid());
        QVERIFY(!container.index(5).data(257).isValid());
        const QJsonArray json = container.jsonDeviceInfo();
        QCOMPARE(json.size(), 2);
        for (const QJsonValue& line : json) {
            const QJsonObject object = line.toObject();
            QCOMPARE(object.size(), 4);
            for (const char* key : {"state", "mode", "operatingTime", "serviceTime"})
                QCOMPARE(object.value(QLatin1String(key)).toString(), QStringLiteral("-"));
        }
    }

    void oldRowsLeaveBeforeTheirItemsGo()
    {
        DirectCommandInfoContainer container;
        QAbstractItemModelTester tester(&container, QAbstractItemModelTester::FailureReportingMode::QtTest);
        container.insertItems(3, true);
        QList<QPointer<DirectCommandInfo>> alive;
        connect(&container, &QAbstractItemModel::rowsAboutToBeRemoved, this, [&](const QModelIndex&, int from, int to) {
            for (int row = from; row <= to; ++row)
                alive.append(container.index(row).data(257).value<DirectCommandInfo*>());
        });
        QSignalSpy removed(&container, &QAbstractItemModel::rowsRemoved);
        QSignalSpy inserted(&container, &QAbstractItemModel::rowsInserted);
        container.insertItems(2, true);
        QCOMPARE(removed.size(), 1);
        QCOMPARE(alive.size(), 3);
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(inserted.first().at(2).toInt(), 1);
        QTRY_VERIFY(std::none_of(alive.cbegin(), alive.cend(), [](const auto& item) { return bool(item); }));
        alive.clear();
        container.clear();
        QCOMPARE(removed.size(), 2);
        QCOMPARE(alive.size(), 2);
        QCOMPARE(container.rowCount(), 0);
    }

    void updatesFindTheirChannel()
    {
        DirectCommandInfoContainer container;
        container.insertItems(2, false);
        container.updateChannelStates({{2, 1, 8, 0}, {9, 1, 7, 0}});
        QCOMPARE(container.item(1)->state(), 1);
        QCOMPARE(container.item(1)->mode(), 8);
        QCOMPARE(container.item(0)->mode(), -1);
        container.updateOperatingTimes({{1, -1, -1, 1200.9}});
        QCOMPARE(container.item(0)->operatingTime(), 1200);
        container.updateServiceTimes({1000, 2000, 3000});
        QCOMPARE(container.item(1)->serviceTime(), 2000);
        QVERIFY(container.item(0)->showOperatingTimeInRed());
        container.updateLuxValues({12});
        QCOMPARE(container.item(0)->luxValue(), 12);
        QCOMPARE(container.item(1)->luxValue(), DirectCommandInfo::NoLux);
        QCOMPARE(container.jsonDeviceInfo().at(1).toObject().value("mode").toString(), QStringLiteral("Dauer"));
    }
};

QTEST_MAIN(TestDirectCommandInfo)
#include "tst_directcommandinfo.moc"
