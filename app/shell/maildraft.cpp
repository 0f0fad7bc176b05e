#include "maildraft.h"

#include "exportfiles.h"
#include "tarvinologging.h"

#include <QDir>
#include <QTemporaryDir>

#ifdef Q_OS_LINUX
#include <QProcess>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

namespace {

const QByteArray Boundary = QByteArrayLiteral("--boundary_text_string");
const QByteArray LineEnd = QByteArrayLiteral("\r\n");
// Keeps header lines within the 78 characters mail programs expect.
constexpr int MaxPlainHeaderText = 50;
constexpr int MaxEncodedChunk = 60;
constexpr int MaxWordBytes = 30; // an encoded word of 52 characters
constexpr int Base64LineLength = 76;

bool isPlainHeaderText(const QString& text)
{
    if (text.size() > MaxPlainHeaderText || text.contains(QLatin1String("=?")))
        return false;
    for (const QChar ch : text) {
        if (ch.unicode() < 0x20 || ch.unicode() > 0x7e)
            return false;
    }
    return true;
}

// Unstructured header text, as encoded words where plain text would not do.
QByteArray headerText(const QString& text)
{
    if (isPlainHeaderText(text))
        return text.toLatin1();
    QList<QByteArray> words;
    QByteArray word;
    for (const char32_t codePoint : text.toUcs4()) {
        const QByteArray bytes = QString::fromUcs4(&codePoint, 1).toUtf8();
        if (word.size() + bytes.size() > MaxWordBytes) {
            words.append(word);
            word.clear();
        }
        word += bytes;
    }
    words.append(word);
    QByteArray encoded;
    for (const QByteArray& bytes : words) {
        if (!encoded.isEmpty())
            encoded += LineEnd + ' ';
        encoded += "=?UTF-8?B?" + bytes.toBase64() + "?=";
    }
    return encoded;
}

bool isAttributeChar(char ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9')
        || QByteArrayView("!#$&+-.^_`|~").contains(ch);
}

// A parameter with a UTF-8 value, split into numbered sections when it is long.
QByteArray extendedParameter(const QByteArray& name, const QString& value)
{
    QList<QByteArray> sections { "UTF-8''" };
    for (const char ch : value.toUtf8()) {
        const QByteArray token = isAttributeChar(ch) ? QByteArray(1, ch) : '%' + QByteArray(1, ch).toHex().toUpper();
        if (sections.last().size() + token.size() > MaxEncodedChunk)
            sections.append(QByteArray());
        sections.last() += token;
    }
    if (sections.size() == 1)
        return name + "*=" + sections.first();
    QByteArray parameter;
    for (int index = 0; index < sections.size(); ++index) {
        if (index > 0)
            parameter += ';' + LineEnd + '\t';
        parameter += name + '*' + QByteArray::number(index) + "*=" + sections.at(index);
    }
    return parameter;
}

QByteArray wrappedBase64(const QByteArray& data)
{
    const QByteArray encoded = data.toBase64();
    QByteArray wrapped;
    for (qsizetype start = 0; start < encoded.size(); start += Base64LineLength)
        wrapped += encoded.mid(start, Base64LineLength) + LineEnd;
    return wrapped;
}

// Lives as long as the program, so that the mail program finds the files it was handed.
QString privateFolder()
{
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/TarvinoRix3_mail_XXXXXX"));
    if (!folder.isValid()) {
        qCWarning(tarvinoLog).noquote() << ">> Cannot create a folder for the e-mail draft:" << folder.errorString();
        return {};
    }
    return folder.path();
}

} // namespace

MailDraft::MailDraft(const QString& projectName, const QByteArray& projectFile)
    : m_subject(projectName.isEmpty() ? ExportFiles::defaultProjectName() : projectName)
    , m_file(projectFile)
{
}

QString MailDraft::attachmentName() const
{
    return ExportFiles::safeFileName(m_subject) + QStringLiteral(".ot2");
}

QByteArray MailDraft::message(const QDateTime& stamp) const
{
    const QByteArray date = '"' + stamp.toString(Qt::RFC2822Date).toLatin1() + '"';
    const QList<QByteArray> headerLines {
        "MIME-Version: 1.0",
        "X-Unsent: 1",
        "Subject: " + headerText(m_subject),
        "Content-Type: multipart/mixed; boundary=\"" + Boundary + '"',
        "",
        "--" + Boundary,
        "Content-Type: application/octet-stream;",
        '\t' + extendedParameter("name", attachmentName()),
        "Content-Description: " + headerText(attachmentName()),
        "Content-Disposition: attachment;",
        '\t' + extendedParameter("filename", attachmentName()) + ';',
        "\tsize=" + QByteArray::number(m_file.size()) + ';',
        "\tcreation-date=" + date + ';',
        "\tmodification-date=" + date,
        "Content-Transfer-Encoding: base64",
        "",
    };
    QByteArray message = headerLines.join(LineEnd) + LineEnd;
    message += wrappedBase64(m_file);
    message += "--" + Boundary + "--" + LineEnd;
    return message;
}

QString MailDraft::writeEml(const QString& folder) const
{
    const QString path = QDir(folder).filePath(ExportFiles::safeFileName(m_subject) + QStringLiteral(".eml"));
    if (folder.isEmpty() || !ExportFiles::writeFile(path, message(QDateTime::currentDateTime()))) {
        qCWarning(tarvinoLog) << ">> Couldn't create eml file";
        return {};
    }
    return path;
}

bool MailDraft::send() const
{
    const QString folder = privateFolder();
    if (folder.isEmpty())
        return false;
#ifdef Q_OS_LINUX
    const QString attachment = QDir(folder).filePath(attachmentName());
    if (!ExportFiles::writeFile(attachment, m_file))
        return false;
    const QStringList arguments { QStringLiteral("--subject"), m_subject, QStringLiteral("--attach"), attachment };
    if (!QProcess::startDetached(QStringLiteral("xdg-email"), arguments)) {
        qCWarning(tarvinoLog) << ">> Cannot start xdg-email to send the project";
        return false;
    }
    return true;
#else
    const QString path = writeEml(folder);
    if (path.isEmpty())
        return false;
    const QUrl url = QUrl::fromLocalFile(path);
    qCInfo(tarvinoLog).noquote() << ">> Try to open " << url.toString();
    return QDesktopServices::openUrl(url);
#endif
}
