#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include "blefixture.h"

#include "sensorsaffectationcontroller.h"

#include <ble/frame.h>
#include <devicesim/sensorbank.h>

using Sensor = devicesim::SensorBank::Sensor;

namespace {

constexpr int FastRead = 10;
constexpr int FastWrite = 30;

} // namespace

// The sensors of the twilight model 74 (two channels) over the simulated link.
class TestSensorsAffectationController : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<BleFixture>(74);
        fixture->device->sensors().setSensors({{12, 0x01}, {85, 0x02}});
        QVERIFY(fixture->connectDevice());
        controller = std::make_unique<SensorsAffectationController>();
        controller->setIntervals(FastRead, FastWrite);
        tester = std::make_unique<QAbstractItemModelTester>(controller.get(),
                                                            QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    void cleanup()
    {
        tester.reset();
        controller.reset();
        fixture.reset();
    }

    void readsTheSensorsAndWritesTheStateReadBack()
    {
        QSignalSpy width(controller.get(), &SensorsAffectationController::channelNumberChanged);
        controller->startReading(2);
        QCOMPARE(width.size(), 0);
        QTRY_COMPARE(controller->rowCount(), 2);
        QTRY_COMPARE(row(1, SensorsAffectationController::LuxValueRole).toInt(), 85);
        QCOMPARE(row(0, SensorsAffectationController::SensorIndexRole).toInt(), 1);
        QCOMPARE(row(1, SensorsAffectationController::ChannelAffectationsRole).value<QList<bool>>(),
                 QList<bool>({false, true}));
        // The first reply is written back once.
        QTRY_COMPARE(sensors().assignmentWrites(), 1);
        waitForReads(3);
        QCOMPARE(sensors().assignmentWrites(), 1);
        QCOMPARE(controller->lowestLuxPerChannel(), QList<int>({12, 85}));
    }

    void theSensorCountFollowsTheDevice()
    {
        controller->startReading(2);
        QTRY_COMPARE(controller->rowCount(), 2);
        fixture->device->sensors().setSensors({{12, 0x01}, {85, 0x02}, {400, 0x03}});
        QTRY_COMPARE(controller->rowCount(), 3);
        QTRY_COMPARE(row(2, SensorsAffectationController::LuxValueRole).toInt(), 400);
        fixture->device->sensors().setSensors({});
        QTRY_COMPARE(controller->rowCount(), 0);
        QCOMPARE(controller->lowestLuxPerChannel(), QList<int>({999999999, 999999999}));
    }

    void twoChangesGiveOneWrite()
    {
        controller->startReading(2);
        QTRY_COMPARE(sensors().assignmentWrites(), 1);
        controller->setAffectations(0, {true, true});
        controller->setAffectations(1, {true, false});
        QTRY_COMPARE(fixture->device->sensors().sensors().at(1).mask, quint8(0x01));
        QCOMPARE(fixture->device->sensors().sensors().at(0).mask, quint8(0x03));
        QCOMPARE(sensors().assignmentWrites(), 2);
        waitForReads(3);
        QCOMPARE(sensors().assignmentWrites(), 2);
        QCOMPARE(controller->lowestLuxPerChannel(), QList<int>({12, 12}));
        // Out-of-range rows are ignored.
        controller->setAffectations(2, {true, true});
        controller->toggleSensorFlash(-1);
    }

    void aPendingAssignmentSurvivesReadsAndANewSensor()
    {
        controller->startReading(2);
        QTRY_COMPARE(sensors().assignmentWrites(), 1);
        controller->setIntervals(FastRead, 60000);
        controller->setAffectations(0, {false, true});
        fixture->device->sensors().setSensors({{20, 0x01}, {85, 0x02}, {400, 0x01}});
        QTRY_COMPARE(controller->rowCount(), 3);
        QTRY_COMPARE(row(0, SensorsAffectationController::LuxValueRole).toInt(), 20);
        // The reply changed only the lux values; the new row starts unassigned.
        QCOMPARE(row(0, SensorsAffectationController::ChannelAffectationsRole).value<QList<bool>>(),
                 QList<bool>({false, true}));
        QCOMPARE(row(2, SensorsAffectationController::ChannelAffectationsRole).value<QList<bool>>(),
                 QList<bool>({false, false}));
        controller->setIntervals(FastRead, FastWrite);
        controller->setAffectations(1, {false, true});
        QTRY_COMPARE(sensors().assignmentWrites(), 2);
        const QList<Sensor> expected{{20, 0x02}, {85, 0x02}, {400, 0x00}};
        QTRY_COMPARE(fixture->device->sensors().sensors(), expected);
    }

    void blinkingIsWrittenAtOnce()
    {
        controller->startReading(2);
        QTRY_COMPARE(sensors().assignmentWrites(), 1);
        QSignalSpy changed(controller.get(), &QAbstractItemModel::dataChanged);
        controller->toggleSensorFlash(1);
        QCOMPARE(changed.first().at(2).value<QList<int>>(), QList<int>({SensorsAffectationController::IsBlinkingRole}));
        QTRY_VERIFY(fixture->device->sensors().sensors().at(1).blinking);
        QVERIFY(row(1, SensorsAffectationController::IsBlinkingRole).toBool());
        controller->toggleSensorFlash(1);
        QTRY_VERIFY(!fixture->device->sensors().sensors().at(1).blinking);
    }

    void tooManySensorsAreReportedOnce()
    {
        fixture->device->sensors().setSensors({{1}, {2}, {3}, {4}, {5}});
        QSignalSpy tooMany(controller.get(), &SensorsAffectationController::tooManySensors);
        controller->startReading(2);
        QTRY_COMPARE(controller->rowCount(), 5);
        QTRY_COMPARE(row(4, SensorsAffectationController::LuxValueRole).toInt(), 5);
        waitForReads(3);
        QCOMPARE(tooMany.size(), 1);
    }

    void theSensorErrorIsReportedAndAccepted()
    {
        fixture->device->sensors().setError(true);
        QSignalSpy error(controller.get(), &SensorsAffectationController::sensorError);
        controller->startReading(2);
        QTRY_COMPARE(error.size(), 1);
        controller->acceptSensorError();
        QTRY_VERIFY(!fixture->device->sensors().hasError());
        // A reply of the wrong length reports nothing.
        QTest::ignoreMessage(QtWarningMsg, "Wrong sensor error reply");
        controller->onSensorsErrorRead({0, ble::Frame::build(0x3D, QByteArray::fromHex("0101"))});
        QCOMPARE(error.size(), 1);
    }

    void aReplyCutShortKeepsTheValues()
    {
        controller->startReading(2);
        QTRY_COMPARE(row(1, SensorsAffectationController::LuxValueRole).toInt(), 85);
        controller->stopReadTimer();
        QTest::ignoreMessage(QtWarningMsg, "There is not enough info for the sensors");
        controller->processSensorsInfo({0, ble::Frame::build(0x39, QByteArray::fromHex("02" "0a000001" "09"))});
        QCOMPARE(controller->rowCount(), 2);
        QCOMPARE(row(0, SensorsAffectationController::LuxValueRole).toInt(), 12);
        QCOMPARE(row(1, SensorsAffectationController::LuxValueRole).toInt(), 85);
    }

    void aSlowDeviceGetsOneReadAtATime()
    {
        // Each exchange takes longer than the read interval; the reads must not pile up.
        fixture->device->setConnectionInterval(std::chrono::milliseconds(20));
        controller->setIntervals(1, FastWrite);
        QSignalSpy changed(controller.get(), &QAbstractItemModel::dataChanged);
        controller->startReading(2);
        QTRY_VERIFY_WITH_TIMEOUT(changed.size() >= 5, 10000);
        // Another request waits behind the one read under way at most, not behind a queue of them.
        fixture->device->clearReceivedTelegrams();
        controller->acceptSensorError();
        QTRY_VERIFY(codes(fixture->device->receivedTelegrams()).contains(quint8(0xBE)));
        const QList<quint8> received = codes(fixture->device->receivedTelegrams());
        const auto readsBefore = std::count(received.cbegin(), received.cbegin() + received.indexOf(quint8(0xBE)),
                                            quint8(0x38));
        QVERIFY2(readsBefore <= 1, qPrintable(QString::number(readsBefore)));
    }

private:
    const devicesim::SensorBank& sensors() const { return fixture->device->sensors(); }

    QVariant row(int r, int role) const { return controller->index(r).data(role); }

    void waitForReads(int count)
    {
        QSignalSpy changed(controller.get(), &QAbstractItemModel::dataChanged);
        QTRY_VERIFY(changed.size() >= count);
    }

    std::unique_ptr<BleFixture> fixture;
    std::unique_ptr<SensorsAffectationController> controller;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

QTEST_MAIN(TestSensorsAffectationController)
#include "tst_sensorsaffectationcontroller.moc"
