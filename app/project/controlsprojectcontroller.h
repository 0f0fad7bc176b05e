#pragma once

#include "hybridprojectcontroller.h"

// A hybrid project of a controls model.
class ControlsProjectController : public HybridProjectController {
    Q_OBJECT
public:
    using HybridProjectController::HybridProjectController;

    bool isControls() const override { return true; }
};
