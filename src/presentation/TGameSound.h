#pragma once
// A loaded sample with its own volume and pitch, as kept in the sound bank.

#include <memory>
#include <string>

#include "media/Media.h"

class TGameSound {
public:
    std::string name;
    media::Sound sound;
    float pitch = 1.0f;
    float volume = 1.0f;

    // A missing or unreadable file is fatal.
    static std::shared_ptr<TGameSound> Create(const std::string& path, int flags);
    void Load(const std::string& path, int flags);
    // Plays through the host's switches and volumes; `channel` receives the channel used.
    void PlayInChannel(media::Channel& channel, float pan) const;
    // The one way to play a sound effect: on the host's channel array, balanced with the effects
    // already playing; with no array (no host running) on `fallback`, or nowhere without one.
    void PlayEffect(media::Channel* fallback = nullptr) const;
};
