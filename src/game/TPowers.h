#pragma once
// The three power tokens: what each costs, whether the machine can pay for it, and arming
// one with a click.

#include <array>

#include "game/TPassInput.h"
#include "game/TPlayState.h"

class TPowers {
public:
    explicit TPowers(TPlayState& play);

    // A token's hit rectangle on the screen; its edges themselves are outside.
    struct TTokenRect {
        int left, top, right, bottom;
    };
    static TTokenRect TokenRect(int power);

    // Token states: 0 not affordable, 1 affordable, 2 armed.
    int VOFF = 0;
    int POFF = 0;
    int BOFF = 0;
    // Costs in machine pixels: 4, 8 and 12 pieces' worth at this level.
    int SCost;
    int PCost;
    int BCost;
    // The armed power: 0 none, else PowerVortex, PowerPalette or PowerBomb.
    int Active = 0;
    // The vortex has been affordable at some point (the tutorial waits for it).
    bool VortexOffered = false;

    // Rates the tokens and handles a click on one; run while no power animation runs.
    void Buttons(const TPassInput& input);
    // Every token, armed or not, judged afresh against the machine (after each drained pixel).
    void Rerate();
    void ClearPathGlow() { Play.Selection.ClearSelection(); }
    int& State(int power);
    int Cost(int power) const;

private:
    // The token under the mouse, or 0; only lit tokens can be hit.
    int TokenAt(int mouseX, int mouseY);
    bool MayArm(int power) const;

    TPlayState& Play;
};
