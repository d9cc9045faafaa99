#include "game/TPowers.h"

#include <algorithm>

#include "game/LevelTables.h"

namespace {

constexpr int Armed = 2;

// Hit rectangles of the vortex, palette and bomb tokens.
constexpr TPowers::TTokenRect Tokens[3] = {
    {30, 59, 88, 117}, {85, 36, 143, 94}, {140, 59, 198, 117}};

// In the tutorial each power can be armed only until the script has moved past it.
constexpr int TutorialVortexLastStep = 10;
constexpr int TutorialPaletteLastStep = 14;

}  // namespace

TPowers::TPowers(TPlayState& play)
    : SCost(4 * FillPerZindle[play.Level]),
      PCost(8 * FillPerZindle[play.Level]),
      BCost(12 * FillPerZindle[play.Level]),
      Play(play) {}

int& TPowers::State(int power) {
    switch (power) {
        case PowerVortex:
            return VOFF;
        case PowerPalette:
            return POFF;
        default:
            return BOFF;
    }
}

int TPowers::Cost(int power) const {
    switch (power) {
        case PowerVortex:
            return SCost;
        case PowerPalette:
            return PCost;
        default:
            return BCost;
    }
}

void TPowers::Rerate() {
    for (int power = PowerVortex; power <= PowerBomb; ++power) {
        State(power) = Play.Machine.MachineFill >= Cost(power) ? 1 : 0;
    }
}

TPowers::TTokenRect TPowers::TokenRect(int power) {
    return Tokens[std::clamp(power, PowerVortex, PowerBomb) - 1];
}

int TPowers::TokenAt(int mouseX, int mouseY) {
    for (int power = PowerVortex; power <= PowerBomb; ++power) {
        const TTokenRect& r = Tokens[power - 1];
        if (State(power) > 0 && mouseX > r.left && mouseX < r.right && mouseY > r.top &&
            mouseY < r.bottom) {
            return power;
        }
    }
    return 0;
}

bool TPowers::MayArm(int power) const {
    if (!Play.TutorialGame) return true;
    if (power == PowerVortex) return Play.TutStep < TutorialVortexLastStep;
    if (power == PowerPalette) return Play.TutStep < TutorialPaletteLastStep;
    return true;
}

void TPowers::Buttons(const TPassInput& input) {
    for (int power = PowerVortex; power <= PowerBomb; ++power) {
        if (State(power) < Armed) State(power) = Play.Machine.MachineFill >= Cost(power) ? 1 : 0;
    }
    if (VOFF == 1) VortexOffered = true;
    if (!input.MouseHit) return;

    const int power = TokenAt(input.MouseX, input.MouseY);
    if (power != 0) {
        if (Active == power && !Play.TutorialGame) {
            State(power) = 1;
            Active = 0;
        } else if (MayArm(power)) {
            VOFF = POFF = BOFF = 0;
            State(power) = Armed;
            Active = power;
        }
    }
    if (Active != 0) ClearPathGlow();
}
