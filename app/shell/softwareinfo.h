#pragma once

#include <QObject>
#include <QString>

#include <utils/singleton.h>

// Version and build data of the program for the views, which reach it as "softwareinfo". Its QML
// type has no name: the name SoftwareInfo belongs to the software information panel.
class SoftwareInfo : public QObject, public utils::Singleton<SoftwareInfo> {
    Q_OBJECT
    Q_PROPERTY(QString projectVersion READ projectVersion CONSTANT)
    Q_PROPERTY(QString buildVersion READ buildVersion CONSTANT)
    Q_PROPERTY(QString buildDate READ buildDate CONSTANT)
    Q_PROPERTY(QString buildType READ buildType CONSTANT)
    Q_PROPERTY(QString buildTypeDebug READ buildTypeDebug CONSTANT)

public:
    inline static SoftwareInfo* m_instance = nullptr;

    explicit SoftwareInfo(QObject* parent = nullptr);
    ~SoftwareInfo() override;

    static QString projectVersion();
    static QString buildVersion();
    // Month and year of the build, "MM/yyyy".
    static QString buildDate();
    static QString buildType();
    static QString buildTypeDebug();
};
