#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

class QMenu;

namespace core {

// An entry of a QML-declared menu that knows how to put itself into a native menu.
class AbstractMenuItem : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Abstract item")

public:
    using QObject::QObject;
    virtual void addToMenu(QMenu* menu) = 0;
};

} // namespace core
