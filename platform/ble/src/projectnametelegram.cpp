#include "ble/projectnametelegram.h"

namespace ble {

namespace {
bool isContinuationByte(char byte)
{
    return (quint8(byte) & 0xC0) == 0x80;
}
} // namespace

ProjectNameTelegram::ProjectNameTelegram()
    : BaseTelegram(Characteristic, false)
{
}

QByteArray ProjectNameTelegram::encoded(const QString& name)
{
    const QByteArray utf8 = name.toUtf8();
    if (utf8.size() <= MaxBytes)
        return utf8;
    int cut = MaxBytes;
    while (cut > 0 && isContinuationByte(utf8.at(cut)))
        --cut;
    return utf8.left(cut);
}

QByteArray ProjectNameTelegram::data() const
{
    return isWrite() ? encoded(m_projectName) : QByteArray();
}

bool ProjectNameTelegram::fromData(const QByteArray& payload)
{
    if (payload.size() > MaxBytes)
        return false;
    m_projectName = QString::fromUtf8(payload);
    return true;
}

BaseTelegram::ResponseType ProjectNameTelegram::responseType() const
{
    return isWrite() ? Acknowledgement : LongReply;
}

} // namespace ble
