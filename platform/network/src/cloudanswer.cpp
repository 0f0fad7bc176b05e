#include "cloudanswer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace network {

QString CloudAnswer::textMember(const QByteArray& body, const char* member)
{
    return QJsonDocument::fromJson(body).object().value(QLatin1String(member)).toString();
}

int CloudAnswer::uploadResult(const QByteArray& body)
{
    // A number that is no whole number reads as -1.
    const int code = QJsonDocument::fromJson(body).object().value(QLatin1String("result")).toInt(-1);
    return code >= 0 && code <= 3 ? code : -1;
}

QList<Gateway> CloudAnswer::gateways(const QByteArray& body)
{
    QList<Gateway> list;
    const QJsonArray entries = QJsonDocument::fromJson(body).array();
    for (const QJsonValue& entry : entries)
        list.append(Gateway(entry.toObject()));
    return list;
}

CloudAnswer::Failure CloudAnswer::failure(const QByteArray& body)
{
    const QJsonObject object = QJsonDocument::fromJson(body).object();
    if (!object.contains(QLatin1String("error")))
        return {};
    const QJsonValue details = object.value(QLatin1String("originalError")).toObject().value(QLatin1String("details"));
    return {object.value(QLatin1String("error")).toString(),
            details.toObject().value(QLatin1String("message")).toString()};
}

} // namespace network
