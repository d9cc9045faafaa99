#pragma once
// The game's options: full screen, the colour-blind piece set, calmer motion (kept in the
// preferences file at once), the language, and the music and sound volumes on two sliders, which
// the arrow keys move as well as the mouse. Volumes are heard at once while a slider moves; OK and
// Escape save them to the settings file and the colour-blind flag to the player's profile, and
// return to the screen that opened the options: the title, or the
// play screen as it was left.

#include <memory>
#include <string>

#include "host/TScreen.h"
#include "media/Media.h"
#include "presentation/TSlider.h"

class TPlayer;
class TResources;

class TOptionsScreen : public TScreen {
public:
    // Draws with the shared fonts of `resources`, which must outlive the screen.
    explicit TOptionsScreen(const THost& host, const TResources& resources)
        : TScreen(host), Resources(resources) {
        name = "options";
    }

    // Set at start-up: the play screen's player record (the colour-blind flag), the credits,
    // and where to return when whoever opened the options named no Destination.
    TPlayer* Player = nullptr;
    TScreen* CreditsScreen = nullptr;
    TScreen* TitleScreen = nullptr;

    std::shared_ptr<TSlider> SFXSlider;
    std::shared_ptr<TSlider> MSCSlider;
    // The sound slider's sample click plays here only, so each waits for the one before.
    media::Channel SFXChannelClick;

    void Load() override;
    void Start() override;
    void Kill() override;
    void Logic() override;
    void Draw() override;
    int SetEscDestination(TScreen*& destination) override;
    void AddState(JsonObject& state) const override;

    // Both volumes to the settings file, the colour-blind flag to the profile.
    void SaveOptions();

private:
    const TResources& Resources;

    [[nodiscard]] int ColourBlind() const;
    void LoadToggle(int value, const std::string& buttonName);
    void ReloadToggleButton(int value, const std::string& buttonName);
    void ToggleReducedMotion();
    // The language row: a button showing the language's own name; a click moves to the next.
    void LoadLanguageButton();
    void ShowLanguage();
    // The screen to return to; the excursion ends with it.
    TScreen* TakeDestination();
};
