#include "presentation/TGameSound.h"

#include "presentation/Names.h"
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
