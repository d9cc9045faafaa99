#include "game/TTutorial.h"

#include <array>

#include "game/LevelTables.h"
#include "game/TLevel.h"
#include "system/Translate.h"

namespace {

constexpr int Armed = 2;
// Machine fill given for the palette and bomb lessons, in pieces' worth at the level.
constexpr int PaletteGift = 8;
constexpr int BombGift = 11;

// Each power lesson waits for its token to be armed, then for the token to drop back once the
// power has run and its cost drains; arming clears the flag the power sets when used.
struct TLesson {
    int ArmStep;
    int Power;
    bool TPlayState::*Used;
};
constexpr TLesson Lessons[] = {{7, PowerVortex, &TPlayState::TutVortex},
                               {11, PowerPalette, &TPlayState::TutPalette},
                               {15, PowerBomb, &TPlayState::TutBomb}};

// When a step's box may show: some wait until what they talk about is on the screen.
enum class When {
    Never,
    Always,
    NoDealInFlight,
    VortexOffered,
    VortexUnused,
    NoFillPending,
    PaletteUnused,
    BombUnused
};

struct StepRow {
    When Condition;
    int X, Y;
    bool HasPointer;
    int PointerX, PointerY, ScaleX, ScaleY;
    const char* Lines[3];
    bool NextHint;
};

constexpr StepRow NoBox = {When::Never, 0, 0, false, 0, 0, 1, 1, {"", "", ""}, false};

// One row per step; the texts keep their leading blanks, which centre the short ones.
// clang-format off
constexpr std::array<StepRow, TTutorial::LastStep + 1> Steps = {{
    {When::Always, 236, 235, true, 189, 240, 1, 1,
     {TrNoop("Fill the zindle machine by"), TrNoop("building lines of 5 or more"), TrNoop("zindles of like flavor.")},
     true},
    {When::Always, 335, 394, true, 562, 479, -1, -1,
     {"", TrNoop("    Click on this zindle."), ""}, false},
    {When::Always, 335, 94, true, 562, 179, -1, -1,
     {"", TrNoop("  Now click on this space."), ""}, false},
    {When::NoDealInFlight, 320, 118, true, 273, 123, 1, 1,
     {TrNoop("Blackjacks are immovable."), TrNoop("Repaint them or blow them"), TrNoop("up.")}, true},
    {When::NoDealInFlight, 256, 378, true, 483, 383, -1, 1,
     {TrNoop("You can substitute rainbow"), TrNoop("zindles for any flavor of"), TrNoop("zindle in a line.")}, true},
    {When::Always, 276, 358, true, 503, 363, -1, 1,
     {"", TrNoop("    Click on this zindle."), ""}, false},
    {When::Always, 215, 94, true, 442, 179, -1, -1,
     {"", TrNoop("  Now click on this space."), ""}, false},
    {When::VortexOffered, 126, 108, true, 79, 113, 1, 1,
     {TrNoop("  Vortex Power activated!"), "", TrNoop("Click on the green button.")}, false},
    {When::VortexUnused, 275, 214, true, 502, 299, -1, -1,
     {TrNoop("Now click anywhere on the"), TrNoop("game board."), ""}, false},
    {When::Always, 116, 50, true, 69, 55, 1, 1,
     {TrNoop("It costs 4 zindles to use"), TrNoop("the Vortex Power."), ""}, true},
    NoBox,
    {When::NoFillPending, 178, 82, true, 131, 87, 1, 1,
     {TrNoop("  Palette Power activated!"), "", TrNoop("Click on the green button.")}, false},
    {When::PaletteUnused, 275, 154, true, 502, 239, -1, -1,
     {"", TrNoop("Now click on this zindle."), ""}, false},
    {When::Always, 170, 100, true, 123, 105, 1, 1,
     {TrNoop("It costs 8 zindles to use"), TrNoop("the Palette Power."), ""}, true},
    NoBox,
    {When::NoFillPending, 240, 98, true, 193, 103, 1, 1,
     {TrNoop("  Bomb Power activated!"), "", TrNoop("Click on the green button.")}, false},
    {When::BombUnused, 335, 274, true, 562, 359, -1, -1,
     {"", TrNoop("  Now click on this space."), ""}, false},
    {When::Always, 224, 48, true, 177, 53, 1, 1,
     {TrNoop("It costs 12 zindles to use"), TrNoop("the Bomb Power."), ""}, true},
    {When::Always, 216, 370, true, 169, 455, 1, -1,
     {TrNoop("Keep building lines and try"), TrNoop("to fill the zindle machine"), TrNoop("before your score runs out.")},
     true},
    {When::Always, 211, 460, true, 164, 545, 1, -1,
     {TrNoop("Read the Menu/Help if you"), TrNoop("want more detailed info on"), TrNoop("how to play the game.")}, true},
    {When::Always, 326, 235, false, 0, 0, 1, 1,
     {TrNoop("Click to end this tutorial"), TrNoop("and start playing the game."), ""}, true},
    NoBox,
}};
// clang-format on

}  // namespace

