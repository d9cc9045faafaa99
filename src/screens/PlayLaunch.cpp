#include "screens/PlayLaunch.h"

#include "host/TGame.h"
#include "store/Progress.h"
#include "store/TPlayer.h"
#include "store/TProfile.h"

void NewGameFromProfile(TPlayer& player) {
    TProfile* profile = Game->CurrentProfile.get();
    ProgressGameStart(player, profile);
    // The profile's own level is always one the player may start; level 1 always is.
    if (!ProgressLevelChosen(player, profile, player.Level)) {
        (void)ProgressLevelChosen(player, profile, 1);
    }
}
