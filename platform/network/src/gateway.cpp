#include "gateway.h"

namespace network {

Gateway::Gateway(const QJsonObject& object)
    : m_name(object.value(QLatin1String("name")).toString())
    , m_serial(object.value(QLatin1String("serial")).toString())
    , m_type(object.value(QLatin1String("type")).toString())
{
}

} // namespace network
