#include "game/TGameScreen.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "game/GameResources.h"
#include "host/JsonObject.h"
#include "host/TDataPaths.h"
#include "host/TDisplay.h"
#include "host/TFixedRateLogic.h"
#include "host/TMainLoop.h"
#include "host/TPlayerSession.h"
#include "host/TScreenSwitcher.h"
#include "presentation/TMenu.h"
#include "presentation/TMousePointer.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TResources.h"
#include "store/Progress.h"
#include "store/TProfile.h"
#include "system/LocalNumber.h"
#include "system/Translate.h"

namespace {

constexpr float HudShadowOffset = 3;
constexpr float HudShadowAlpha = 0.4f;
constexpr const char* MenuButton = "menu";
constexpr float MenuButtonX = 53;
constexpr float MenuButtonY = 531;

std::vector<int> Values(const std::array<int, 3>& values) {
    return {values.begin(), values.end()};
}

}  // namespace

TGameScreen::TGameScreen(const THost& host, TResources& resources)
    : TScreen(host),
      Effects(resources),
      Full(host.Audio),
      Clock([] { return static_cast<double>(media::MilliSecs()); }),
      Resources(resources) {
    name = "game";
}

std::string TGameScreen::BoardJson(const TCells& board) {
    std::string text = "[";
    for (int x = 0; x < BoardSize; ++x) {
        text += x == 0 ? "[" : ",[";
        for (int y = 0; y < BoardSize; ++y) {
            if (y != 0) text += ",";
            text += std::to_string(board[x][y]);
        }
        text += "]";
    }
    return text + "]";
}

void TGameScreen::Load() {
    ImageLoad("GameBoard.png", -1);
    const TSoundBank& sounds = Resources.SoundBank;
    Click = sounds.Find("click");
    Boom = sounds.Find("boom");
    Paint = sounds.Find("paint");
    Error = sounds.Find("error");
    DealSnd = sounds.Find("deal");
    Score = sounds.Find("score");
    Fail = sounds.Find("fail");
    const TImageBank& images = Resources.ImageBank;
    BoardDrawing.Load(images);
    PathGlow.Load(images);
    Tokens.Load(images);
    PowerEffects.Load(images);
    Effects.Load();
    Full.Load(sounds);
    TutorialPanel.Load(images);
    Full.Finished = [this] { Host.Screens.FadeTo(LevelCompleteScreen); };
    Host.Session.Best.emplace(TSaveBest::Create(Host.Paths.SubPath));
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
    Menu->SetShadow(1, HudShadowOffset, HudShadowOffset, HudShadowAlpha);
    // The arrows, Space and Enter play the board; Escape opens the in-game menu.
    Menu->KeyNavigation = 0;
    const auto button = Menu->AddQuick(MenuButton, "");
    button->SetPosition(MenuButtonX, MenuButtonY);
    if (GameMenu != nullptr) GameMenu->Load();
    Host.Presentation.FadeMusic = false;
}

void TGameScreen::Start() {
    TScreen::Start();
    Effects.Clear();
    // A seeded run plays the same level every time; otherwise the clock picks it.
    const double seed = Seed ? static_cast<double>(*Seed) : Clock();
    Level = std::make_unique<TLevel>(
        Random, Player.Level, Player.SaveData.Tutorial == 1, seed,
        [&timing = Host.Timing](float ms) { return timing.CalcAnimLength(ms); });
    WireHooks();
    LevelStarted(*Level);
    ProgressLevelStart(Player);
    PathGlow.Init();
    Host.Screens.FadeIn(0);
    Host.Timing.Init();
}

void TGameScreen::CoreStart() {
    TScreen::CoreStart();
    Host.Loop.IgnoreEscapeKey = 1;
    if (GameMenuOpen()) Host.Screens.FadeIn(0);
    Host.Timing.Init();
}

void TGameScreen::Kill() {
    TScreen::Kill();
    Level.reset();
    BoardDrawing.Kill();
    PathGlow.Kill();
    Tokens.Kill();
    PowerEffects.Kill();
    Effects.Kill();
    Full.Kill();
    TutorialPanel.Kill();
    for (auto* sound : {&Click, &Boom, &Paint, &Error, &DealSnd, &Score, &Fail}) sound->reset();
    if (GameMenu != nullptr) GameMenu->Kill();
}

