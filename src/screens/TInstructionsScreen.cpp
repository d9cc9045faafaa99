#include "screens/TInstructionsScreen.h"

#include <algorithm>
#include <utility>

#include "host/JsonObject.h"
#include "host/TDisplay.h"
#include "host/TFixedRateLogic.h"
#include "host/TScreenSwitcher.h"
#include "presentation/TMenu.h"
#include "presentation/TMousePointer.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TResources.h"
#include "presentation/TShadow.h"
#include "presentation/TextLog.h"
#include "screens/InstructionPages.h"
#include "system/InputHelpers.h"
#include "system/LocalNumber.h"
#include "system/Translate.h"

namespace {

constexpr int KeyLeft = 37, KeyUp = 38, KeyRight = 39, KeyDown = 40;
constexpr int CellSize = 60;
constexpr float BoardLeft = 264, BoardTop = 60;
constexpr int GlowFrame = 10;
constexpr int TokenFrame = 2;
constexpr float ShadowOffset = 4;
constexpr float TextTop = 34;
constexpr float LineGap = 32;
constexpr float FooterBelowLines = 14;

// The cells lit on the pages about selecting and moving a piece: the reach of a piece.
constexpr std::pair<int, int> LitCells[] = {{4, 0}, {5, 0}, {7, 0}, {4, 1}, {5, 1}, {6, 1}, {7, 1},
                                            {8, 1}, {5, 2}, {6, 2}, {5, 3}, {6, 3}, {7, 3}, {8, 3}};

void DrawFrame(const std::shared_ptr<TGameImage>& picture, float x, float y, int frame) {
    if (picture && picture->image) media::DrawImageFrame(picture->image, x, y, frame);
}

// In black at half strength, a little below and to the right, then as it is.
void DrawWithShadow(const std::shared_ptr<TGameImage>& picture, float x, float y, int frame) {
    media::SetColor(0, 0, 0);
    media::SetAlpha(0.5f);
    DrawFrame(picture, x + ShadowOffset, y + ShadowOffset, frame);
    media::SetColor(255, 255, 255);
    media::SetAlpha(1);
    DrawFrame(picture, x, y, frame);
}

}  // namespace

void TInstructionsScreen::SetUpArrays() {
    for (auto& column : Dots) column.fill(0);
    for (const auto& [column, row] : LitCells) Dots[column][row] = 1;
}

void TInstructionsScreen::Load() {
    ImageLoad("iboard.png", -1);
    const TImageBank& images = Resources.ImageBank;
    imgTokenVortex = images.Find("TokenVortex");
    imgTokenPalette = images.Find("TokenPalette");
    imgTokenBomb = images.Find("TokenBomb");
    imgZindles = images.Find("zindles");
    imgSelect = images.Find("select");
    imgDot = images.Find("dot");
    const std::string& folder = Host.Presentation.ImagePath;
    Hdialog = TGameImage::Create(folder + "help.png", -1, 1);
    HArrow = TGameImage::CreateAuto(folder + "arrows.png", 95, 72, 0, 4, -1, 1);
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    Menu->SetShadow(1, 3, 3, 0.4f);
    // The arrows turn the pages; Tab reaches the button.
    Menu->ArrowKeys = 0;
    Menu->AddQuick("back", "")->MoveTo(53, 531);
    Glow.Init(0, 180, 0.7f);
    SelectRot = 0;
    Blink = 1;
    BlinkCounter = 0;
    Hoff = 0;
    SetUpArrays();
}

void TInstructionsScreen::Start() {
    TScreen::Start();
    Host.Screens.FadeIn(1);
}

void TInstructionsScreen::Kill() {
    TScreen::Kill();
    for (auto* picture : {&imgTokenVortex, &imgTokenPalette, &imgTokenBomb, &imgZindles, &imgSelect,
                          &imgDot, &Hdialog, &HArrow}) {
        picture->reset();
    }
}

TScreen* TInstructionsScreen::TakeDestination() {
    return Host.Screens.PopReturn(TitleScreen);
}

void TInstructionsScreen::TurnPage(int lines) {
    Hoff = std::clamp(Hoff + lines, 0, LastHoff);
    // The arrow shows at once on the new page.
    Blink = 1;
    BlinkCounter = 0;
}

void TInstructionsScreen::Logic() {
    TScreen::Logic();
    Glow.Manage();
    const float delta = Host.Presentation.Delta;
    SelectRot += delta;
    BlinkCounter += delta;
    if (BlinkCounter >= Host.Timing.CalcAnimLength(BlinkMs)) {
        Blink = Blink != 0 ? 0 : 1;
        BlinkCounter = 0;
    }
    if (!Menu || Host.Screens.Fading()) return;
    if (Menu->Clicked("back")) {
        Host.Screens.FadeTo(TakeDestination());
        return;
    }
    TMousePointer& mouse = Host.Display.Mouse();
    const int left = mouse.h1;
    const int right = mouse.h2;
    mouse.ClearMouseHit();
    // Each key is read every step, so none keeps a stale hit.
    bool forward = false, back = false;
    for (const int key : {KeyRight, KeyDown}) forward = KeyHitChecked(key) || forward;
    for (const int key : {KeyLeft, KeyUp}) back = KeyHitChecked(key) || back;
    if (left > 0 || forward) {
        TurnPage(4);
    } else if (right > 0 || back) {
        TurnPage(-4);
    }
}

