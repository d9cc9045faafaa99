#include "screens/TClassicScreen.h"

#include <algorithm>
#include <vector>

#include "game/LevelTables.h"
#include "game/TGameScreen.h"
#include "host/JsonObject.h"
#include "host/TDataPaths.h"
#include "host/TDisplay.h"
#include "host/TFixedRateLogic.h"
#include "host/TMainLoop.h"
#include "host/TPlayerSession.h"
#include "host/TScreenSwitcher.h"
#include "presentation/TDialogStack.h"
#include "presentation/TMenu.h"
#include "presentation/TMousePointer.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TResources.h"
#include "screens/GameDialogs.h"
#include "screens/TClassicPanel.h"
#include "screens/THighScoreEntry.h"
#include "screens/THighScoresScreen.h"
#include "store/TPlayer.h"
#include "store/TProfile.h"
#include "system/InputHelpers.h"
#include "system/ReportError.h"
#include "system/TDateTime.h"
#include "system/Translate.h"

namespace {

constexpr int KeyUndo = 'U', KeyHint = 'H', KeyEscape = 27;
constexpr int MaxNameLength = 12;
constexpr float HudShadow = 3, HudShadowAlpha = 0.4f;

constexpr float ButtonX = 39;
constexpr float UndoY = 92, HintY = 150, DailyY = 208;
constexpr float MenuX = 53, MenuY = 531;
constexpr float OkX = 325, OkY = 500;

std::string LocalDate() {
    TDateTime now;
    now.Set_DateTimeCurrent();
    return TDateTime::Get_String(now, "YYYY-MM-DD");
}

}  // namespace

TClassicScreen::TClassicScreen(const THost& host, TResources& resources)
    : TScreen(host),
      NewSeed([] {
          return static_cast<std::uint64_t>(media::MilliSecs()) * 0x9E3779B97F4A7C15ULL ^
                 static_cast<std::uint64_t>(media::RandomInt(0, 0x7FFFFFFF));
      }),
      Today(LocalDate),
      Resources(resources),
      View(ViewRandom, 1, false, [](float ms) { return ms / 5; }),
      Mover(View, ViewPaths),
      Preview(View),
      Effects(resources) {
    name = "classic";
    ViewPaths.SetMap(&View.BoardState.Board);
}

TClassicScreen::~TClassicScreen() = default;

void TClassicScreen::Load() {
    ImageLoad("GameBoard.png", -1);
    const TSoundBank& sounds = Resources.SoundBank;
    DealSnd = sounds.Find("deal");
    ScoreSnd = sounds.Find("score");
    ErrorSnd = sounds.Find("error");
    FailSnd = sounds.Find("fail");
    const TImageBank& images = Resources.ImageBank;
    BoardDrawing.Load(images);
    PathGlow.Load(images);
    Effects.Load();
    View.Hooks.MoverLeftCell = [this](int x, int y) { Effects.Trail(x, y); };
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
    Menu->SetShadow(1, HudShadow, HudShadow, HudShadowAlpha);
    // The arrows, Space and Enter play the board; Escape opens the in-game menu.
    Menu->KeyNavigation = 0;
    Menu->AddQuick("menu", "")->SetPosition(MenuX, MenuY);
    Menu->AddQuick("undo", "")->MoveTo(ButtonX, UndoY);
    Menu->AddQuick("hint", "")->MoveTo(ButtonX, HintY);
    Menu->AddQuick("daily", "")->MoveTo(ButtonX, DailyY);
    if (GameMenu != nullptr) GameMenu->Load();
    Host.Presentation.FadeMusic = false;
}

void TClassicScreen::Start() {
    TScreen::Start();
    Effects.Clear();
    Entry.reset();
    LoadRecord();
    if (StartDaily) NewGame(true);
    StartDaily = false;
    PathGlow.Init();
    Host.Screens.FadeIn(0);
    Host.Timing.Init();
}

void TClassicScreen::CoreStart() {
    TScreen::CoreStart();
    Host.Loop.IgnoreEscapeKey = 1;
    if (GameMenuOpen()) Host.Screens.FadeIn(0);
    Host.Timing.Init();
}

