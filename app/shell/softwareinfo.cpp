#include "softwareinfo.h"

#include "buildinfo.h"

#include <QDate>

SoftwareInfo::SoftwareInfo(QObject* parent)
    : QObject(parent)
{
    m_instance = this;
}

SoftwareInfo::~SoftwareInfo() = default;

QString SoftwareInfo::projectVersion()
{
    return QString::fromLatin1(BuildInfo::ProjectVersion);
}

QString SoftwareInfo::buildVersion()
{
    return QString::fromLatin1(BuildInfo::BuildNumber);
}

QString SoftwareInfo::buildDate()
{
    return QDate::fromString(QString::fromLatin1(BuildInfo::BuildDate), Qt::ISODate).toString(QStringLiteral("MM/yyyy"));
}

QString SoftwareInfo::buildType()
{
    return QString::fromLatin1(BuildInfo::BuildType);
}

QString SoftwareInfo::buildTypeDebug()
{
    return QString::fromLatin1(BuildInfo::BuildTypeDebug);
}
