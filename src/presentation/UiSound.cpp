#include "presentation/UiSound.h"

#include "host/TGame.h"
#include "presentation/TChannelArray.h"

void PlayUiSound(const TGameSound& sound) {
    if (!Game) return;
    if (Game->Channels) {
        Game->Channels->PlayGameSound(sound, nullptr, 1, 0);
    } else {
        Game->GameSoundPlay(Game->SpecialChannel, sound, 0);
    }
}