void TClassicScreen::Kill() {
    // A name entry left unfinished must not keep the host's keys blocked.
    if (Entry) Entry->Finish();
    Entry.reset();
    TScreen::Kill();
    BoardDrawing.Kill();
    PathGlow.Kill();
    Effects.Kill();
    for (auto* sound : {&DealSnd, &ScoreSnd, &ErrorSnd, &FailSnd}) sound->reset();
    if (GameMenu != nullptr) GameMenu->Kill();
}

void TClassicScreen::LoadRecord() {
    Record = TClassicRecord{};
    Writable = true;
    SaveFile.reset();
    const TProfile* profile = Host.Session.Profile.get();
    if (profile != nullptr && !profile->Name.empty()) {
        SaveFile.emplace(Host.Paths.ProfilePath + profile->Name + ".classic");
        switch (SaveFile->Load(Record)) {
            case TClassicSaveFile::TLoaded::Read:
                // A finished game is not continued; its player starts anew.
                if (!Record.Game.Over()) {
                    SyncView();
                    return;
                }
                break;
            case TClassicSaveFile::TLoaded::Unreadable:
                Writable = false;
                break;
            default:
                break;
        }
    }
    NewGame(false);
}

void TClassicScreen::Save() {
    if (!SaveFile || !Writable) return;
    if (!SaveFile->Save(Record)) LogError("Failed to save file " + SaveFile->Path);
}

void TClassicScreen::NewGame(bool daily) {
    if (daily) {
        const std::string date = Today();
        Record.Game.NewGame(TClassicGame::DailySeed(date), date);
    } else {
        Record.Game.NewGame(NewSeed());
    }
    Phase = TPhase::Idle;
    Hint.reset();
    Save();
    SyncView();
}

void TClassicScreen::SyncView() {
    TBoardState& board = View.BoardState;
    board.Board = Record.Game.Now.Board;
    board.PiecesOnBoard = board.CountOccupiedCells();
    board.DealtToCheck = 0;
    Preview.Next3 = Record.Game.Now.Next3;
    Preview.NextScale = 1;
    Preview.count = 0;
    View.Selection.ClearSelection();
    View.Selection.PieceMoving = false;
    Mover.Visible = false;
}

void TClassicScreen::PlaySound(const std::shared_ptr<TGameSound>& sound) const {
    if (sound) sound->PlayEffect();
}

bool TClassicScreen::ColourBlind() const {
    return Player != nullptr && Player->SaveData.colorblind != 0;
}

void TClassicScreen::Logic() {
    if (GameMenu != nullptr) GameMenu->Logic();
    if (GameMenuOpen()) {
        Effects.Move();
        return;
    }
    TScreen::Logic();
    if (Entry) {
        EndLogic();
        Effects.Move();
        return;
    }
    const float delta = PresentationContext().Delta;
    TPassInput input;
    input.Delta = delta;
    input.MouseX = Host.Display.Mouse().x;
    input.MouseY = Host.Display.Mouse().y;
    input.MouseHit = Host.Display.Mouse().h1 > 0;
    KeyCursor.Steer(input, Host.Display.Mouse().Hidden != 0);
    // Read on every step, so that a key pressed during a move is not kept for later.
    const bool undoKey = KeyHitChecked(KeyUndo);
    const bool hintKey = KeyHitChecked(KeyHint);
    View.Selection.JustSelected = false;
    switch (Phase) {
        case TPhase::Idle:
            if (Menu->Clicked("menu")) {
                ShowGameMenu(1);
            } else if (Menu->Clicked("undo") || undoKey) {
                Undo();
            } else if (Menu->Clicked("hint") || hintKey) {
                ShowHint();
            } else if (Menu->Clicked("daily")) {
                AskDaily();
            } else {
                BoardInput(input);
            }
            break;
        case TPhase::Moving:
            Mover.Logic(delta);
            if (Mover.MoveComplete) MoveLanded();
            break;
        case TPhase::Dealing:
            Preview.logic(delta);
            if (!Preview.InFlight()) DealLanded();
            break;
    }
    if (View.Selection.JustSelected) PathGlow.Init();
    PathGlow.Manage(delta);
    Effects.Move();
}

