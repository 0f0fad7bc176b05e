#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <network/gateway.h>

using network::Gateway;

class TestGateway : public QObject {
    Q_OBJECT

private slots:
    void fromListEntry_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("valid");
        QTest::newRow("complete") << QByteArray(R"({"name":"Halle 3","serial":"KQ-1001","type":"kq207m"})") << "Halle 3"
                                  << "KQ-1001"
                                  << "kq207m" << true;
        QTest::newRow("extra members") << QByteArray(R"({"name":"A","serial":"S","type":"t","online":true})") << "A"
                                       << "S"
                                       << "t" << true;
        QTest::newRow("no serial") << QByteArray(R"({"name":"A","type":"kq207m"})") << "A"
                                   << ""
                                   << "kq207m" << false;
        QTest::newRow("numbers") << QByteArray(R"({"name":7,"serial":1001,"type":null})") << ""
                                 << ""
                                 << "" << false;
        QTest::newRow("empty") << QByteArray("{}") << ""
                               << ""
                               << "" << false;
    }
    void fromListEntry()
    {
        QFETCH(QByteArray, json);
        const Gateway gateway(QJsonDocument::fromJson(json).object());
        QTEST(gateway.name(), "name");
        QTEST(gateway.serial(), "serial");
        QTEST(gateway.type(), "type");
        QTEST(gateway.isValid(), "valid");
    }

    void emptyGatewayIsInvalid() { QVERIFY(!Gateway().isValid()); }
};

QTEST_MAIN(TestGateway)
#include "tst_gateway.moc"
