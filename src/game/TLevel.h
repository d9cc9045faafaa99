#pragma once
// The rules of one level, as the play screen runs them pass by pass: selecting and moving
// pieces, deals, lines, powers, the machine and the clock, and the win and loss judgements.
// A level starts by making a new TLevel, so nothing of a level left early can leak into the
// next one.

#include <functional>

#include "game/TBomb.h"
#include "game/TLines.h"
#include "game/TMover.h"
#include "game/TPalette.h"
#include "game/TPassInput.h"
#include "game/TPathfinder.h"
#include "game/TPlayState.h"
#include "game/TPowers.h"
#include "game/TPreview.h"
#include "game/TTutorial.h"
#include "game/TVortex.h"
#include "game/TZindles.h"

class TLevel {
public:
    // `now` is the millisecond clock (it seeds the random source); `calcAnimLength` turns
    // milliseconds into logic steps at the host's current speed.
    TLevel(
        TRandomSource& random, int level, bool tutorialGame, double now,
        std::function<float(float)> calcAnimLength = [](float ms) { return ms / 5; });
    TLevel(const TLevel&) = delete;
    TLevel& operator=(const TLevel&) = delete;

    // Milliseconds between a full machine and the celebration.
    static constexpr double ENDDELAY = 700;

    TPlayState Play;
    TPathfinder Pathfinder;
    TZindles Zindles;
    TPreview Preview;
    TLines Lines;
    TMover Mover;
    TPowers Powers;
    TVortex Vortex;
    TPalette Palette;
    TBomb Bomb;

    // Look for lines on the whole board on the next pass (after a vortex or palette).
    bool PowerCheck = false;
    // The won level has been booked; the celebration runs from then on.
    bool LevelTime = false;
    // Millisecond clock when the machine became full.
    double STARTTIME = 0;

    // The script of the tutorial game; it runs instead of the selection rules.
    TTutorial Tutorial{*this};

    // One logic pass of the play screen, from the token buttons to the deal animation.
    // While the in-game menu is open the screen runs only Preview.logic instead.
    void Logic(const TPassInput& input);

    // Selects the piece on (x, y); only flavours and rainbows can be picked up.
    bool Select(int x, int y);
    // Sends the selected piece to (x, y) if it can get there, and drops the selection.
    bool MoveSelectedTo(int x, int y);
    bool AnyPowerAnimating() const {
        return Vortex.VortexAnim.Active || Palette.BrushAnim.Active || Bomb.BombAnim.Active;
    }
    // Nothing on the board or in the machine moves by itself: no piece picked up or on its way,
    // no deal, power or fill playing out, the level not over; only the clock takes points.
    [[nodiscard]] bool AtRest() const;
    // The tutorial is over: the same level goes on as a normal game with an empty machine, with
    // nothing left to fill or drain, and a fresh clock.
    void EndTutorial();

private:
    void SelectionRules(const TPassInput& input);
    void IndicatorDots();
    void UsePowers(const TPassInput& input);
    void LevelWonBranch(double now);
    void JudgeLoss(double now);
};
