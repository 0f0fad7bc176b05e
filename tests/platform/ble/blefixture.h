#pragma once

#include <QEventLoop>
#include <QSignalSpy>
#include <QTimer>
#include <QTest>

#include <ble/bledevice.h>
#include <ble/blerequestmanager.h>
#include <ble/blerequestresponse.h>
#include <ble/bleservice.h>
#include <ble/simulatedbackend.h>
#include <devices/deviceservice.h>
#include <devicesim/simulateddevice.h>

#include <memory>

// The codes of the frames a device received.
inline QList<quint8> codes(const QList<QByteArray>& frames)
{
    QList<quint8> list;
    for (const QByteArray& frame : frames)
        list.append(quint8(frame.at(1)));
    return list;
}

// The Bluetooth LE service and one simulated device of the model on the air, whose link runs as fast
// as the event loop and whose late replies come after every retry has timed out. Needs the device
// catalogue.
struct SimulatedLink {
    static constexpr int ReplyTimeout = 200;

    explicit SimulatedLink(int ot2)
    {
        service = std::make_unique<ble::BLEService>();
        ble::BLEService::m_instance = service.get();
        auto simulated = std::make_unique<ble::SimulatedBackend>();
        device = new devicesim::SimulatedDevice(devices::DeviceService::instance().deviceByOt2Number(ot2),
                                                QStringLiteral("100000001"), simulated.get());
        device->setConnectionInterval(std::chrono::microseconds(0));
        device->setLateReplyDelay(std::chrono::milliseconds((ble::BLERequestManager::MaxRetries + 2) * ReplyTimeout));
        simulated->addDevice(device);
        backend = simulated.get();
        service->setBackend(std::move(simulated));
        manager()->setReplyTimeout(ReplyTimeout);
    }

    ble::BLERequestManager* manager() const { return service->requestManager(); }

    bool connectDevice()
    {
        ble::BLEDevice found(backend->advertisement(device), QString());
        QSignalSpy ready(service.get(), &ble::BLEService::deviceReady);
        service->connectToDevice(&found);
        return ready.wait();
    }

    std::unique_ptr<ble::BLEService> service;
    ble::SimulatedBackend* backend = nullptr;
    devicesim::SimulatedDevice* device = nullptr;
};

// The device catalogue as the program's start-up makes it.
struct Catalogue {
    Catalogue()
    {
        devices::DeviceService::m_instance = &catalogue;
        catalogue.init(QStringLiteral(":/data/devices.json"));
    }
    ~Catalogue() { devices::DeviceService::m_instance = nullptr; }

    devices::DeviceService catalogue;
};

struct BleFixture : Catalogue, SimulatedLink {
    explicit BleFixture(int ot2)
        : SimulatedLink(ot2)
    {
    }
};

// Records what the request manager delivers, in order.
class Receiver : public QObject {
    Q_OBJECT

public:
    struct Call {
        QString slot;
        ble::BLERequestResponse response;
    };

    QList<Call> calls;
    int count(const QString& slot) const
    {
        return int(std::count_if(calls.cbegin(), calls.cend(), [&](const Call& c) { return c.slot == slot; }));
    }
    bool waitFor(const QString& slot, int times = 1, int timeout = 5000)
    {
        // An event loop of its own: polling would sleep between the packets.
        QEventLoop loop;
        connect(this, &Receiver::called, &loop, [&] {
            if (count(slot) >= times)
                loop.quit();
        });
        QTimer::singleShot(timeout, &loop, &QEventLoop::quit);
        if (count(slot) < times)
            loop.exec();
        return count(slot) >= times;
    }

signals:
    void called();

public slots:
    void onOk(const ble::BLERequestResponse& response) { record(QStringLiteral("ok"), response); }
    void onError(const ble::BLERequestResponse& response) { record(QStringLiteral("error"), response); }
    void onProgress(const ble::BLERequestResponse& response) { record(QStringLiteral("progress"), response); }
    void onDone(const ble::BLERequestResponse& response) { record(QStringLiteral("done"), response); }

private:
    void record(const QString& slot, const ble::BLERequestResponse& response)
    {
        calls.append({slot, response});
        emit called();
    }
};