void TClassicScreen::AskDaily() {
    const TClassicGame& game = Record.Game;
    if (game.Now.Moves == 0) {
        NewGame(true);
        return;
    }
    // A game in play would be lost with its undo history: the player is asked first.
    Host.Dialogs.Open(CreateQuestionDialog(Host, Resources,
                                           Tr("Leave the game in progress for the daily board?")),
                      [this](TDialog&, int result) {
                          if (result == 1) NewGame(true);
                          if (Menu) Menu->ClearStates();
                      });
}

void TClassicScreen::BoardInput(const TPassInput& input) {
    if (!input.MouseHit || !PointInBoard(input.MouseX, input.MouseY)) return;
    const int x = CursorCellX(input.MouseX);
    const int y = CursorCellY(input.MouseY);
    const TSelection& selection = View.Selection;
    if (Record.Game.Now.Board[x][y] == EMPTY) {
        StartMove(x, y);
    } else if (x == selection.SelectedX && y == selection.SelectedY) {
        View.Selection.ClearSelection();
    } else {
        Select(x, y);
    }
}

void TClassicScreen::Select(int x, int y) {
    TSelection& s = View.Selection;
    s.SelectedValue = Record.Game.Now.Board[x][y];
    s.SelectedX = x;
    s.SelectedY = y;
    s.JustSelected = true;
    ViewPaths.Reach(x, y, s.Dots);
}

void TClassicScreen::StartMove(int x, int y) {
    TSelection& s = View.Selection;
    // A cell the piece cannot reach only drops the selection, as on the level board.
    if (s.SelectedValue == 0 || !Record.Game.CanMove(s.SelectedX, s.SelectedY, x, y) ||
        !Mover.InitSprite(s.SelectedX, s.SelectedY, x, y)) {
        s.ClearSelection();
        return;
    }
    FromX = s.SelectedX;
    FromY = s.SelectedY;
    s.ClearSelection();
    Hint.reset();
    Phase = TPhase::Moving;
}

void TClassicScreen::MoveLanded() {
    Mover.MoveComplete = false;
    Turn = Record.Game.Move(FromX, FromY, Mover.FinalX, Mover.FinalY);
    // Saved before anything is shown: a kill from here on keeps the move.
    Save();
    for (const TLineRemoval& removal : Turn.MoveLines) {
        Effects.LineVanished(removal);
        PlaySound(ScoreSnd);
    }
    if (Turn.Dealt == 0) {
        SyncView();
        Phase = TPhase::Idle;
        if (Record.Game.Over()) GameOver();
        return;
    }
    TBoardState& board = View.BoardState;
    board.Board = Turn.BeforeDeal;
    for (int slot = 0; slot < Turn.Dealt; ++slot) {
        const auto cell = Turn.DealCells[slot];
        board.Board[cell[0]][cell[1]] = RESERVED;
        board.DealCells[slot] = cell;
    }
    Preview.count = Turn.Dealt;
    Preview.Last3 = Turn.DealtPieces;
    Preview.Next3 = Record.Game.Now.Next3;
    Preview.NextScale = TPreview::DealStartScale;
    PlaySound(DealSnd);
    Phase = TPhase::Dealing;
}

void TClassicScreen::DealLanded() {
    SyncView();
    for (const TLineRemoval& removal : Turn.DealLines) {
        Effects.LineVanished(removal);
        PlaySound(ScoreSnd);
    }
    Phase = TPhase::Idle;
    if (Record.Game.Over()) GameOver();
}

void TClassicScreen::Undo() {
    if (!Record.Game.Undo()) {
        PlaySound(ErrorSnd);
        return;
    }
    Hint.reset();
    Save();
    SyncView();
}

void TClassicScreen::ShowHint() {
    Hint = TClassicHint::Search(Record.Game.Now.Board);
    if (Hint->Found()) return;
    Hint.reset();
    PlaySound(ErrorSnd);
}

void TClassicScreen::GameOver() {
    Record.DailyFinished();
    Save();
    PlaySound(FailSnd);
    Menu->Kill();
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    Menu->SetShadow(1, HudShadow, HudShadow, HudShadowAlpha);
    const auto ok = Menu->AddQuick("OK", "");
    ok->OKButton = 1;
    ok->MoveTo(OkX, OkY);
    // The daily board's score is kept apart, as the day's best; only games of chance enter the
    // table.
    THighScoreList* table =
        Record.Game.Daily.empty() ? &Host.Session.ClassicTable(Host.Paths.SubPath) : nullptr;
    Entry = THighScoreEntry::Create(Menu, Resources, table, Host.Session.Name(),
                                    Record.Game.Now.Score, 0, MaxNameLength);
}

