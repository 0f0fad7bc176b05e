#pragma once

#include "channelcontroller.h"

// The channel controller type the twilight views name; twilight channels use the plain one.
class NoctaChannelController : public ChannelController {
    Q_OBJECT
public:
    using ChannelController::ChannelController;
};
