#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMetaType>
#include <QSslCertificate>
#include <QString>
#include <QVariant>

#include "encrypter/encrypter_export.h"

namespace encrypter {

// One X.509 certificate as libcurl's certificate information describes it: lines of the form
// label:value. Both "Start Date" and libcurl's own "Start date" are read (the same for the
// expiry), with dates written "2024-01-01 00:00:00 GMT" or "Dec  9 21:18:43 2026 GMT".
class ENCRYPTER_EXPORT CertificateInfo {
public:
    // The labels in the order they are tried: "Signature Algorithm" comes before "Signature".
    static const QList<QString> certificateKeys;

    CertificateInfo() = default;
    explicit CertificateInfo(const QList<QString>& lines);
    CertificateInfo(const CertificateInfo&) = default;
    CertificateInfo& operator=(const CertificateInfo&) = default;
    virtual ~CertificateInfo();

    QString subject() const;
    QString issuer() const;
    int version() const;
    QString serialNumber() const;
    QString signatureAlgorithm() const;
    // Invalid when missing or unreadable.
    QDateTime startDate() const;
    QDateTime expirationDate() const;
    QString publicKeyAlogrithm() const;
    // The key length in bits.
    int publicKeyLength() const;
    QString rsa_n() const;
    QString rsa_e() const;
    QString signature() const;
    QString pem() const;
    // The first certificate of the PEM text, or a null certificate.
    QSslCertificate certificate() const;

private:
    void extractInfo(const QString& line);
    bool extract(const QString& line, const QString& label);
    QString text(int keyIndex) const;
    int number(int keyIndex) const;
    QDateTime date(int keyIndex) const;

    QHash<QString, QVariant> m_info;
};

} // namespace encrypter

Q_DECLARE_METATYPE(encrypter::CertificateInfo)
