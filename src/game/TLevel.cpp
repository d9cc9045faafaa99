#include "game/TLevel.h"

#include <utility>

namespace {

constexpr float GlobePixelMs = 20;
constexpr float SecondMs = 1000;

}  // namespace

TLevel::TLevel(TRandomSource& random, int level, bool tutorialGame, double now,
               std::function<float(float)> calcAnimLength)
    : Play(random, level, tutorialGame && ClampLevel(level) == 1, std::move(calcAnimLength)),
      Zindles(Play),
      Preview(Play),
      Lines(Play),
      Mover(Play, Pathfinder),
      Powers(Play),
      Vortex(Play, Powers),
      Palette(Play, Powers),
      Bomb(Play, Powers) {
    Pathfinder.SetMap(&Play.BoardState.Board);
    Zindles.Clear(now);
    Zindles.FirstDeal();
    Preview.NextDeal();
    Play.Machine.LevelScore = StartLevelScore;
    Play.Machine.SecCounter = Play.CalcAnimLength(SecondMs);
    Play.Machine.GlobeCounter = Play.CalcAnimLength(GlobePixelMs);
}

bool TLevel::Select(int x, int y) {
    if (!OnBoard(x, y)) return false;
    const int value = Play.BoardState.Board[x][y];
    // A reserved cell is a piece still in the air: picking it up would leave a stray wall.
    if (!IsMovablePiece(value)) return false;
    TSelection& s = Play.Selection;
    s.SelectedValue = value;
    s.SelectedX = x;
    s.SelectedY = y;
    s.JustSelected = true;
    IndicatorDots();
    return true;
}

bool TLevel::MoveSelectedTo(int x, int y) {
    TSelection& s = Play.Selection;
    const bool moved = s.SelectedValue != 0 && Mover.InitSprite(s.SelectedX, s.SelectedY, x, y);
    s.ClearSelection();
    return moved;
}

void TLevel::IndicatorDots() {
    TSelection& s = Play.Selection;
    Pathfinder.Reach(s.SelectedX, s.SelectedY, s.Dots);
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y)
            s.Dots[x][y] = s.Dots[x][y] && Play.BoardState.Board[x][y] == EMPTY;
    }
}

void TLevel::SelectionRules(const TPassInput& input) {
    TSelection& s = Play.Selection;
    s.CursorCellX = CursorCellX(input.MouseX);
    s.CursorCellY = CursorCellY(input.MouseY);
    s.JustSelected = false;
    if (!input.MouseHit || !PointInBoard(input.MouseX, input.MouseY)) return;

    const int x = s.CursorCellX;
    const int y = s.CursorCellY;
    if (Play.BoardState.Board[x][y] == EMPTY) {
        // An unreachable cell only drops the selection.
        MoveSelectedTo(x, y);
    } else if (x == s.SelectedX && y == s.SelectedY) {
        s.ClearSelection();
    } else {
        // Blackjacks and reserved cells leave the selection as it was.
        Select(x, y);
    }
}

void TLevel::UsePowers(const TPassInput& input) {
    if (Powers.Active == 0 || !input.MouseHit || !PointInBoard(input.MouseX, input.MouseY)) {
        return;
    }
    // Nothing acts on the board under a moving piece or a deal in the air: a shuffled or
    // cleared landing cell would leave a stray wall or a piece landing on another.
    if (Play.Selection.PieceMoving || Preview.InFlight()) return;
    const int x = CursorCellX(input.MouseX);
    const int y = CursorCellY(input.MouseY);
    switch (Powers.Active) {
        case PowerVortex:
            if (!Vortex.VortexAnim.Active) Vortex.Start();
            break;
        case PowerPalette:
            if (!Palette.BrushAnim.Active) Palette.Click(x, y);
            break;
        case PowerBomb:
            if (!Bomb.BombAnim.Active) Bomb.Click(x, y);
            break;
        default:
            break;
    }
}

void TLevel::LevelWonBranch(double now) {
    TMachine& machine = Play.Machine;
    if (machine.LevelWonPending) {
        STARTTIME = now;
        machine.LevelWonPending = false;
    }
    if (now >= STARTTIME + ENDDELAY && !LevelTime) {
        LevelTime = true;
        Play.Hooks.LevelWon();
    }
}

