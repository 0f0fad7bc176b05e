#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

#include "encrypter/encrypter_export.h"
#include "encrypter/service.h"

namespace encrypter {

// Named AES-128 channels (ECB or CBC, PKCS#7 padding) on OpenSSL's libcrypto. A channel is a
// name under which a 16-byte key, a 16-byte IV and a pending key may be stored.
//
// A channel without a 16-byte key, or CBC without a 16-byte IV, never reaches the cipher: the
// operation logs a warning and gives an empty result. Every failure gives an empty result.
// Used from one thread.
class ENCRYPTER_EXPORT EncryptionService : public QObject, public Service<EncryptionService> {
    Q_OBJECT

public:
    enum CipherMode { CBC = 0, ECB = 1 };

    static EncryptionService* m_instance;

    explicit EncryptionService(QObject* parent = nullptr);
    ~EncryptionService() override;

    // Stores a 16-byte key; any other length is refused with a warning and changes nothing.
    bool init_ECB(const QString& name, const QByteArray& key);
    // Stores a 16-byte key, then the IV: an empty IV keeps the channel's IV; a 16-byte IV is
    // stored; another length is refused (false), the new key staying stored.
    bool init_CBC(const QString& name, const QByteArray& key, const QByteArray& iv);

    QByteArray encryptAES_ECB(const QString& name, const QByteArray& data) const;
    QByteArray decryptAES_ECB(const QString& name, const QByteArray& data) const;
    // A non-empty 16-byte IV argument becomes the channel's IV first; an IV argument of
    // another length is refused and the stored IV stays.
    QByteArray encryptAES_CBC(const QString& name, const QByteArray& data, const QByteArray& iv = {});
    QByteArray decryptAES_CBC(const QString& name, const QByteArray& data, const QByteArray& iv = {});

    // A key change in two steps: hold the new key back, switch to it, forget it.
    void setPendingKey(const QString& name, const QByteArray& key);
    bool hasPendingKey(const QString& name) const;
    // Makes the pending key the channel's key (through init_ECB) and returns it; it stays pending.
    QByteArray usePendingKey(const QString& name);
    void resetPendingKey(const QString& name);

    // 16 bytes from the system's random source, stored as the channel's IV.
    QByteArray setRandomIV(const QString& name);

    // Round trips of random data of every length in [firstLength, endLength), rounds times,
    // on an initialised channel; logs the time and the number of mismatches.
    void performTest(const QString& name, CipherMode mode, int firstLength, int endLength, int rounds);

private:
    enum class Direction { Encrypt, Decrypt };

    int randomTest(const QString& name, int length, CipherMode mode);
    static QByteArray randomData(int count);
    void printError() const;

    QByteArray channelKey(const QString& name, const char* mode) const;
    // An empty IV keeps the stored one; another length than 16 is refused.
    bool storeIv(const QString& name, const QByteArray& iv);
    QByteArray cbc(const QString& name, const QByteArray& data, const QByteArray& iv, Direction direction);
    QByteArray cipher(Direction direction, bool chained, const QByteArray& key, const QByteArray& iv,
                      const QByteArray& data) const;

    QHash<QString, QByteArray> m_keys;
    QHash<QString, QByteArray> m_ivs;
    QHash<QString, QByteArray> m_pendingKeys;
};

} // namespace encrypter
