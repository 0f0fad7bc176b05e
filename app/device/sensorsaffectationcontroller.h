#pragma once

#include "sensorinfo.h"

#include <QAbstractListModel>
#include <QList>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <ble/acceptsensorerrortelegram.h>
#include <ble/blerequestresponse.h>
#include <ble/readtelegram.h>
#include <ble/writesensortelegram.h>

namespace ble {
class BLERequestManager;
}

// The light sensors of a connected twilight switch: polls their lux values and assignments, lets
// the user assign them to channels and make one blink, writes the assignment back and reports a
// sensor error and more sensors than the device takes.
class SensorsAffectationController : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created in DirectCommandController")
    Q_PROPERTY(int channelNumber READ channelNumber NOTIFY channelNumberChanged)

public:
    enum Role {
        SensorIndexRole = Qt::UserRole + 1,
        LuxValueRole,
        IsBlinkingRole,
        ChannelAffectationsRole,
    };

    static constexpr int MaxSensors = 4;
    static constexpr int ReadInterval = 1000;
    static constexpr int WriteDelay = 500;
    static constexpr int NoSensorLux = 999999999;

    explicit SensorsAffectationController(QObject* parent = nullptr);
    ~SensorsAffectationController() override;

    int channelNumber() const { return m_channelNumber; }
    // Tests shorten the intervals.
    void setIntervals(int readInterval, int writeDelay);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    void startReading(int channels);
    void acceptSensorError();
    // Per channel the lowest lux value of the sensors assigned to it; NoSensorLux for none.
    QList<int> lowestLuxPerChannel() const;
    void stopReadTimer();

public slots:
    void readSensorsInfo();
    void setAffectations(int sensorIndex, const QList<bool>& affectations);
    void toggleSensorFlash(int sensorIndex);

    void processSensorsInfo(const ble::BLERequestResponse& response);
    void onSensorDataWritten(const ble::BLERequestResponse& response);
    void onSensorsErrorRead(const ble::BLERequestResponse& response);
    void onSensorErrorAccepted(const ble::BLERequestResponse& response);

signals:
    void channelNumberChanged(int channelNumber);
    void tooManySensors();
    void sensorError();

private slots:
    void writeSensorsInfo();

private:
    // New rows for count sensors; those that remain keep the user's assignment while it waits.
    void resizeRows(int count);
    void takeSensors(const QByteArray& reply, int count);

    QList<SensorInfo> m_rows;
    ble::BLERequestManager* m_manager;
    ble::ReadTelegram m_infoTelegram;
    ble::ReadTelegram m_errorTelegram;
    ble::WriteSensorTelegram m_writeTelegram;
    ble::AcceptSensorErrorTelegram m_acceptTelegram;
    QTimer m_readTimer;
    QTimer m_writeTimer;
    int m_channelNumber = 2;
    bool m_firstWrite = false;
    bool m_userWrite = false;
    bool m_tooManyReported = false;
    bool m_readPending = false;
    bool m_reading = false;
};
