#pragma once

#include <QObject>
#include <QString>

class QQmlEngine;

namespace systemInfo {

// Facts about the program and the machine it runs on, for the views' information pages.
class SystemInfo : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString version READ version CONSTANT)
    Q_PROPERTY(QString build READ build CONSTANT)
    Q_PROPERTY(QString qtVersion READ qtVersion CONSTANT)
    Q_PROPERTY(QString operatingSystem READ operatingSystem CONSTANT)
    Q_PROPERTY(QString kernel READ kernel CONSTANT)
    Q_PROPERTY(QString cpuArchitecture READ cpuArchitecture CONSTANT)
    Q_PROPERTY(QString hostName READ hostName CONSTANT)
    Q_PROPERTY(QString screenResolution READ screenResolution CONSTANT)

public:
    SystemInfo(const QString& version, const QString& build, QObject* parent = nullptr);

    QString version() const;
    QString build() const;
    QString qtVersion() const;
    QString operatingSystem() const;
    QString kernel() const;
    QString cpuArchitecture() const;
    QString hostName() const;
    // "<width>x<height>" of the primary screen, empty without one.
    QString screenResolution() const;

private:
    QString m_version;
    QString m_build;
};

// Makes the facts available to QML as the singleton SystemInfo of the module "systeminfo" 1.0.
// Every engine gets its own object, owned by that engine. Returns false, with a warning, when
// the engine cannot create it.
bool init(QQmlEngine* engine, const QString& version, const QString& build);

} // namespace systemInfo
