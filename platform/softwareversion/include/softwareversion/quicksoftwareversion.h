#pragma once

#include <QObject>
#include <QString>

namespace softwareversion {

// The program's version for the views: the singleton SoftwareVersion of the QML module
// "softwareversion" 1.0. One object lives for the whole run; it is made before the
// application object, so it reads the application's version when asked, not when built.
class QuickSoftwareVersion : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString version READ version CONSTANT)
    Q_PROPERTY(QString qtVersion READ qtVersion CONSTANT)
    Q_PROPERTY(QString text READ text CONSTANT)

public:
    QuickSoftwareVersion();
    ~QuickSoftwareVersion() override;

    QString version() const;
    QString qtVersion() const;
    // "<application name> <version> (Qt <qt version>)"
    QString text() const;
};

} // namespace softwareversion
