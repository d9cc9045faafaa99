#pragma once
// The base of every screen. Screen objects live for the whole run; a screen's resources live
// from its Load to its Kill.

#include <memory>
#include <string>

#include "host/THost.h"
#include "media/Media.h"

class JsonObject;
class TMenu;
class TSprite;

class TScreen {
public:
    explicit TScreen(const THost& host) : Host(host) {}
    virtual ~TScreen() = default;

    media::Image Image;
    std::shared_ptr<TSprite> Header;
    std::string Ext = ".png";
    std::shared_ptr<TMenu> Menu;
    std::string name;
    // Keep the screen's resources when leaving it; skip Load and Start on the next entry.
    bool StopKill = false;
    bool StopInit = false;

    virtual void ImageLoad(const std::string& file, int flags);
    // The header picture (image folder + name + Ext), centred on (x, y).
    virtual void HeaderLoad(const std::string& file, float x, float y);
    virtual void PreStart();
    virtual void ResetStops();
    virtual void Load() {}
    virtual void Start();
    virtual void CoreStart();
    virtual void PostFadeIn() {}
    virtual void Kill();
    virtual void Logic();
    // Runs in place of Logic while a dialog is open over the screen: what moves on behind the
    // dialog without input (a turning picture, a clock that keeps running). A screen that moves
    // something here says so in StillUntilInput.
    virtual void LogicUnderDialog() {}
    // True when nothing the screen shows can change by itself, only through input (here or in a
    // dialog over it), so a still frame may wait for input however long it comes. Anything that
    // changes it after a time (a blink, a timer, a delayed effect) answers false.
    [[nodiscard]] virtual bool StillUntilInput(bool underDialog) const { return underDialog; }
    // Without input, the logic steps from now before the picture next changes, where the screen
    // can tell (a ring drawn anew every few steps of its turn): the loop sleeps until then. 0
    // when it may change at any step.
    [[nodiscard]] virtual int StepsUntilChange() const { return 0; }
    // Once only small things have moved for a while (a glint, a fizz), the steps from now before
    // the screen's slow ones next move, where it can tell: the loop sleeps until then, as the
    // little else that might move can wait as long. 0 when it cannot tell.
    [[nodiscard]] virtual int StepsUntilCalmChange() const { return 0; }
    // Those answers from a count of steps left that need not be whole: at least one, and a hair
    // short of a whole step is that step.
    [[nodiscard]] static int StepsLeft(float steps);
    virtual void Draw();
    // The screen's picture drawn solid over the whole canvas (a cleared canvas without one);
    // leaves alpha blending on for what comes over it.
    void DrawBackground() const;
    // Where Escape leads from this screen: sets `destination` (the exit screen unless changed)
    // and returns the fade length in milliseconds, 0 for the host's default.
    virtual int SetEscDestination(TScreen*& destination);
    virtual void SpecificKeys() {}
    // The key a pad button stands for on this screen, where it differs from the game's usual
    // one (a screen with undo and hint in place of power tokens); 0 keeps the usual key.
    [[nodiscard]] virtual int PadKey(media::PadButton) const { return 0; }

    // Adds this screen's fields to the state dump of scripted runs.
    virtual void AddState(JsonObject& state) const;

protected:
    THost Host;
};

// Switching to this screen ends the program.
class TExitScreen : public TScreen {
public:
    using TScreen::TScreen;
};