void TGameScreen::WireHooks() {
    TPlayHooks& hooks = Level->Play.Hooks;
    const TMachine& machine = Level->Play.Machine;
    hooks.DealStarted = [this](int) { PlaySound(DealSnd); };
    hooks.LineRemoved = [this, &machine](const TLineRemoval& removal) {
        PlaySound(Score);
        Effects.LineRemoved(removal, machine.MachineFill);
    };
    hooks.MoverLeftCell = [this](int x, int y) { Effects.Trail(x, y); };
    hooks.VortexSweep = [this] { PlaySound(Click); };
    hooks.PowerStarted = [this](int power) {
        if (power == PowerPalette) PlaySound(Paint);
        if (power == PowerBomb) PlaySound(Boom);
    };
    hooks.PowerRefused = [this] { PlaySound(Error); };
    hooks.PowerPaid = [this, &machine](int, int burst) {
        Effects.DrainBurst(burst, machine.MachineFill);
    };
    hooks.MachineEmptyingStep = [this] { PlaySound(Fail); };
    hooks.LevelLost = [this] { LevelLost(); };
    hooks.GameOverScreen = [this] { Host.Screens.FadeTo(GameOverScreen); };
    hooks.LevelWon = [this] { LevelWon(); };
    hooks.TutorialEnded = [this] { ProgressTutorialEnded(Player, Host.Session.Profile.get()); };
}

void TGameScreen::PlaySound(const std::shared_ptr<TGameSound>& sound) const {
    if (sound) sound->PlayEffect();
}

void TGameScreen::LevelWon() {
    const TMachine& machine = Level->Play.Machine;
    Player.TimeTaken = machine.TimeTaken;
    ProgressLevelWon(Player, machine.LevelScore, *Host.Session.Best);
}

void TGameScreen::LevelLost() {
    Player.TimeTaken = Level->Play.Machine.TimeTaken;
    ProgressLevelLost(Player);
}

void TGameScreen::GameStart() {
    ProgressGameStart(Player, Host.Session.Profile.get());
}

void TGameScreen::Logic() {
    if (GameMenu != nullptr) GameMenu->Logic();
    if (!Level) return;
    TMachine& machine = Level->Play.Machine;
    if (GameMenuOpen()) {
        Level->Preview.logic(PresentationContext().Delta);
        Effects.Move();
        return;
    }
    TScreen::Logic();

    // Once the machine is full nothing moves in it any more: no surface, no glow.
    const bool full = machine.Full();
    TPassInput input;
    input.Delta = PresentationContext().Delta;
    input.MouseX = Host.Display.Mouse().x;
    input.MouseY = Host.Display.Mouse().y;
    input.MouseHit = Host.Display.Mouse().h1 > 0;
    input.Now = Clock();
    KeyCursor.Steer(input, Host.Display.Mouse().Hidden != 0);
    PointerX = input.MouseX;
    PointerY = input.MouseY;
    Level->Logic(input);

    Player.TimeTaken = machine.TimeTaken;
    if (Level->Powers.Active != 0) Tokens.Logic(PresentationContext().Delta);
    if (!full) {
        if (Level->Play.Selection.JustSelected) PathGlow.Init();
        PathGlow.Manage(PresentationContext().Delta);
        Effects.Surface(PresentationContext().Delta, machine.MachineFill);
    }
    if (Level->LevelTime) Full.Logic(PresentationContext().Delta, machine);
    Effects.Move();
    if (Menu && Menu->Clicked(MenuButton)) ShowGameMenu(1);
}

int TGameScreen::StepsUntilCalmChange() const {
    if (!Level || GameMenuOpen() || !Level->AtRest() || !Effects.OnlySurface() ||
        (Menu && !Menu->Settled()))
        return 0;
    const int fizz = Effects.StepsUntilSurfaceMoves();
    const int tick = Level->Play.Machine.StepsUntilScoreTicks();
    return tick > 0 ? std::min(fizz, tick) : fizz;
}

