#include "presentation/TGameSound.h"

#include "presentation/Names.h"
#include "presentation/TChannelArray.h"
#include "presentation/TPresentationContext.h"
#include "system/CheckedLoaders.h"

std::shared_ptr<TGameSound> TGameSound::Create(const std::string& path, int flags) {
    auto gameSound = std::make_shared<TGameSound>();
    gameSound->Load(path, flags);
    return gameSound;
}

void TGameSound::Load(const std::string& path, int flags) {
    name = BaseNameUpper(path);
    sound = LoadSoundChecked(path, flags);
}

void TGameSound::PlayInChannel(media::Channel& channel, float pan) const {
    PresentationContext().GameSoundPlay(channel, *this, pan);
}

void TGameSound::PlayEffect(media::Channel* fallback) const {
    if (TChannelArray* channels = PresentationContext().Channels) {
        channels->PlayGameSound(*this, nullptr, 1.0f, 0.0f);
    } else if (fallback != nullptr) {
        PlayInChannel(*fallback, 0.0f);
    }
}
