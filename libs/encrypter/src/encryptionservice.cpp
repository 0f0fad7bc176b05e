#include "encrypter/encryptionservice.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <openssl/err.h>
#include <openssl/evp.h>

#include <climits>
#include <cstdio>
#include <memory>

namespace encrypter {

namespace {

constexpr int KeyLength = 16;
constexpr int IvLength = 16;
// Room for the padding block that the final call writes.
constexpr int OutputReserve = 32;

struct CipherContextDeleter {
    void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};

} // namespace

EncryptionService* EncryptionService::m_instance = nullptr;

EncryptionService::EncryptionService(QObject* parent)
    : QObject(parent)
    , Service<EncryptionService>(this)
{
    EVP_add_cipher(EVP_aes_128_cbc());
    EVP_add_cipher(EVP_aes_128_ecb());
}

EncryptionService::~EncryptionService() = default;

bool EncryptionService::init_ECB(const QString& name, const QByteArray& key)
{
    if (key.size() != KeyLength) {
        qWarning() << "ERROR, key length must be 16bytes for AES_128_ECB";
        return false;
    }
    m_keys.insert(name, key);
    return true;
}

bool EncryptionService::init_CBC(const QString& name, const QByteArray& key, const QByteArray& iv)
{
    if (key.size() != KeyLength) {
        qWarning() << "ERROR, key length must be 16bytes for AES_128_CBC";
        return false;
    }
    m_keys.insert(name, key);
    return storeIv(name, iv);
}

QByteArray EncryptionService::encryptAES_ECB(const QString& name, const QByteArray& data) const
{
    const QByteArray key = channelKey(name, "AES_128_ECB");
    return key.isEmpty() ? QByteArray() : cipher(Direction::Encrypt, false, key, {}, data);
}

QByteArray EncryptionService::decryptAES_ECB(const QString& name, const QByteArray& data) const
{
    const QByteArray key = channelKey(name, "AES_128_ECB");
    return key.isEmpty() ? QByteArray() : cipher(Direction::Decrypt, false, key, {}, data);
}

QByteArray EncryptionService::encryptAES_CBC(const QString& name, const QByteArray& data,
                                             const QByteArray& iv)
{
    return cbc(name, data, iv, Direction::Encrypt);
}

QByteArray EncryptionService::decryptAES_CBC(const QString& name, const QByteArray& data,
                                             const QByteArray& iv)
{
    return cbc(name, data, iv, Direction::Decrypt);
}

void EncryptionService::setPendingKey(const QString& name, const QByteArray& key)
{
    m_pendingKeys.insert(name, key);
}

bool EncryptionService::hasPendingKey(const QString& name) const
{
    return m_pendingKeys.contains(name);
}

QByteArray EncryptionService::usePendingKey(const QString& name)
{
    const QByteArray key = m_pendingKeys.value(name);
    init_ECB(name, key);
    return key;
}

void EncryptionService::resetPendingKey(const QString& name)
{
    m_pendingKeys.remove(name);
}

QByteArray EncryptionService::setRandomIV(const QString& name)
{
    const QByteArray iv = randomData(IvLength);
    m_ivs.insert(name, iv);
    return iv;
}

void EncryptionService::performTest(const QString& name, CipherMode mode, int firstLength, int endLength,
                                    int rounds)
{
    qDebug() << "START AES test";
    QElapsedTimer timer;
    timer.start();
    int errors = 0;
    for (int round = 0; round < rounds; ++round) {
        for (int length = firstLength; length < endLength; ++length)
            errors += randomTest(name, length, mode);
    }
    qDebug().noquote()
        << QStringLiteral("FINISHED AES test in %1 ms with %2 error(s)").arg(timer.elapsed()).arg(errors);
}

int EncryptionService::randomTest(const QString& name, int length, CipherMode mode)
{
    const QByteArray plain = randomData(length);
    QByteArray encoded;
    QByteArray decoded;
    if (mode == CBC) {
        encoded = encryptAES_CBC(name, plain);
        decoded = decryptAES_CBC(name, encoded);
    } else {
        encoded = encryptAES_ECB(name, plain);
        decoded = decryptAES_ECB(name, encoded);
    }
    if (decoded == plain)
        return 0;
    qWarning().noquote() << QStringLiteral("AES Error while encrypting a %1 length data").arg(length);
    qWarning().noquote() << "Plain data =" << plain.toHex();
    qWarning().noquote() << "Encoded data =" << encoded.toHex();
    qWarning().noquote() << "Decoded data =" << decoded.toHex();
    return 1;
}

QByteArray EncryptionService::randomData(int count)
{
    if (count < 1)
        return {};
    QByteArray data(count, Qt::Uninitialized);
    for (char& byte : data)
        byte = static_cast<char>(QRandomGenerator::system()->bounded(256));
    return data;
}

void EncryptionService::printError() const
{
    ERR_print_errors_fp(stderr);
}

QByteArray EncryptionService::channelKey(const QString& name, const char* mode) const
{
    const QByteArray key = m_keys.value(name);
    if (key.size() != KeyLength)
        qWarning().noquote() << "ERROR, channel" << name << "has no 16 bytes key for" << mode;
    return key.size() == KeyLength ? key : QByteArray();
}

bool EncryptionService::storeIv(const QString& name, const QByteArray& iv)
{
    if (iv.isEmpty())
        return true;
    if (iv.size() != IvLength) {
        qWarning() << "ERROR, IV length must be 16bytes for AES_128_CBC";
        return false;
    }
    m_ivs.insert(name, iv);
    return true;
}

QByteArray EncryptionService::cbc(const QString& name, const QByteArray& data, const QByteArray& iv,
                                  Direction direction)
{
    if (!storeIv(name, iv))
        return {};
    const QByteArray key = channelKey(name, "AES_128_CBC");
    if (key.isEmpty())
        return {};
    const QByteArray channelIv = m_ivs.value(name);
    if (channelIv.size() != IvLength) {
        qWarning().noquote() << "ERROR, channel" << name << "has no 16 bytes IV for AES_128_CBC";
        return {};
    }
    return cipher(direction, true, key, channelIv, data);
}

QByteArray EncryptionService::cipher(Direction direction, bool chained, const QByteArray& key,
                                     const QByteArray& iv, const QByteArray& data) const
{
    if (data.size() > INT_MAX - OutputReserve) {
        qWarning() << "ERROR, data too long for AES";
        return {};
    }
    const std::unique_ptr<EVP_CIPHER_CTX, CipherContextDeleter> context(EVP_CIPHER_CTX_new());
    const auto* type = chained ? EVP_aes_128_cbc() : EVP_aes_128_ecb();
    const auto* keyBytes = reinterpret_cast<const unsigned char*>(key.constData());
    const auto* ivBytes = chained ? reinterpret_cast<const unsigned char*>(iv.constData()) : nullptr;
    QByteArray output(static_cast<int>(data.size()) + OutputReserve, '\0');
    auto* out = reinterpret_cast<unsigned char*>(output.data());
    const auto* in = reinterpret_cast<const unsigned char*>(data.constData());
    int updated = 0;
    int finished = 0;
    const bool done =
        context &&
        EVP_CipherInit_ex(context.get(), type, nullptr, keyBytes, ivBytes, direction == Direction::Encrypt) ==
            1 &&
        EVP_CipherUpdate(context.get(), out, &updated, in, static_cast<int>(data.size())) == 1 &&
        EVP_CipherFinal_ex(context.get(), out + updated, &finished) == 1;
    if (!done) {
        printError();
        return {};
    }
    output.truncate(updated + finished);
    return output;
}

} // namespace encrypter