void TGameScreen::Draw() {
    // The background only: the menu button goes over the board's effects, below the
    // celebration.
    DrawBackground();
    if (!Level) return;
    const TPlayState& play = Level->Play;
    const bool colourBlind = ColourBlind();
    if (play.Selection.SelectedValue != 0) PathGlow.Draw(play.Selection);
    BoardDrawing.DrawPreview(Level->Preview, play.BoardState, colourBlind);
    BoardDrawing.DrawBoard(play.BoardState, play.Machine.MachineFill, colourBlind);
    KeyCursor.Draw();
    Tokens.Draw(Level->Powers, PointerX, PointerY);

    Effects.DrawUnderMover();
    if (play.Selection.PieceMoving) BoardDrawing.DrawMover(Level->Mover, colourBlind);
    Effects.DrawOverMover();
    PowerEffects.Draw(Level->Bomb, Level->Palette);

    HudDraw();
    if (Menu) Menu->Draw(0, 0);
    if (Level->LevelTime) Full.Draw();
    TutorialDraw();
    if (GameMenu != nullptr) GameMenu->Draw();
}

void TGameScreen::HudDraw() const {
    const std::shared_ptr<TBitmapFont>& font = Resources.FontMedium;
    if (!font || !Level) return;
    media::SetBlend(media::ALPHABLEND);
    TPresentationContext& context = PresentationContext();
    context.TextShadowX = HudShadowOffset;
    context.TextShadowY = HudShadowOffset;
    context.TextShadowAlpha = HudShadowAlpha;
    const std::string label = Level->Play.TutorialGame
                                  ? Tr("Tutorial")
                                  : TrFill("Level : %1", {std::to_string(Level->Play.Level)});
    font->DrawAlignedWithShadow(label, 114, 477, 1, 1, 1);
    font->DrawAlignedWithShadow(Tr("Score :"), 37, 440, 0, 1, 1);
    font->DrawAlignedWithShadow(LocalNumber(Level->Play.Machine.LevelScore), 132, 440, 0, 1, 1);
}

void TGameScreen::TutorialDraw() {
    if (Level) {
        TutorialPanel.Draw(Level->Tutorial.Box(), Resources.FontTutorial,
                           Resources.FontTutorialSmall);
    }
}

int TGameScreen::SetEscDestination(TScreen*& destination) {
    if (TitleScreen != nullptr) destination = TitleScreen;
    return 0;
}

void TGameScreen::AddState(JsonObject& state) const {
    TScreen::AddState(state);
    if (!Level) return;
    const TPlayState& play = Level->Play;
    const TMachine& machine = play.Machine;
    const TSelection& selection = play.Selection;
    state.Set("Level", play.Level);
    state.SetRaw("Board", BoardJson(play.BoardState.Board));
    state.Set("PiecesOnBoard", play.BoardState.PiecesOnBoard);
    state.Set("MachineFill", static_cast<double>(machine.MachineFill));
    state.Set("PendingFill", static_cast<double>(machine.PendingFill));
    state.Set("PendingDrain", static_cast<double>(machine.PendingDrain));
    state.Set("LevelScore", machine.LevelScore);
    state.Set("LineStreak", Level->Lines.LineStreak);
    state.Set("Next3", Values(Level->Preview.Next3));
    state.Set("Last3", Values(Level->Preview.Last3));
    state.Set("NextScale", static_cast<double>(Level->Preview.NextScale));
    state.Set("SelectedX", selection.SelectedX);
    state.Set("SelectedY", selection.SelectedY);
    state.Set("SelectedValue", selection.SelectedValue);
    state.Set("PieceMoving", selection.PieceMoving ? 1 : 0);
    state.Set("DealtToCheck", play.BoardState.DealtToCheck);
    state.Set("VOFF", Level->Powers.VOFF);
    state.Set("POFF", Level->Powers.POFF);
    state.Set("BOFF", Level->Powers.BOFF);
    state.Set("Active", Level->Powers.Active);
    state.Set("MachineEmptying", machine.MachineEmptying ? 1 : 0);
    state.Set("TimeTaken", static_cast<double>(machine.TimeTaken));
    state.Set("KeyCell", std::vector<int>{KeyCursor.X, KeyCursor.Y});
    state.Set("KeySteering", KeyCursor.Steering ? 1 : 0);
    TutorialPanel.AddState(state, *Level);
    if (GameMenu != nullptr && GameMenuOpen()) {
        JsonObject menu;
        GameMenu->AddState(menu);
        state.Set("GameMenu", menu);
    }
}
