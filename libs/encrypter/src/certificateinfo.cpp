#include "encrypter/certificateinfo.h"

#include <QStringList>

namespace encrypter {

namespace {

enum Key {
    Subject,
    Issuer,
    Version,
    SerialNumber,
    SignatureAlgorithm,
    StartDate,
    ExpireDate,
    PublicKeyAlgorithm,
    RsaPublicKey,
    RsaN,
    RsaE,
    Signature,
    Cert
};

// libcurl's OpenSSL backend spells these two labels so.
const QHash<QString, QString>& libcurlSpellings()
{
    static const QHash<QString, QString> spellings{
        {QStringLiteral("Start Date"), QStringLiteral("Start date")},
        {QStringLiteral("Expire Date"), QStringLiteral("Expire date")}};
    return spellings;
}

// "Dec  9 21:18:43 2026 GMT" as libcurl writes an OpenSSL time.
QDateTime libcurlDate(const QString& text)
{
    const QStringList fields = text.simplified().split(QLatin1Char(' '));
    if (fields.size() != 5 || fields.at(4) != QLatin1String("GMT"))
        return {};
    const QDate date =
        QDate::fromString(QStringList{fields.at(0), fields.at(1), fields.at(3)}.join(QLatin1Char(' ')),
                          QStringLiteral("MMM d yyyy"));
    const QTime time = QTime::fromString(fields.at(2), QStringLiteral("hh:mm:ss"));
    return date.isValid() && time.isValid() ? QDateTime(date, time, Qt::UTC) : QDateTime();
}

// "2024-01-01 00:00:00 GMT".
QDateTime isoDate(const QString& text)
{
    const QStringList fields = text.trimmed().split(QLatin1Char(' '));
    if (fields.size() != 3 || fields.at(2) != QLatin1String("GMT"))
        return {};
    const QDate date = QDate::fromString(fields.at(0), QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(fields.at(1), QStringLiteral("hh:mm:ss"));
    return date.isValid() && time.isValid() ? QDateTime(date, time, Qt::UTC) : QDateTime();
}

} // namespace

const QList<QString> CertificateInfo::certificateKeys{QStringLiteral("Subject"),
                                                      QStringLiteral("Issuer"),
                                                      QStringLiteral("Version"),
                                                      QStringLiteral("Serial Number"),
                                                      QStringLiteral("Signature Algorithm"),
                                                      QStringLiteral("Start Date"),
                                                      QStringLiteral("Expire Date"),
                                                      QStringLiteral("Public Key Algorithm"),
                                                      QStringLiteral("RSA Public Key"),
                                                      QStringLiteral("rsa(n)"),
                                                      QStringLiteral("rsa(e)"),
                                                      QStringLiteral("Signature"),
                                                      QStringLiteral("Cert")};

CertificateInfo::CertificateInfo(const QList<QString>& lines)
{
    for (const QString& line : lines)
        extractInfo(line);
}

CertificateInfo::~CertificateInfo() = default;

QString CertificateInfo::subject() const
{
    return text(Subject);
}
QString CertificateInfo::issuer() const
{
    return text(Issuer);
}
int CertificateInfo::version() const
{
    return number(Version);
}
QString CertificateInfo::serialNumber() const
{
    return text(SerialNumber);
}
QString CertificateInfo::signatureAlgorithm() const
{
    return text(SignatureAlgorithm);
}
QDateTime CertificateInfo::startDate() const
{
    return date(StartDate);
}
QDateTime CertificateInfo::expirationDate() const
{
    return date(ExpireDate);
}
QString CertificateInfo::publicKeyAlogrithm() const
{
    return text(PublicKeyAlgorithm);
}
int CertificateInfo::publicKeyLength() const
{
    return number(RsaPublicKey);
}
QString CertificateInfo::rsa_n() const
{
    return text(RsaN);
}
QString CertificateInfo::rsa_e() const
{
    return text(RsaE);
}
QString CertificateInfo::signature() const
{
    return text(Signature);
}
QString CertificateInfo::pem() const
{
    return text(Cert);
}

QSslCertificate CertificateInfo::certificate() const
{
    const QList<QSslCertificate> certificates = QSslCertificate::fromData(pem().toLatin1(), QSsl::Pem);
    return certificates.isEmpty() ? QSslCertificate() : certificates.first();
}

void CertificateInfo::extractInfo(const QString& line)
{
    for (const QString& label : certificateKeys) {
        if (extract(line, label))
            return;
    }
}

bool CertificateInfo::extract(const QString& line, const QString& label)
{
    const QString spelling = libcurlSpellings().value(label);
    const QString& found = line.startsWith(label) ? label : spelling;
    if (found.isEmpty() || !line.startsWith(found))
        return false;
    // The separator after the label is not part of the value.
    m_info.insert(label, line.mid(found.size() + 1));
    return true;
}

QString CertificateInfo::text(int keyIndex) const
{
    return m_info.value(certificateKeys.at(keyIndex)).toString();
}

int CertificateInfo::number(int keyIndex) const
{
    bool ok = false;
    const int value = text(keyIndex).toInt(&ok);
    return ok ? value : 0;
}

QDateTime CertificateInfo::date(int keyIndex) const
{
    const QString value = text(keyIndex);
    const QDateTime iso = isoDate(value);
    return iso.isValid() ? iso : libcurlDate(value);
}

} // namespace encrypter
