#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <encrypter/ftpservice.h>

using encrypter::FtpService;

// Putting a certificate file into the store ("certificates" in the application data location)
// and telling the worker which file to trust.

namespace {

QByteArray content(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool write(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

QString storeFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/certificates");
}

} // namespace

class TestLoadCertificate : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(QDir(storeFolder()).removeRecursively()); }

    void loadsIntoTheStore_data()
    {
        QTest::addColumn<bool>("sourceExists");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("force");
        QTest::addColumn<bool>("result");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<bool>("installed");
        QTest::newRow("missing source") << false << "none" << false << false << false << false;
        QTest::newRow("missing source, forced") << false << "existing" << true << false << false << false;
        QTest::newRow("new file") << true << "none" << false << true << true << true;
        QTest::newRow("new file, forced") << true << "none" << true << true << true << true;
        QTest::newRow("existing file without force") << true << "existing" << false << false << false << true;
        QTest::newRow("force on a read-only target") << true << "read-only" << true << true << true << true;
        QTest::newRow("read-only target without force")
            << true << "read-only" << false << false << false << true;
    }
    void loadsIntoTheStore()
    {
        QFETCH(bool, sourceExists);
        QFETCH(QString, target);
        QFETCH(bool, force);
        QFETCH(bool, result);
        QFETCH(bool, replaced);
        QFETCH(bool, installed);
        const QString source = QDir(sources.path()).filePath(QStringLiteral("root_ca.pem"));
        QFile::remove(source);
        if (sourceExists)
            QVERIFY(write(source, "new certificate"));
        const QString stored = storeFolder() + QStringLiteral("/root_ca.pem");
        if (target != QLatin1String("none")) {
            QVERIFY(QDir().mkpath(storeFolder()));
            QVERIFY(write(stored, "old certificate"));
            if (target == QLatin1String("read-only"))
                QVERIFY(
                    QFile::setPermissions(stored, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        }

        FtpService service;
        QSignalSpy installs(&service, &FtpService::setCertificate);
        QCOMPARE(service.loadCertificate(source, force), result);
        QCOMPARE(content(stored), replaced                          ? QByteArray("new certificate")
                                  : target == QLatin1String("none") ? QByteArray()
                                                                    : QByteArray("old certificate"));
        QCOMPARE(installs.size(), installed ? 1 : 0);
        if (installed)
            QCOMPARE(installs.at(0).at(0).toString(), stored);
    }

    void storeThatCannotBeMadeLoadsNothing()
    {
        const QString source = QDir(sources.path()).filePath(QStringLiteral("root_ca.pem"));
        QVERIFY(write(source, "new certificate"));
        const QString blocker = QDir(sources.path()).filePath(QStringLiteral("plain-file"));
        QVERIFY(write(blocker, "not a folder"));
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", blocker.toLocal8Bit());
        FtpService service;
        qputenv("XDG_DATA_HOME", dataHome);
        QSignalSpy installs(&service, &FtpService::setCertificate);
        QVERIFY(!service.loadCertificate(source, true));
        QCOMPARE(installs.size(), 0);
    }

private:
    QTemporaryDir sources;
};

QTEST_GUILESS_MAIN(TestLoadCertificate)
#include "tst_loadcertificate.moc"
