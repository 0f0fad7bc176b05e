#pragma once

#include "iswitchgridcontroller.h"

#include <QObject>

// The grid controller as an object QML can hold and hand to the week grid.
class SwitchGridController : public QObject, public ISwitchGridController {
    Q_OBJECT

public:
    explicit SwitchGridController(QObject* parent = nullptr);
};
