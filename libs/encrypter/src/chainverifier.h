#pragma once

#include <QList>
#include <QSslCertificate>
#include <QStringList>

namespace encrypter {

// Verifies a certificate chain (the server's own certificate first) against a set of trusted
// roots with libcrypto, at the current time and without a host name. Qt's own verification
// only knows the default configuration's roots.
class ChainVerifier {
public:
    explicit ChainVerifier(const QList<QSslCertificate>& trustedRoots);

    // The reasons the chain does not verify; empty when it does.
    QStringList errors(const QList<QSslCertificate>& chain) const;

private:
    QList<QSslCertificate> m_trustedRoots;
};

} // namespace encrypter
