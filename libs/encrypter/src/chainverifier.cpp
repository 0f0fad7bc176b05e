#include "chainverifier.h"

#include <openssl/x509.h>
#include <openssl/x509_vfy.h>
#include <openssl/x509v3.h>

#include <memory>

namespace encrypter {

namespace {

struct X509Deleter {
    void operator()(X509* certificate) const { X509_free(certificate); }
};
struct StoreDeleter {
    void operator()(X509_STORE* store) const { X509_STORE_free(store); }
};
struct StoreContextDeleter {
    void operator()(X509_STORE_CTX* context) const { X509_STORE_CTX_free(context); }
};
struct StackDeleter {
    void operator()(STACK_OF(X509) * stack) const { sk_X509_pop_free(stack, X509_free); }
};

using X509Pointer = std::unique_ptr<X509, X509Deleter>;

X509Pointer toX509(const QSslCertificate& certificate)
{
    const QByteArray der = certificate.toDer();
    const auto* bytes = reinterpret_cast<const unsigned char*>(der.constData());
    return X509Pointer(d2i_X509(nullptr, &bytes, der.size()));
}

} // namespace

ChainVerifier::ChainVerifier(const QList<QSslCertificate>& trustedRoots)
    : m_trustedRoots(trustedRoots)
{
}

QStringList ChainVerifier::errors(const QList<QSslCertificate>& chain) const
{
    if (chain.isEmpty())
        return {QStringLiteral("The chain holds no certificate")};
    const std::unique_ptr<X509_STORE, StoreDeleter> store(X509_STORE_new());
    const std::unique_ptr<STACK_OF(X509), StackDeleter> untrusted(sk_X509_new_null());
    const std::unique_ptr<X509_STORE_CTX, StoreContextDeleter> context(X509_STORE_CTX_new());
    if (!store || !untrusted || !context)
        return {QStringLiteral("Out of memory")};
    for (const QSslCertificate& root : m_trustedRoots) {
        const X509Pointer certificate = toX509(root);
        // The store takes its own reference.
        if (certificate)
            X509_STORE_add_cert(store.get(), certificate.get());
    }
    const X509Pointer leaf = toX509(chain.first());
    if (!leaf)
        return {QStringLiteral("The server's certificate cannot be read")};
    for (qsizetype index = 1; index < chain.size(); ++index) {
        X509Pointer certificate = toX509(chain.at(index));
        if (certificate && sk_X509_push(untrusted.get(), certificate.get()) > 0)
            certificate.release();
    }
    if (X509_STORE_CTX_init(context.get(), store.get(), leaf.get(), untrusted.get()) != 1)
        return {QStringLiteral("The verification cannot be set up")};
    X509_STORE_CTX_set_purpose(context.get(), X509_PURPOSE_SSL_SERVER);
    if (X509_verify_cert(context.get()) == 1)
        return {};
    return {QString::fromLatin1(X509_verify_cert_error_string(X509_STORE_CTX_get_error(context.get())))};
}

} // namespace encrypter
