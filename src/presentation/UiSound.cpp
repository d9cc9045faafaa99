#include "presentation/UiSound.h"

#include "presentation/TChannelArray.h"
#include "presentation/TPresentationContext.h"

void PlayUiSound(const TGameSound& sound) {
    TPresentationContext& context = PresentationContext();
    if (context.Channels) {
        context.Channels->PlayGameSound(sound, nullptr, 1, 0);
        return;
    }
    media::Channel channel;
    context.GameSoundPlay(channel, sound, 0);
}
