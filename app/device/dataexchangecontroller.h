#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <ble/blerequestresponse.h>
#include <ble/projectnametelegram.h>
#include <ble/readactivebankaddress.h>
#include <ble/readtelegram.h>
#include <devices/device.h>
#include <devices/ot2file.h>

namespace ble {
class BLEDevice;
class BLERequestManager;
class BLEService;
} // namespace ble

namespace devices {
class EepromService;
}

class ExportableProject;
class ReadProjectOwner;

// One transfer between the program and the connected device: writing a project into the device's
// memory (export) or reading the device's image back as a new project (import), with progress,
// the device's project name and, for models that keep a location, its city. Every end of a
// transfer (finished, failed, aborted) disconnects the device DisconnectDelay later, even when the
// controller is destroyed before.
class DataExchangeController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created in DeviceScanController")
    Q_PROPERTY(QObject* project READ project CONSTANT)
    Q_PROPERTY(double progression READ progression NOTIFY progressionChanged)
    Q_PROPERTY(QString logs READ logs NOTIFY logsChanged)
    Q_PROPERTY(QString projectName READ projectName WRITE setProjectName NOTIFY projectNameChanged)
    Q_PROPERTY(QString errorString READ errorString NOTIFY errorStringChanged)

public:
    static constexpr int DisconnectDelay = 300;
    // The city reply: 9 bytes, '3' in byte 1, the city key in bytes 5 and 6.
    static constexpr int CityReplySize = 9;

    // owner takes the project of an import.
    explicit DataExchangeController(int deviceOt2Number, ReadProjectOwner* owner = nullptr, QObject* parent = nullptr);
    ~DataExchangeController() override;

    QObject* project() const { return m_project; }
    double progression() const { return m_progression; }
    QString logs() const;
    QString projectName() const { return m_projectName; }
    // Why the last transfer failed; empty after success.
    QString errorString() const { return m_errorString; }
    int totalSteps() const { return m_totalSteps; }
    int stepsDone() const { return m_stepsDone; }

    // The progress steps (packets) of a transfer of n bytes with packets of the divisor's size: over
    // the internal module ceil(n / (divisor - 5)); without it, per 69-byte chunk ceil(chunk /
    // divisor). 0 when nothing is to be sent or the divisor leaves no room.
    static int progressSteps(int n, int divisor, bool withoutModule);
    // The name of a project read from a device that names none: "Import_" and the local time.
    static QString importName();

public slots:
    // project: an ExportableProject (the project controller); without one the export fails.
    void exportProject(QObject* project, bool fullExport);
    void importProject();
    void readAdditionalInfo();
    void sendProjectNameTelegram();
    // Hands the imported project, with the device's city, to the owner under the name; false,
    // with the error string set, when the owner could not store it.
    bool openReadProject(const QString& name);
    void setProjectName(const QString& name);

    void onEepWritten(const ble::BLERequestResponse& response);
    void onDataImported(const ble::BLERequestResponse& response);
    void onIntermediaryWrite(const ble::BLERequestResponse& response);
    void onEepWriteError(const ble::BLERequestResponse& response);
    void onRequestAborted();
    void onProjectNameRead(const ble::BLERequestResponse& response);
    void onProjectNameReadError(const ble::BLERequestResponse& response);
    void onProjectNameWritten(const ble::BLERequestResponse& response);
    void onProjectNameWrittenError(const ble::BLERequestResponse& response);
    void onLocationRead(const ble::BLERequestResponse& response);
    void onLocationReadError(const ble::BLERequestResponse& response);

signals:
    void progressionChanged(double progression);
    void logsChanged(const QString& logs);
    void writeFinished(bool success);
    void importFinished(bool success);
    void requestAborted();
    void projectNameChanged(const QString& projectName);
    void errorStringChanged();

private:
    // False, with the transfer ended, when a service the transfer needs is missing.
    bool begin();
    int packetSize() const;
    void readImage(int start, int size);
    void onBankRead(bool ok, int size);
    void finishWrite(bool success, const QString& error = {});
    void finishImport(bool success, const QString& error = {});
    void abort(const QString& error);
    // The error, with the warning that the device now holds no valid program when a write into
    // its only bank broke off.
    QString writeError(const QString& error) const;
    // Ends the transfer under way; false when none was.
    bool end(const QString& error);
    void setErrorString(const QString& error);
    // The link the transfer ran on ends, unless another one has been made since.
    static void disconnectIfStill(ble::BLEService* service, ble::BLEDevice* device);
    void log(const QString& line) const;
    void warn(const QString& line) const;

    devices::EepromService* m_eepromService = nullptr;
    QPointer<ble::BLERequestManager> m_requestManager;
    QPointer<ble::BLEService> m_bleService;
    ble::ProjectNameTelegram m_nameTelegram;
    ble::ReadTelegram m_cityTelegram;
    ble::ReadActiveBankAddress m_bankTelegram;
    QPointer<QObject> m_project;
    devices::Device m_device;
    QByteArray m_image;
    QString m_projectName;
    QByteArray m_cityReply;
    double m_progression = 0;
    int m_totalSteps = 0;
    int m_stepsDone = 0;
    bool m_fullExport = false;

    ReadProjectOwner* m_owner;
    devices::Ot2File m_readFile;
    QString m_errorString;
    bool m_running = false;
    // A write under way into the only bank: the device runs no valid program until it ends.
    bool m_writingInPlace = false;
    QTimer m_disconnect;
    QPointer<ble::BLEDevice> m_endedLink;
};
