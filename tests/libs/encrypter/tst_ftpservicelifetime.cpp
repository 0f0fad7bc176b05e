#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <encrypter/ftpservice.h>

#include "localinfofile.h"

using encrypter::FtpService;

// The service's worker thread lives exactly as long as the service: destroying the service
// ends a running transfer, stops the thread and waits for it.

namespace {

constexpr int Timeout = 30000;

int threadCount()
{
    return static_cast<int>(
        QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

} // namespace

class TestFtpServiceLifetime : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(info.write());
    }

    void createdAndDestroyedTenTimes()
    {
        const int threads = threadCount();
        const QString url = info.url();
        for (int round = 0; round < 10; ++round) {
            QVERIFY(!FtpService::hasInstance());
            auto service = std::make_unique<FtpService>();
            QCOMPARE(&FtpService::instance(), service.get());
            QCOMPARE(threadCount(), threads + 1);
            QList<QByteArray> answers;
            service->downloadFile(url, [&answers](const QByteArray& data) { answers.append(data); });
            QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 1, Timeout);
            QCOMPARE(answers.first(), LocalInfoFile::Content);
            service.reset();
            // The thread has finished; the system takes a moment to let it go.
            QTRY_COMPARE_WITH_TIMEOUT(threadCount(), threads, Timeout);
        }
        QVERIFY(!FtpService::hasInstance());
    }

    // A server that accepts and never greets: the transfer waits until the service goes.
    void destructionAbortsARunningTransfer()
    {
        const int threads = threadCount();
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        QSignalSpy connected(&silent, &QTcpServer::newConnection);
        bool answered = false;
        auto service = std::make_unique<FtpService>();
        service->downloadFile(QStringLiteral("ftp://127.0.0.1:%1/app/info.json").arg(silent.serverPort()),
                              [&answered](const QByteArray&) { answered = true; });
        service->downloadFile(QStringLiteral("ftp://127.0.0.1:%1/app/queued.json").arg(silent.serverPort()),
                              [&answered](const QByteArray&) { answered = true; });
        QVERIFY(connected.wait(Timeout));
        service.reset();
        QTRY_COMPARE_WITH_TIMEOUT(threadCount(), threads, Timeout);
        // Neither the aborted nor the queued job is answered.
        QCoreApplication::processEvents();
        QVERIFY(!answered);
    }

    void answersOfAGoneServiceAreDropped()
    {
        const QString url = info.url();
        bool answered = false;
        {
            FtpService service;
            for (int job = 0; job < 5; ++job)
                service.downloadFile(url, [&answered](const QByteArray&) { answered = true; });
        }
        QCoreApplication::processEvents();
        QVERIFY(!answered);
    }

private:
    LocalInfoFile info;
};

QTEST_GUILESS_MAIN(TestFtpServiceLifetime)
#include "tst_ftpservicelifetime.moc"
