#include "presentation/TChannelArray.h"

#include <algorithm>

#include "presentation/TGameSound.h"
#include "presentation/TPresentationContext.h"

namespace {

float SoundVolumeFactor() {
    return static_cast<float>(PresentationContext().SoundVolume) / 100.0f;
}

}  // namespace

std::shared_ptr<TChannelArray> TChannelArray::Create(int count) {
    auto array = std::make_shared<TChannelArray>();
    for (int i = 0; i < count; ++i) array->Channels.push_back(TGameChannel::Create());
    if (!array->Channels.empty()) array->Current = array->Channels.front();
    return array;
}

std::shared_ptr<TGameChannel> TChannelArray::GetChannel() {
    const size_t count = Channels.size();
    size_t next = 0;
    size_t tries = count;
    const auto last = std::find(Channels.begin(), Channels.end(), Current);
    if (last != Channels.end()) {
        // The walk starts after the channel used last and never hands that one out at once.
        next = static_cast<size_t>(last - Channels.begin()) + 1;
        tries = count - 1;
    }
    for (size_t i = 0; i < tries; ++i) {
        const auto& channel = Channels[(next + i) % count];
        if (channel->Reserved) continue;
        if (channel->PlayWhenFinished == 0 || !channel->Playing()) {
            Current = channel;
            return channel;
        }
    }
    return nullptr;
}

std::shared_ptr<TGameChannel> TChannelArray::PlayGameSound(const TGameSound& sound,
                                                           std::shared_ptr<TGameChannel> channel,
                                                           float volume, float pan) {
    if (!channel) channel = GetChannel();
    if (!channel) return nullptr;
    channel->OriginalVolume = volume;
    // The balanced volume goes to this one playing only: the bank's sound keeps its own volume
    // for the next time it is played.
    TGameSound balanced = sound;
    balanced.volume = volume * BalanceVolumes(1);
    balanced.PlayInChannel(channel->Channel, pan);
    return channel;
}

void TChannelArray::StopGameChannel(const std::shared_ptr<TGameChannel>& channel) {
    const auto found = std::find(Channels.begin(), Channels.end(), channel);
    if (found == Channels.end()) return;
    Channels.erase(found);
    channel->Kill();
    Channels.push_back(TGameChannel::Create());
    Current = Channels.back();
}

int TChannelArray::CountPlaying() const {
    return static_cast<int>(std::count_if(Channels.begin(), Channels.end(),
                                          [](const auto& channel) { return channel->Playing(); }));
}

float TChannelArray::BalanceVolumes(int extra) {
    const int playing = CountPlaying() + extra;
    const float balance =
        playing == 0 ? 1.0f : std::min(1.0f, MaxVol / static_cast<float>(playing));
    SetVolume(balance);
    return balance;
}

void TChannelArray::SetVolume(float factor) {
    const float option = SoundVolumeFactor();
    for (const auto& channel : Channels) {
        if (channel->Channel)
            media::SetVolume(channel->Channel, channel->OriginalVolume * factor * option);
    }
}

void TChannelArray::Manage() {
    BalanceVolumes(0);
}

std::shared_ptr<TGameChannel> TChannelArray::ChannelByIndex(int index) const {
    if (index < 1 || index > static_cast<int>(Channels.size())) return nullptr;
    return Channels[static_cast<size_t>(index - 1)];
}

void TChannelArray::Kill() {
    for (const auto& channel : Channels) channel->Kill();
    Channels.clear();
    Current.reset();
}
