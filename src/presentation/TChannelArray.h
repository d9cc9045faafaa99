#pragma once
// The host's sound-effect channels: handed out in turn, and with the volume of every playing
// sound balanced so that many effects at once do not add up to a roar.

#include <memory>
#include <vector>

#include "presentation/TGameChannel.h"

class TGameSound;

class TChannelArray {
public:
    std::vector<std::shared_ptr<TGameChannel>> Channels;
    float MaxVol = 1.5f;
    std::shared_ptr<TGameChannel> Current;

    static std::shared_ptr<TChannelArray> Create(int count);
    // The next usable channel after the one handed out last; null when none is usable.
    std::shared_ptr<TGameChannel> GetChannel();
    // Plays on `channel`, or on the next usable one; returns the channel used or null.
    std::shared_ptr<TGameChannel> PlayGameSound(const TGameSound& sound,
                                                std::shared_ptr<TGameChannel> channel, float volume,
                                                float pan);
    void StopGameChannel(const std::shared_ptr<TGameChannel>& channel);
    int CountPlaying() const;
    float BalanceVolumes(int extra);
    void SetVolume(float factor);
    void Manage();
    // Counting from 1; null outside the array.
    std::shared_ptr<TGameChannel> ChannelByIndex(int index) const;
    void Kill();
};
