#pragma once

#include <utils/singleton.h>

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QString>
#include <QTimer>

#include <functional>

class QIODevice;

namespace serial {

// The serial programming link to a time switch (docs/serial-protocol.md): reads the project of
// the active bank, writes a project or a device language. One operation at a time; everything
// runs on the line's readyRead and a reply timer, never blocking the caller's thread.
class SerialProtocol : public QObject, public utils::Singleton<SerialProtocol> {
    Q_OBJECT
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    Q_PROPERTY(bool adapterPresent READ adapterPresent NOTIFY adapterPresentChanged)
    // A program write into a model's only bank broke off after it began: the device holds no
    // valid program until one is written again. Read when an operation ends.
    Q_PROPERTY(bool programLost READ programLost NOTIFY busyChanged)

public:
    enum SerialError {
        NoError = 0,
        ReadErrorEmpty,
        ReadErrorLanguage,
        ReadError,
        InvalidDataError,
        WriteError,
        BadBehaviorError,
        LedOffError,
        LedOnError,
        PortClosingError,
        PortOpeningError,
        PortFindingError,
        OperationAborted,
        EmptyDataError, // a write of no bytes: the memory service refused the project
    };
    Q_ENUM(SerialError)

    static constexpr int ReplyTimeoutMs = 1000;

    inline static SerialProtocol* m_instance = nullptr;

    explicit SerialProtocol(QObject* parent = nullptr);
    ~SerialProtocol() override;

    // The port named by the program's setting; the environment variable still wins.
    void setPortOverride(const QString& portName);
    // A line to use instead of a port (tests); it stays open and belongs to the caller. Null
    // goes back to the port.
    void setDevice(QIODevice* line);

    Q_INVOKABLE void readProgramAsync();
    Q_INVOKABLE void writeProgramAsync(const QByteArray& bytes);
    Q_INVOKABLE void writeDataAsync(const QByteArray& bytes);
    Q_INVOKABLE void abortOperation();

    double progress() const { return m_progress; }
    bool busy() const { return m_operation != None; }
    bool programLost() const { return m_programLost; }
    // Whether an adapter (or an override's port, or a line handed in) is there now.
    bool adapterPresent() const;

signals:
    void progressChanged(double progress);
    void busyChanged(bool busy);
    void adapterPresentChanged();
    // The memory transfer begins: the progress counts from here.
    void startProgress();
    void operationFinished();
    void operationError(serial::SerialProtocol::SerialError err);
    // An operation was asked for while another ran: nothing was started, the running one goes on.
    void operationRefused();
    // A project image read from the device, and the device's OT2 number.
    void openProject(const QByteArray& data, int ot2Number);

private:
    enum Operation { None, ReadProgram, WriteProgram, WriteLanguage };

    struct Request {
        quint8 code = 0;
        QByteArray payload;
        SerialError refusal = BadBehaviorError;  // the error when the device answers with an error frame
        // What the reply means: NoError to go on, else the error that ends the operation.
        std::function<SerialError(const QByteArray&)> take;
        bool step = false;                        // counts for the progress
    };

    void start(Operation operation, const QByteArray& bytes);
    bool openLine();
    void closeLine();
    void request(quint8 code, const QByteArray& payload, SerialError refusal,
                 std::function<SerialError(const QByteArray&)> take, bool step = false);
    void sendNext();
    void readLine();
    void replyTimedOut();
    SerialError identified(int ot2, int activeBank);
    void queueTransfer(int ot2, int activeBank);
    void queueRead(int start, int size);
    void skipRemainingReads();
    void queueWrite(int start);
    void completeRead();
    void finish();
    void fail(SerialError error);
    void end();
    void setProgress(double progress);

    QString m_portOverride;
    QPointer<QIODevice> m_injected;
    QIODevice* m_line = nullptr;
    bool m_ownLine = false;
    Operation m_operation = None;
    QByteArray m_data;
    int m_ot2 = 0;
    QQueue<Request> m_requests;
    Request m_current;
    bool m_waiting = false;
    QByteArray m_buffer;
    QTimer m_replyTimer;
    int m_steps = 0;
    int m_stepsDone = 0;
    bool m_writesInPlace = false;
    bool m_programLost = false;
    double m_progress = 0;
};

} // namespace serial
