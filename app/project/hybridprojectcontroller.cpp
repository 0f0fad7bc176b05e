#include "hybridprojectcontroller.h"

#include <algorithm>

bool HybridProjectController::hasAstroChannels() const {
    const QHash<int, ChannelController*>& cached = channels();
    return std::any_of(cached.cbegin(), cached.cend(), [](const ChannelController* controller) {
        return controller->channelType() == ChannelController::AstroType;
    });
}

ChannelController* HybridProjectController::channel(int index) {
    if (ChannelController* cached = cachedChannel(index))
        return cached;
    const storage::StorableRef<storage::ProgramData> data = projectData();
    const storage::StorableRef<storage::Channel> stored = data.isNull() ? storage::StorableRef<storage::Channel>() : data->constChannel(index);
    const int function = stored.isNull() ? storage::Channel::TimeFunction : stored->function();
    ChannelController* controller = cache(index, createChannelController(index, function));
    emit hasAstroChannelsChanged();
    return controller;
}