void TLevel::JudgeLoss(double now) {
    TMachine& machine = Play.Machine;
    const TBoardState& board = Play.BoardState;
    // A machine that filled on this very pass has won: judging a loss too would book the
    // level's time twice and leave the emptying stuck behind the celebration.
    if (machine.LevelOver || machine.Full()) return;
    if (machine.MachineEmptying || board.DealFillsBoard) {
        Zindles.Logic(now);
        return;
    }
    if (board.PiecesOnBoard >= BoardSize * BoardSize || machine.LevelScore == 0) {
        Play.Hooks.LevelLost();
        Zindles.GameOver(now);
    }
}

void TLevel::Logic(const TPassInput& input) {
    TSelection& s = Play.Selection;
    TBoardState& board = Play.BoardState;
    TMachine& machine = Play.Machine;

    // A selected piece taken by a line of the deal is no longer there to move.
    if (s.SelectedValue != 0 && board.Board[s.SelectedX][s.SelectedY] != s.SelectedValue) {
        s.ClearSelection();
    }

    if (!AnyPowerAnimating()) Powers.Buttons(input);
    UsePowers(input);

    if (machine.Full()) {
        LevelWonBranch(input.Now);
        Preview.logic(input.Delta);
        return;
    }

    if (!AnyPowerAnimating()) {
        if (Play.TutorialGame) {
            Tutorial.Logic(input);
        } else if (!s.PieceMoving && Powers.Active == 0) {
            SelectionRules(input);
        }
    }

    if (Vortex.Logic(input)) PowerCheck = true;
    Bomb.Logic(input.Delta);
    if (Palette.Logic(input.Delta)) PowerCheck = true;

    machine.CancelPending();
    Mover.Logic(input.Delta);
    if (machine.Step(input.Delta, Play.CalcAnimLength(GlobePixelMs))) Powers.Rerate();
    machine.TimeTaken += input.Delta;
    machine.ClockStep(input.Delta, Play.CalcAnimLength(SecondMs));

    if (PowerCheck) {
        Lines.ShuffleCheck();
        PowerCheck = false;
    }
    if (Mover.MoveComplete) {
        Lines.CheckForLine(Mover.FinalX, Mover.FinalY);
        Mover.MoveComplete = false;
        if (!Lines.LineFound) {
            Lines.LineStreak = 0;
            Preview.Deal();
        }
    }

    JudgeLoss(input.Now);

    // One landed piece per pass, so a full board is judged only after each has had its say.
    if (board.DealtToCheck != 0) {
        Lines.CheckForNextDealFive(board.DealtToCheck - 1);
        if (--board.DealtToCheck == 0) board.DealFillsBoard = false;
    }
    if (board.PiecesOnBoard == 0 && !Bomb.BombAnim.Active) Preview.Deal();

    Preview.logic(input.Delta);
}

bool TLevel::AtRest() const {
    const TSelection& s = Play.Selection;
    const TMachine& machine = Play.Machine;
    const TBoardState& board = Play.BoardState;
    return s.SelectedValue == 0 && !s.PieceMoving && !Mover.MoveComplete && Powers.Active == 0 &&
           !AnyPowerAnimating() && !Preview.InFlight() && board.DealtToCheck == 0 && !LevelTime &&
           !machine.Full() && !machine.LevelOver && !machine.MachineEmptying &&
           machine.PendingFill <= 0 && machine.PendingDrain <= 0;
}

void TLevel::EndTutorial() {
    Play.TutorialGame = false;
    Play.TutStep = 0;
    Play.Hooks.TutorialEnded();
    TMachine& machine = Play.Machine;
    machine.MachineFill = 0;
    // A power's cost still draining would swallow the first line of the real game, and a gift
    // still pending would refill the machine just emptied.
    machine.PendingFill = 0;
    machine.PendingDrain = 0;
    machine.LevelScore = StartLevelScore;
    machine.SecCounter = Play.CalcAnimLength(SecondMs);
    if (Powers.Active == 0) Powers.Rerate();
}
