#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "exportfiles.h"
#include "maildraft.h"

namespace {

// Python's own MIME parser reads the draft; its findings come back as JSON.
const char* const ParseScript = R"(
import sys, json, base64, email
from email import policy
msg = email.message_from_bytes(open(sys.argv[1], 'rb').read(), policy=policy.default)
parts = []
for part in msg.iter_attachments():
    parts.append({'filename': part.get_filename(), 'type': part.get_content_type(),
                  'data': base64.b64encode(part.get_payload(decode=True)).decode(),
                  'size': part.get_param('size', header='content-disposition'),
                  'defects': len(part.defects)})
print(json.dumps({'mime': msg['MIME-Version'], 'unsent': msg['X-Unsent'], 'subject': str(msg['Subject']),
                  'type': msg.get_content_type(), 'bcc': msg['Bcc'], 'defects': len(msg.defects),
                  'parts': len(list(msg.iter_parts())), 'attachments': parts}))
)";

QJsonObject parsed(const QString& path)
{
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral("-c"), QString::fromLatin1(ParseScript), path});
    if (!python.waitForFinished() || python.exitCode() != 0) {
        qWarning() << python.readAllStandardError();
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

QByteArray someProjectFile()
{
    QByteArray bytes;
    for (int index = 0; index < 700; ++index)
        bytes += char(index * 7 % 256);
    return bytes;
}

} // namespace

class TestMailDraft : public QObject {
    Q_OBJECT

private slots:
    void draftIsAValidMimeMessage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("empty name") << "" << "Projekt 1" << "Projekt 1.ot2";
        QTest::newRow("plain") << "Garden" << "Garden" << "Garden.ot2";
        QTest::newRow("non-ASCII") << "Küche – Größe ☀ 日本" << "Küche – Größe ☀ 日本" << "Küche – Größe ☀ 日本.ot2";
        QTest::newRow("header injection") << "Line\r\nBcc: someone@example.com" << "Line\r\nBcc: someone@example.com"
                                          << "LineBcc: someone@example.com.ot2";
        QTest::newRow("path and URL characters") << "../Pump #2 ?50%" << "../Pump #2 ?50%" << "Pump #2 ?50%.ot2";
        // A name longer than a file system takes: the file keeps 200 bytes of UTF-8, the subject all.
        QTest::newRow("200 ä") << QString(200, u'ä') << QString(200, u'ä') << QString(100, u'ä') + ".ot2";
        QTest::newRow("300 L") << QString(300, u'L') << QString(300, u'L') << QString(200, u'L') + ".ot2";
        const QString longName = QString(90, u'x') + QStringLiteral(" Größe");
        QTest::newRow("long") << longName << longName << longName + QStringLiteral(".ot2");
    }
    void draftIsAValidMimeMessage()
    {
        QFETCH(QString, name);
        QFETCH(QString, subject);
        QFETCH(QString, fileName);
        const QByteArray file = someProjectFile();
        const MailDraft draft(name, file);
        QCOMPARE(draft.subject(), subject.isEmpty() ? name : subject);
        QCOMPARE(draft.attachmentName(), fileName);

        const QByteArray message = draft.message(QDateTime(QDate(2024, 12, 10), QTime(9, 30)));
        QCOMPARE(message.count('\n'), message.count("\r\n"));
        QCOMPARE(message.count('\r'), message.count("\r\n"));
        for (const QByteArray& line : message.split('\n'))
            QVERIFY2(line.size() <= 79, line.constData());

        QTemporaryDir folder;
        const QString path = draft.writeEml(folder.path());
        QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(folder.path()).absoluteFilePath());
        QCOMPARE(QFileInfo(path).fileName(), QString(fileName).replace(QStringLiteral(".ot2"), QStringLiteral(".eml")));
        const QJsonObject mail = parsed(path);
        QCOMPARE(mail.value("mime").toString(), QStringLiteral("1.0"));
        QCOMPARE(mail.value("unsent").toString(), QStringLiteral("1"));
        QCOMPARE(mail.value("type").toString(), QStringLiteral("multipart/mixed"));
        QCOMPARE(mail.value("subject").toString(), subject);
        QVERIFY(mail.value("bcc").isNull());
        QCOMPARE(mail.value("defects").toInt(), 0);
        QCOMPARE(mail.value("parts").toInt(), 1);
        const QJsonArray attachments = mail.value("attachments").toArray();
        QCOMPARE(attachments.size(), 1);
        const QJsonObject attachment = attachments.first().toObject();
        QCOMPARE(attachment.value("filename").toString(), fileName);
        QCOMPARE(attachment.value("type").toString(), QStringLiteral("application/octet-stream"));
        QCOMPARE(attachment.value("size").toString(), QString::number(file.size()));
        QCOMPARE(attachment.value("defects").toInt(), 0);
        QCOMPARE(QByteArray::fromBase64(attachment.value("data").toString().toLatin1()), file);
    }

    void unwritableDraftIsReported()
    {
        QTemporaryDir folder;
        const QString regularFile = QDir(folder.path()).filePath(QStringLiteral("file"));
        QVERIFY(ExportFiles::writeFile(regularFile, "x"));
        QTest::ignoreMessage(QtWarningMsg, ">> Couldn't create eml file");
        QVERIFY(MailDraft(QStringLiteral("Garden"), "data").writeEml(regularFile).isEmpty());
    }

    // A stand-in xdg-email on the PATH records what the mail program would be handed.
    void draftGoesToTheMailProgramWithTheFileAttached()
    {
        QTemporaryDir bin;
        const QString log = QDir(bin.path()).filePath(QStringLiteral("arguments.txt"));
        const QString script = QDir(bin.path()).filePath(QStringLiteral("xdg-email"));
        QVERIFY(ExportFiles::writeFile(
            script, QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.part' && mv '%1.part' '%1'\n").arg(log).toUtf8()));
        QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8() + ':' + path);

        const QByteArray file = someProjectFile();
        QVERIFY(MailDraft(QStringLiteral("Pump #2 ?50%"), file).send());
        QTRY_VERIFY(QFileInfo::exists(log));
        qputenv("PATH", path);

        QFile recorded(log);
        QVERIFY(recorded.open(QIODevice::ReadOnly));
        const QStringList arguments = QString::fromUtf8(recorded.readAll()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(arguments.size(), 4);
        QCOMPARE(arguments.at(0), QStringLiteral("--subject"));
        QCOMPARE(arguments.at(1), QStringLiteral("Pump #2 ?50%"));
        QCOMPARE(arguments.at(2), QStringLiteral("--attach"));
        const QFileInfo attached(arguments.at(3));
        QCOMPARE(attached.fileName(), QStringLiteral("Pump #2 ?50%.ot2"));
        QFile attachment(attached.filePath());
        QVERIFY(attachment.open(QIODevice::ReadOnly));
        QCOMPARE(attachment.readAll(), file);
        // Only the user may read the folder of the draft.
        const QFileInfo folder(attached.absolutePath());
        QCOMPARE(folder.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::ExeGroup | QFile::ExeOther),
                 QFileDevice::Permissions());
    }
};

QTEST_MAIN(TestMailDraft)
#include "tst_maildraft.moc"
