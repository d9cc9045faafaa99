#pragma once
// The game host: owns the parts of the host and wires them together. Made once by start-up
// (and by tests that need a host); everything that uses the host receives the part it needs,
// through THost, when it is made.

#include <memory>
#include <vector>

#include "host/TAudioBuses.h"
#include "host/TDataPaths.h"
#include "host/TDisplay.h"
#include "host/TFixedRateLogic.h"
#include "host/THost.h"
#include "host/TLanguageChoice.h"
#include "host/TMainLoop.h"
#include "host/TPlayerSession.h"
#include "host/TPreferences.h"
#include "host/TScreenSwitcher.h"
#include "host/TSettings.h"
#include "presentation/TDialogStack.h"
#include "presentation/TGameFade.h"
#include "presentation/TPresentationContext.h"

class JsonObject;

class TGame {
public:
    TGame();
    ~TGame();
    TGame(const TGame&) = delete;
    TGame& operator=(const TGame&) = delete;

    // What presentation code reads of the host (step length, folders, volumes, the pointer,
    // channels and fade), installed for this host's lifetime.
    TPresentationContext Presentation;
    TFixedRateLogic Timing{Presentation.Delta};
    TDataPaths Paths{Presentation};
    TSettings Settings{Presentation, Paths};
    TPreferences Preferences{Paths};
    TLanguageChoice Language{Presentation, Preferences};
    TGameFade Fade;
    TDialogStack Dialogs;
    TDisplay Display{Settings, Timing};
    TAudioBuses Audio{Settings, Presentation, Paths, Timing, Fade};
    TScreenSwitcher Screens{Fade, Dialogs};
    TPlayerSession Session{Settings};
    TMainLoop Loop{{Timing, Presentation, Settings, Audio, Display, Screens, Dialogs, Fade}};
    TExitScreen ExitScreen{Parts()};
    // The texts of the frame being drawn, kept while a script may ask for the state.
    std::vector<TDrawnText> DrawnTexts;

    // The parts, for the screens and the objects that need the host.
    [[nodiscard]] THost Parts();

    // Start-up: the shared data folder named `subPath` under the data home, the crash check,
    // the settings, the preferences and the sound channels.
    void Init(const std::string& subPath, int channelCount);
    // The host's part of the state dump: the screen, the open dialogs, the display, pause and
    // player, and the channels.
    void AddState(JsonObject& state) const;
    // The orderly end: the clean-exit marker, and nothing left playing.
    void Kill();
};
