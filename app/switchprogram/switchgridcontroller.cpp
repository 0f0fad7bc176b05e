#include "switchgridcontroller.h"

SwitchGridController::SwitchGridController(QObject* parent)
    : QObject(parent) {
}
