#include "screens/PlayLaunch.h"

#include "host/TGame.h"
#include "presentation/TGameFade.h"
#include "store/Progress.h"
#include "store/TPlayer.h"
#include "store/TProfile.h"

void FadeOutTo(TScreen* destination) {
    if (destination == nullptr) return;
    Game->DestinationTScreen = destination;
    Game->GameFade->Init(static_cast<float>(EscapeFadeLength), 1, nullptr, 1, 0);
}

void NewGameFromProfile(TPlayer& player) {
    TProfile* profile = Game->CurrentProfile.get();
    ProgressGameStart(player, profile);
    // The profile's own level is always one the player may start; level 1 always is.
    if (!ProgressLevelChosen(player, profile, player.Level)) {
        (void)ProgressLevelChosen(player, profile, 1);
    }
}
