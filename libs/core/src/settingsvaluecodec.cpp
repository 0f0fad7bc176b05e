#include "settingsvaluecodec.h"

#include <QDataStream>
#include <QIODevice>

#include <algorithm>

namespace core {

namespace {

constexpr QDataStream::Version StreamVersion = QDataStream::Qt_6_0;

QString streamed(const QVariant& value)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(StreamVersion);
    value.metaType().save(stream, value.constData());
    return QString::fromLatin1(bytes.toBase64());
}

QVariant unstreamed(QMetaType type, const QString& text)
{
    const auto decoded = QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return {};
    QDataStream stream(decoded.decoded);
    stream.setVersion(StreamVersion);
    QVariant value(type);
    if (!type.load(stream, value.data()) || stream.status() != QDataStream::Ok || !stream.atEnd())
        return {};
    return value;
}

} // namespace

bool SettingsValueCodec::isStoredAsText(int typeId)
{
    switch (typeId) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::QString:
    case QMetaType::QUrl:
    case QMetaType::QDate:
    case QMetaType::QTime:
        return true;
    default:
        return false;
    }
}

bool SettingsValueCodec::canStore(const QVariant& value)
{
    const int typeId = value.metaType().id();
    switch (typeId) {
    case QMetaType::QVariantList: {
        const QVariantList list = value.toList();
        return std::all_of(list.cbegin(), list.cend(), canStore);
    }
    case QMetaType::QVariantMap: {
        const QVariantMap map = value.toMap();
        return std::all_of(map.cbegin(), map.cend(), canStore);
    }
    case QMetaType::QVariantHash: {
        const QVariantHash hash = value.toHash();
        return std::all_of(hash.cbegin(), hash.cend(), canStore);
    }
    default:
        // Numbers from QMetaType::User on are handed out at run time and differ between runs.
        return typeId != QMetaType::UnknownType && typeId < QMetaType::User
            && (isStoredAsText(typeId) || value.metaType().hasRegisteredDataStreamOperators());
    }
}

QString SettingsValueCodec::encode(const QVariant& value)
{
    const int typeId = value.metaType().id();
    const bool asText = isStoredAsText(typeId) || !value.metaType().hasRegisteredDataStreamOperators();
    return QStringLiteral("%1_%2").arg(typeId).arg(asText ? value.toString() : streamed(value));
}

QVariant SettingsValueCodec::decode(const QString& text)
{
    const qsizetype separator = text.indexOf(QLatin1Char('_'));
    if (separator < 0)
        return {};
    const int typeId = text.left(separator).toInt();
    const QMetaType type(typeId);
    if (!type.isValid())
        return {};
    const QString rest = text.mid(separator + 1);
    if (!isStoredAsText(typeId) && type.hasRegisteredDataStreamOperators())
        return unstreamed(type, rest);
    QVariant value(rest);
    value.convert(type);
    return value;
}

} // namespace core
