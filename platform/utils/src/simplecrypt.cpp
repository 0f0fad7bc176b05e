#include "utils/simplecrypt.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QtEndian>

namespace {
Q_LOGGING_CATEGORY(simpleCryptLog, "tarvino.utils.simplecrypt")

constexpr int WordSize = 8;
constexpr quint64 Gamma = 0x9e3779b97f4a7c15ULL;
// Separate the key stream from the check value, so that neither tells anything of the other.
constexpr quint64 StreamDomain = 0x5f3a1c7e9b2d4086ULL;
constexpr quint64 CheckDomain = 0xc4e1720b3d6f8a95ULL;

// A strong 64-bit mixing step: every input bit changes about half of the output bits.
quint64 mix(quint64 z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// XORs bytes with a key stream drawn from the key and the salt; the same call undoes it.
QByteArray applyStream(quint64 key, quint64 salt, const QByteArray& bytes)
{
    const quint64 seed = mix(key + mix(salt ^ StreamDomain));
    QByteArray result(bytes.size(), Qt::Uninitialized);
    quint64 word = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (i % WordSize == 0)
            word = mix(seed + quint64(i / WordSize + 1) * Gamma);
        result[i] = char(uchar(bytes.at(i)) ^ uchar(word >> (8 * (i % WordSize))));
    }
    return result;
}

quint64 checkValue(quint64 key, quint64 salt, const QByteArray& text)
{
    quint64 h = mix(key ^ mix(salt ^ CheckDomain));
    for (const char c : text)
        h = mix((h + Gamma) ^ uchar(c));
    return mix(h ^ quint64(text.size()));
}

QByteArray wordBytes(quint64 value)
{
    QByteArray bytes(WordSize, Qt::Uninitialized);
    qToLittleEndian(value, bytes.data());
    return bytes;
}

quint64 wordAt(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<quint64>(bytes.constData() + offset);
}

} // namespace

namespace utils {

SimpleCrypt::SimpleCrypt(quint64 key)
    : m_key(key)
{
}

QString SimpleCrypt::encryptToString(const QString& text) const
{
    const QByteArray plain = text.toUtf8();
    const quint64 salt = QRandomGenerator::system()->generate64();
    const QByteArray stored
        = wordBytes(salt) + applyStream(m_key, salt, plain) + wordBytes(checkValue(m_key, salt, plain));
    return QString::fromLatin1(stored.toBase64());
}

QString SimpleCrypt::decryptToString(const QString& stored) const
{
    if (stored.isEmpty())
        return {};
    const auto decoded = QByteArray::fromBase64Encoding(stored.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    const QByteArray& bytes = decoded.decoded;
    if (!decoded || bytes.size() < 2 * WordSize) {
        qCWarning(simpleCryptLog) << "A scrambled text is damaged: it is not a stored form";
        return {};
    }
    const quint64 salt = wordAt(bytes, 0);
    const QByteArray plain = applyStream(m_key, salt, bytes.mid(WordSize, bytes.size() - 2 * WordSize));
    if (wordAt(bytes, bytes.size() - WordSize) != checkValue(m_key, salt, plain)) {
        qCWarning(simpleCryptLog) << "A scrambled text is damaged or was made with another key";
        return {};
    }
    return QString::fromUtf8(plain);
}

} // namespace utils