bool TTutorial::ClickOn(const TPassInput& input, int x, int y) const {
    const TSelection& s = Level.Play.Selection;
    return input.MouseHit && PointInBoard(input.MouseX, input.MouseY) && s.CursorCellX == x &&
           s.CursorCellY == y;
}

void TTutorial::Next() {
    ++Level.Play.TutStep;
}

void TTutorial::Logic(const TPassInput& input) {
    TPlayState& play = Level.Play;
    TSelection& s = play.Selection;
    if (s.PieceMoving) return;
    s.CursorCellX = CursorCellX(input.MouseX);
    s.CursorCellY = CursorCellY(input.MouseY);
    s.JustSelected = false;
    const bool click = input.MouseHit;
    const int pieceWorth = FillPerZindle[play.Level];

    switch (play.TutStep) {
        case 0:
        case 9:
        case 13:
        case 17:
        case 18:
        case 19:
        case 20:
            if (click) Next();
            break;
        case 3:
        case 4:
            // The box waits for the deal to land; a click before it shows would skip a lesson
            // the player never saw.
            if (click && !play.BoardState.DealAnimating) Next();
            break;
        case 1:
            if (ClickOn(input, 5, 7) && Level.Select(5, 7)) Next();
            break;
        case 2:
            if (ClickOn(input, 5, 2)) {
                Level.MoveSelectedTo(5, 2);
                // Holds the next box back from the move's start, not only from the deal's.
                play.BoardState.DealAnimating = true;
                Next();
            }
            break;
        case 5:
            if (ClickOn(input, 4, 5) && Level.Select(4, 5)) Next();
            break;
        case 6:
            if (ClickOn(input, 3, 2)) {
                Level.MoveSelectedTo(3, 2);
                Level.Powers.VortexOffered = false;
                Next();
            }
            break;
        case 10:
        case 14:
            play.Machine.PendingFill +=
                static_cast<float>((play.TutStep == 10 ? PaletteGift : BombGift) * pieceWorth);
            Next();
            break;
        case 7:
        case 8:
        case 11:
        case 12:
        case 15:
        case 16:
            PowerLesson();
            break;
        default:
            // The last step, or a step out of the table: either way the lesson is over.
            Level.EndTutorial();
            break;
    }
}

void TTutorial::PowerLesson() {
    TPlayState& play = Level.Play;
    for (const TLesson& lesson : Lessons) {
        const bool armed = Level.Powers.State(lesson.Power) == Armed;
        if (play.TutStep == lesson.ArmStep && armed) {
            play.*lesson.Used = false;
            return Next();
        }
        if (play.TutStep == lesson.ArmStep + 1 && !armed) return Next();
    }
}

TTutorialBox TTutorial::StepBox(int step) {
    TTutorialBox box;
    if (step < 0 || step > LastStep) return box;
    const StepRow& row = Steps[static_cast<size_t>(step)];
    if (row.Condition == When::Never) return box;
    box.Shown = true;
    box.X = row.X;
    box.Y = row.Y;
    box.HasPointer = row.HasPointer;
    box.PointerX = row.PointerX;
    box.PointerY = row.PointerY;
    box.PointerScaleX = row.ScaleX;
    box.PointerScaleY = row.ScaleY;
    for (size_t i = 0; i < box.Lines.size(); ++i) box.Lines[i] = Tr(row.Lines[i]);
    box.NextHint = row.NextHint;
    return box;
}

bool TTutorial::BoxDue(int step) const {
    const TPlayState& play = Level.Play;
    switch (Steps[static_cast<size_t>(step)].Condition) {
        case When::Never:
            return false;
        case When::Always:
            return true;
        case When::NoDealInFlight:
            return !play.BoardState.DealAnimating;
        case When::VortexOffered:
            return Level.Powers.VortexOffered;
        case When::VortexUnused:
            return !play.TutVortex;
        case When::NoFillPending:
            return play.Machine.PendingFill == 0;
        case When::PaletteUnused:
            return !play.TutPalette;
        case When::BombUnused:
            return !play.TutBomb;
    }
    return false;
}

TTutorialBox TTutorial::Box() const {
    const TPlayState& play = Level.Play;
    if (!play.TutorialGame || play.TutStep < 0 || play.TutStep > LastStep) return {};
    return BoxDue(play.TutStep) ? StepBox(play.TutStep) : TTutorialBox();
}
