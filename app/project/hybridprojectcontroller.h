#pragma once

#include "astroprojectcontroller.h"

// An astronomic project whose channels are each plain or astronomic after their stored function.
class HybridProjectController : public AstroProjectController {
    Q_OBJECT
public:
    using AstroProjectController::AstroProjectController;

    bool isAstro() const override { return false; }
    bool isHybrid() const override { return true; }
    // Only channels whose controller exists count.
    bool hasAstroChannels() const override;

public slots:
    ChannelController* channel(int index) override;
};
