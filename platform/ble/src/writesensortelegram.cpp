#include "ble/writesensortelegram.h"

#include <algorithm>

namespace ble {

WriteSensorTelegram::WriteSensorTelegram()
    : BaseTelegram(Characteristic, true)
{
}

void WriteSensorTelegram::setSensorsInfo(const QList<bool>& blinking, const QList<unsigned char>& masks)
{
    const qsizetype count = std::min(blinking.size(), masks.size());
    m_payload = QByteArray(1, char(count));
    for (qsizetype k = 0; k < count; ++k) {
        m_payload.append(char(masks.at(k)));
        m_payload.append(char(blinking.at(k) ? 1 : 0));
    }
}

} // namespace ble
