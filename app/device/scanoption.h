#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

// What a device scan is for: the argument of the QML scan component.
class ScanOption : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Only an enum")

public:
    enum ScanKind { GetData = 0, ProjectExport = 1, DirectCommand = 2 };
    Q_ENUM(ScanKind)

    ScanOption() = delete;
};
