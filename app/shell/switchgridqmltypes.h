#pragma once

#include "switchgrid.h"
#include "switchruler.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

// The week grid and its time scale, made by the program views.
struct SwitchGridForeign {
    Q_GADGET
    QML_FOREIGN(SwitchGrid)
    QML_NAMED_ELEMENT(SwitchGrid)
};

struct SwitchRulerForeign {
    Q_GADGET
    QML_FOREIGN(SwitchRuler)
    QML_NAMED_ELEMENT(SwitchRuler)
};
