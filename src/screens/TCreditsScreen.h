#pragma once
// Who made the game: a single column of roles and names, reached from the options. OK and
// Escape lead back to the options.

#include "host/TScreen.h"

class TResources;

class TCreditsScreen : public TScreen {
public:
    // Draws with the shared fonts of `resources`, which must outlive the screen.
    explicit TCreditsScreen(const THost& host, const TResources& resources)
        : TScreen(host), Resources(resources) {
        name = "credits";
    }

    // Set at start-up.
    TScreen* OptionsScreen = nullptr;

    void Load() override;
    void Start() override;
    void Logic() override;
    void Draw() override;
    int SetEscDestination(TScreen*& destination) override;

private:
    const TResources& Resources;
};