void TClassicScreen::EndLogic() {
    bool leave = false;
    if (Menu && Menu->Clicked("OK")) {
        Entry->FinishAndAdd();
        leave = true;
    } else {
        leave = Entry->Manage() == 1;
    }
    if (!leave || HighScoresScreen == nullptr) return;
    HighScoresScreen->Classic = true;
    Host.Screens.FadeTo(HighScoresScreen);
}

void TClassicScreen::Draw() {
    DrawBackground();
    TClassicPanel::Draw(Record, Resources);
    const bool colourBlind = ColourBlind();
    const TSelection& selection = View.Selection;
    if (selection.SelectedValue != 0) PathGlow.Draw(selection);
    BoardDrawing.DrawPreview(Preview, View.BoardState, colourBlind);
    // A full "machine" leaves out the cover: this board has none to fill.
    BoardDrawing.DrawBoard(View.BoardState, static_cast<float>(MachineFull), colourBlind);
    KeyCursor.Draw();
    if (Hint) {
        media::SetBlend(media::ALPHABLEND);
        TClassicPanel::CellFrame(Hint->FromX, Hint->FromY, 90, 230, 255);
        TClassicPanel::CellFrame(Hint->ToX, Hint->ToY, 90, 255, 140);
    }
    Effects.DrawUnderMover();
    if (selection.PieceMoving) BoardDrawing.DrawMover(Mover, colourBlind);
    Effects.DrawOverMover();
    if (Entry) {
        TClassicPanel::DrawEnd(Record, Resources);
        Entry->Draw();
    } else if (Menu) {
        Menu->Draw(0, 0);
    }
    if (GameMenu != nullptr) GameMenu->Draw();
}

int TClassicScreen::PadKey(media::PadButton button) const {
    switch (button) {
        case media::PadButton::X:
        case media::PadButton::LeftShoulder:
            return KeyUndo;
        case media::PadButton::Y:
        case media::PadButton::RightShoulder:
            return KeyHint;
        case media::PadButton::Start:
            return KeyEscape;
        default:
            return 0;
    }
}

void TClassicScreen::AddState(JsonObject& state) const {
    TScreen::AddState(state);
    const TClassicGame& game = Record.Game;
    state.SetRaw("Board", TGameScreen::BoardJson(game.Now.Board));
    state.Set("Next3", std::vector<int>(game.Now.Next3.begin(), game.Now.Next3.end()));
    state.Set("Score", game.Now.Score);
    state.Set("Moves", game.Now.Moves);
    state.Set("CanUndo", game.CanUndo() ? 1 : 0);
    state.Set("Daily", game.Daily);
    state.Set("GameOver", game.Over() ? 1 : 0);
    const char* phases[] = {"idle", "moving", "dealing"};
    state.Set("Phase", phases[static_cast<int>(Phase)]);
    state.Set("SelectedX", View.Selection.SelectedX);
    state.Set("SelectedY", View.Selection.SelectedY);
    state.Set("KeyCell", std::vector<int>{KeyCursor.X, KeyCursor.Y});
    JsonObject best;
    best.Set("date", Record.BestDate);
    best.Set("score", Record.BestScore);
    state.Set("DailyBest", best);
    if (Hint) {
        JsonObject hint;
        hint.Set("from", std::vector<int>{Hint->FromX, Hint->FromY});
        hint.Set("to", std::vector<int>{Hint->ToX, Hint->ToY});
        hint.Set("points", Hint->Points);
        hint.Set("run", Hint->Run);
        state.Set("Hint", hint);
    }
    if (Entry) {
        JsonObject entry;
        entry.Set("HighScore", Entry->HighScore);
        entry.Set("Active", Entry->Active());
        entry.Set("Text", Entry->InputName.Text);
        state.Set("HighScoreEntry", entry);
    }
    if (GameMenu != nullptr && GameMenuOpen()) {
        JsonObject menu;
        GameMenu->AddState(menu);
        state.Set("GameMenu", menu);
    }
}
