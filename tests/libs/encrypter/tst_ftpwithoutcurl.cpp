#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <encrypter/ftpservice.h>

#include "localinfofile.h"

using encrypter::FtpFileInfo;
using encrypter::FtpService;

// libcurl is opened at the first transfer. When it cannot be opened or lacks a function, every
// job is answered as a failed transfer, with a warning that names the library, and no target
// file is left behind. The jobs ask for a local file and folder that a working libcurl would
// serve.

namespace {

constexpr int Timeout = 30000;
const QString MissingLibrary = QStringLiteral("libcurl-absent.so.4");
// Loaded in every Qt program, and without any of libcurl's functions.
const QString OtherLibrary = QStringLiteral("libQt6Core.so.6");

enum class Job { Download, DownloadIntoFile, Listing };

} // namespace

class TestFtpWithoutCurl : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(info.write());
    }

    void everyJobFails_data()
    {
        QTest::addColumn<QString>("library");
        QTest::addColumn<Job>("job");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("error");
        const QString missing = MissingLibrary + QStringLiteral(" cannot be opened");
        QTest::newRow("download") << MissingLibrary << Job::Download << "DOWNLOADFILE" << missing;
        QTest::newRow("download into a file")
            << MissingLibrary << Job::DownloadIntoFile << "DOWNLOADINFILE" << missing;
        QTest::newRow("listing") << MissingLibrary << Job::Listing << "LISTDIRECTORY" << missing;
        QTest::newRow("not libcurl") << OtherLibrary << Job::DownloadIntoFile << "DOWNLOADINFILE"
                                     << OtherLibrary + QStringLiteral(" lacks curl_global_init");
    }

    void everyJobFails()
    {
        QFETCH(QString, library);
        QFETCH(Job, job);
        QFETCH(QString, operation);
        QFETCH(QString, error);
        const QString target = info.filePath(QStringLiteral("copy.json"));
        QFile::remove(target);
        const QString file = job == Job::Listing ? QString() : QStringLiteral("info.json");
        const QString url = QUrl::fromLocalFile(info.filePath(file)).toString();
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("FTP %1 .* finished with error %2")
                                                    .arg(operation, QRegularExpression::escape(error))));
        FtpService service(library);
        QList<QByteArray> answers;
        QList<qsizetype> listings;
        if (job == Job::Listing) {
            service.listDirectory(
                url, [&listings](const QList<FtpFileInfo>& entries) { listings.append(entries.size()); },
                FtpFileInfo::All);
            QTRY_COMPARE_WITH_TIMEOUT(listings.size(), 1, Timeout);
            QCOMPARE(listings.first(), 0);
        } else {
            service.downloadFile(
                url, [&answers](const QByteArray& data) { answers.append(data); },
                job == Job::DownloadIntoFile ? target : QString());
            QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 1, Timeout);
            QCOMPARE(answers.first(), QByteArray());
        }
        QVERIFY(!QFile::exists(target));
    }

private:
    LocalInfoFile info;
};

QTEST_GUILESS_MAIN(TestFtpWithoutCurl)
#include "tst_ftpwithoutcurl.moc"
