#include "presentation/TGameChannel.h"

std::shared_ptr<TGameChannel> TGameChannel::Create() {
    auto channel = std::make_shared<TGameChannel>();
    channel->Channel = media::AllocChannel();
    return channel;
}

bool TGameChannel::Playing() const {
    return Channel && media::Playing(Channel);
}

void TGameChannel::Kill() {
    if (Channel) media::Stop(Channel);
    Channel.reset();
}