int TInstructionsScreen::SetEscDestination(TScreen*& destination) {
    if (TScreen* next = TakeDestination()) destination = next;
    return 0;
}

void TInstructionsScreen::DrawDots() const {
    media::SetBlend(media::LIGHTBLEND);
    media::SetColor(140, 100, 0);
    media::SetAlpha((Glow.ratio / 2 + 0.2f) / 2.1f);
    for (int column = 0; column < 9; ++column) {
        for (int row = 0; row < 9; ++row) {
            if (Dots[column][row] == 0) continue;
            const float x = BoardLeft + static_cast<float>(CellSize * column);
            const float y = BoardTop + static_cast<float>(CellSize * row);
            DrawFrame(imgZindles, x, y, GlowFrame);
            DrawFrame(imgDot, x, y, 0);
        }
    }
    media::SetAlpha(1);
    media::SetColor(255, 255, 255);
    media::SetBlend(media::ALPHABLEND);
}

void TInstructionsScreen::DrawSampleHud() const {
    const auto& font = Resources.FontMedium;
    if (!font) return;
    constexpr float Shadow = 3, ShadowAlpha = 0.4f;
    TShadow::Create(Shadow, Shadow, ShadowAlpha).ApplyToText();
    media::SetBlend(media::ALPHABLEND);
    media::SetColor(255, 255, 255);
    font->DrawAlignedWithShadow(TrFill("Level : %1", {"1"}), 114, 477, 1, 1, 1);
    font->DrawAlignedWithShadow(Tr("Score :"), 37, 440, 0, 1, 1);
    font->DrawAlignedWithShadow(LocalNumber(873), 132, 440, 0, 1, 1);
}

void TInstructionsScreen::DrawTokens(int page) const {
    if (page == 19) DrawFrame(imgTokenVortex, 59, 88, TokenFrame);
    if (page == 20) DrawFrame(imgTokenPalette, 114, 65, TokenFrame);
    if (page == 21) DrawFrame(imgTokenBomb, 169, 88, TokenFrame);
}

void TInstructionsScreen::DrawTextBox(int page) const {
    const InstructionPage& shown = InstructionPages()[static_cast<size_t>(page - 1)];
    const auto boxX = static_cast<float>(shown.BoxX);
    const auto boxY = static_cast<float>(shown.BoxY);
    DrawWithShadow(Hdialog, boxX, boxY, 0);
    if (Blink != 0 && shown.ArrowFrame != NoArrow) {
        DrawWithShadow(HArrow, static_cast<float>(shown.ArrowX), static_cast<float>(shown.ArrowY),
                       shown.ArrowFrame);
    }
    const auto& font = Resources.FontMedium;
    if (!font || !Hdialog) return;
    const float left = boxX - Hdialog->w2 + TextLeft;
    float y = boxY - Hdialog->h2 + TextTop;
    const TTextBoundsScope inBox({boxX - Hdialog->w2, boxY - Hdialog->h2,
                                  static_cast<float>(Hdialog->w), static_cast<float>(Hdialog->h)});
    TShadow::Create(2, 2, 0.5f).ApplyToText();
    media::SetColor(255, 255, 100);
    media::SetDrawScale(TextScale, TextScale);
    for (std::string_view line : shown.Lines) {
        font->DrawAlignedWithShadow(Tr(std::string(line).c_str()), left, y, 0, 0, 0);
        y += LineGap;
    }
    const char* footer = page == InstructionPageCount ? Tr("- Click The BACK Button to exit Help -")
                                                      : Tr("- Click Anywhere for Next -");
    font->DrawAlignedWithShadow(footer, boxX, y + FooterBelowLines, 1, 0, 0);
    media::SetDrawScale(1, 1);
    media::SetColor(255, 255, 255);
}

void TInstructionsScreen::Draw() {
    DrawBackground();
    DrawSampleHud();
    const int page = Page();
    if (page == 2 || page == 3) DrawDots();
    if (imgSelect && imgSelect->image) {
        media::SetDrawRotation(SelectRot);
        media::DrawImageFrame(imgSelect->image, 744, 300, 0);
        media::SetDrawRotation(0);
    }
    DrawTokens(page);
    DrawTextBox(page);
    if (Menu) Menu->Draw(0, 0);
}

void TInstructionsScreen::AddState(JsonObject& state) const {
    TScreen::AddState(state);
    state.Set("Page", Page());
    state.Set("Hoff", Hoff);
    state.Set("Blink", Blink);
}
