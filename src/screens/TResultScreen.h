#pragma once
// What the screens after a level have in common: a background, a header picture, the result
// lines read from the play screen's player record and an OK button (Enter, Space or a click
// anywhere) that leads on.

#include <string>

#include "host/TScreen.h"
#include "screens/TResultLines.h"

class TPlayer;
class TResources;

class TResultScreen : public TScreen {
public:
    // Draws with the fonts of `resources`, which must outlive the screen.
    explicit TResultScreen(const TResources& resources)
        : Results(resources), Resources(resources) {}

    // Set at start-up: the play screen's player record, the play screen and the title screen
    // (or what stands in its place). Without a record the screen shows no results and changes
    // no progress.
    TPlayer* Player = nullptr;
    TScreen* PlayScreen = nullptr;
    TScreen* TitleScreen = nullptr;
    TResultLines Results;

    void Kill() override;
    void Logic() override;
    void Draw() override;
    int SetEscDestination(TScreen*& destination) override;

    // The y of the first result line: three lines centred a little above the middle.
    static constexpr int ResultsY = (600 - 3 * 45) / 2 - 50;

protected:
    const TResources& Resources;

    void LoadFurniture(const std::string& background, const std::string& header);
    // After the screen's own set-up: the base start and the host's fade-in.
    void StartAndFadeIn();
    // Where OK leads; none leaves the player here.
    [[nodiscard]] virtual TScreen* NextScreen() const = 0;
    // Anything to do before leaving by OK.
    virtual void BeforeLeaving() {}
    // Text drawn under the result lines.
    virtual void DrawNotes() const {}
};
