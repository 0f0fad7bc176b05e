#pragma once

#include "iswitchgridcontroller.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

// The grid controller as an object QML can hold and hand to the week grid.
class SwitchGridController : public QObject, public ISwitchGridController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Made by the switch-times view controller")

public:
    explicit SwitchGridController(QObject* parent = nullptr);
};
