#include "presentation/TButton.h"

#include <algorithm>

#include "presentation/TChannelArray.h"
#include "presentation/TMousePointer.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TextLog.h"
#include "system/InputHelpers.h"
#include "system/ScreenSize.h"

namespace {

constexpr int KeyEnter = 13;
constexpr int KeySpace = 32;
constexpr const char* SoundExt = ".wav";

bool HostHasChannels() {
    return PresentationContext().Channels != nullptr;
}

std::shared_ptr<TGameSound> LoadButtonSound(const std::string& name) {
    if (name.empty()) return nullptr;
    return TGameSound::Create(PresentationContext().SoundPath + name + SoundExt, 0);
}

std::shared_ptr<TGameImage> LoadTopLeft(const std::string& path, int cellWidth, int cellHeight,
                                        int frames) {
    return TGameImage::CreateAuto(path, cellWidth, cellHeight, 0, frames, -1, 0);
}

void DrawCaptionIn(TLabel& caption, const std::optional<TColor>& color, float px, float py) {
    if (color) {
        caption.ApplyCustomColor(*color);
        caption.Draw(px, py, 0);
    } else {
        caption.Draw(px, py, 1);
    }
}

}  // namespace

// ---------------------------------------------------------------- loading

void TButton::Load(const std::string& buttonName, const std::string& mouseOverName,
                   const std::string& mouseOverSound, const std::string& clickSound, int cellWidth,
                   int cellHeight, int frames) {
    SetName(buttonName);
    if (!HostHasChannels()) {
        ChannelMouseOver = media::AllocChannel();
        ChannelClick = media::AllocChannel();
    }
    LoadImages(buttonName, mouseOverName, cellWidth, cellHeight, frames);
    SoundMouseOver = LoadButtonSound(mouseOverSound);
    SoundClick = LoadButtonSound(clickSound);
    Init();
}

void TButton::LoadImages(const std::string& buttonName, const std::string& mouseOverName,
                         int cellWidth, int cellHeight, int frames) {
    const std::string folder = GetPath();
    SetImage(LoadTopLeft(folder + buttonName + ".png", cellWidth, cellHeight, frames));
    if (!mouseOverName.empty()) {
        ImageMouseOver =
            LoadTopLeft(folder + mouseOverName + ".png", cellWidth, cellHeight, frames);
    }
}

void TButton::LoadDisabled(const std::string& file) {
    ImageDisabled = TGameImage::Create(GetPath() + file + ".png", -1, 0);
}

void TButton::LoadMouseClick(const std::string& file, float milliseconds) {
    ImageMouseClick = TGameImage::Create(GetPath() + file + ".png", -1, 0);
    MouseClickDuration = PresentationContext().CalcAnimLength(milliseconds);
}

std::shared_ptr<TButton> TButton::CreateSpecial(const std::string& buttonName,
                                                const std::string& mouseOverName,
                                                const std::string& mouseOverSound,
                                                const std::string& clickSound) {
    auto button = std::make_shared<TButton>();
    button->Load(buttonName, mouseOverName, mouseOverSound, clickSound, 0, 0, 1);
    return button;
}

std::string TButton::GetPath() const {
    const TPresentationContext& context = PresentationContext();
    return UseMenuPath ? context.MenuPath : context.ImagePath;
}

void TButton::Init() {
    GetSize();
    ClearClick();
}

// ---------------------------------------------------------------- set-up

void TButton::SetupCaption(const std::string& text, const media::Font& imageFont,
                           const std::optional<TColor>& color, const std::optional<TShadow>& shadow,
                           std::shared_ptr<TBitmapFont> bitmapFont,
                           const std::optional<TColor>& inverseColor) {
    Caption = TLabel::CreateSpecial(text, x + w2, y + h2, 1, 0);
    Caption->CentreVertically = 1;
    Caption->Init(imageFont, color, shadow, 0, std::move(bitmapFont), inverseColor, "");
}

void TButton::SetupScaleOnMO(float max, float upSpeed, float downSpeed) {
    ScaleOnMOMax = max;
    ScaleOnMOUpSpeed = upSpeed;
    ScaleOnMODownSpeed = downSpeed;
}

void TButton::SetupMouseRepeat(int initialDelayMs, int repeatDelayMs) {
    MouseRepeat = TMouseRepeat::Create(initialDelayMs, repeatDelayMs);
}

void TButton::SetFixedGlowOnMO(float max, float glowSpeed, int useMouseOverImage) {
    FixedGlowOnMO = 1;
    GlowMax = max;
    GlowSpeed = glowSpeed;
    FixedGlowOnMOUseMO = useMouseOverImage;
}

// ---------------------------------------------------------------- position

void TButton::CentreX(float py) {
    MoveTo(static_cast<float>((ScreenWidth - w) / 2), py);
}

void TButton::MoveBy(float mx, float my) {
    x += mx;
    y += my;
    if (Caption) {
        Caption->X += mx;
        Caption->Y += my;
    }
}

void TButton::MoveTo(float px, float py) {
    MoveBy(px - x, py - y);
}

// ---------------------------------------------------------------- input

void TButton::ClearClick() {
    Clicked = 0;
    MouseClickCounter = 0;
    MouseOver = 0;
    Glow = 0;
}

bool TButton::TakesKeyFocus() const {
    return TakesInput();
}

bool TButton::TakesInput() const {
    return Active && (!Disabled || ClickDisabled);
}

bool TButton::PointerOver() const {
    const TMousePointer* mouse = PresentationContext().Mouse;
    if (!mouse || mouse->Hidden) return false;
    const float px = static_cast<float>(mouse->x);
    const float py = static_cast<float>(mouse->y);
    if (px < x || px >= x + static_cast<float>(w) || py < y || py >= y + static_cast<float>(h)) {
        return false;
    }
    return !MouseOverUserFunction || MouseOverUserFunction() != 0;
}

int TButton::Click(int useClick2) {
    if (MouseClickCounter > 0 && !ClickWhenDown) return 0;
    if (!Clicked && !NoSound) {
        if (useClick2 && SoundClick2) {
            PlayClick2();
        } else {
            PlayClick();
        }
    }
    Clicked = 1;
    if (ImageMouseClick) MouseClickCounter = MouseClickDuration;
    return 1;
}

void TButton::SimulateClick() {
    FixedGlowOnMOActivate();
    if (Click(0)) MouseOver = 1;
}

void TButton::FixedGlowOnMOActivate() {
    if (FixedGlowOnMO == 1 && MouseClickCounter <= 0) SetGlow(2, GlowMax, GlowSpeed, 0, GlowMax);
}

void TButton::Manage() {
    const bool input = TakesInput();
    bool hovered = false;
    if (input) {
        ManageAnim();
        if (GlowMode > 0) ManageGlow();
        hovered = PointerOver();
    }

    if (hovered) {
        if (MouseClickCounter <= 0) {
            if (!MouseOver && !NoSound) PlayMouseOver();
            MouseOver = 1;
        }
        FixedGlowOnMOActivate();
        int source = MouseRepeat ? MouseRepeat->GetButton() : 0;
        if (source == 0) {
            source = PresentationContext().Mouse->GetMh(1) > 0 ? 1 : 0;
        } else {
            // The press is this button's: nothing under it may take the same click.
            PresentationContext().Mouse->ClearMouseHit();
        }
        if (source == 0 || !Click(source == 2 ? 1 : 0)) Clicked = 0;
        if (ScaleOnMOMax > 1)
            ScaleOnMO =
                std::min(ScaleOnMO + ScaleOnMOUpSpeed * PresentationContext().Delta, ScaleOnMOMax);
    } else {
        MouseOver = 0;
        Clicked = 0;
        ManageScaleOnMO();
        if (!input && FixedGlowOnMO == 1) ManageGlow();
    }

    // A hidden button, or one that ignores the mouse while disabled, ignores its keys too.
    if (OKButton && input) {
        if (KeyHitChecked(KeyEnter) || (OKButtonUseSpace && KeyHitChecked(KeySpace))) {
            SimulateClick();
        }
    }

    if (MouseClickCounter > 0)
        MouseClickCounter = std::max(0.0f, MouseClickCounter - PresentationContext().Delta);
}

bool TButton::Settled() const {
    if (MouseClickCounter > 0 || Anim.FramesTotal >= 2 || GlowMode == 3) return false;
    if (MouseOver != 0) {
        // Under the pointer a button grows to its full size and holds its glow there.
        const bool grown = ScaleOnMOMax <= 1 || ScaleOnMO >= ScaleOnMOMax;
        return grown && (GlowMode == 0 || FixedGlowOnMO == 1 || Glow <= 0);
    }
    return ScaleOnMO <= 1 && (GlowMode == 0 || Glow <= 0);
}

void TButton::ManageNoSound() {
    const int saved = NoSound;
    NoSound = 1;
    Manage();
    NoSound = saved;
}

void TButton::ManageScaleOnMO() {
    if (ScaleOnMO > 1)
        ScaleOnMO = std::max(1.0f, ScaleOnMO - ScaleOnMODownSpeed * PresentationContext().Delta);
}

// ---------------------------------------------------------------- sounds

void TButton::PlayClick() {
    if (SoundClick) SoundClick->PlayEffect(&ChannelClick);
}

void TButton::PlayClick2() {
    if (SoundClick2) SoundClick2->PlayEffect(&ChannelClick);
}

void TButton::PlayMouseOver() {
    if (SoundMouseOver) SoundMouseOver->PlayEffect(&ChannelMouseOver);
}

// ---------------------------------------------------------------- drawing

void TButton::DrawLook(const TGameImage& look, int drawFrame, bool glow) {
    if (!look.image) return;
    const int frames = std::max(1, look.Frames());
    drawFrame = std::clamp(drawFrame, 0, frames - 1);
    const float alpha = UseAlpha ? Alpha : 1.0f;
    if (Shadow.On) {
        media::SetColor(0, 0, 0);
        media::SetAlpha(Shadow.Alpha * alpha);
        media::DrawImageFrame(look.image, x + Shadow.X, y + Shadow.Y, drawFrame);
        media::SetColor(255, 255, 255);
        media::SetAlpha(alpha);
    }
    if (Color) Color->ApplyNoAlpha();
    media::DrawImageFrame(look.image, x, y, drawFrame);
    if (Color) media::SetColor(255, 255, 255);
    if (glow && GlowMode > 0 && Glow > 0) {
        media::SetBlend(media::LIGHTBLEND);
        const int level = static_cast<int>(std::clamp(Glow, 0.0f, 1.0f) * 255);
        media::SetColor(level, level, level);
        media::DrawImageFrame(look.image, x, y, drawFrame);
        media::SetColor(255, 255, 255);
        media::SetBlend(media::ALPHABLEND);
    }
}

void TButton::Draw() {
    if (!Active && !AlwaysDraw) return;
    // A caption stays on its button, grown as the button grows under the pointer.
    const float grow = std::max(1.0f, ScaleOnMO);
    const TTextBoundsScope onButton(
        {x - w * (grow - 1) / 2, y - h * (grow - 1) / 2, w * grow, h * grow});
    media::SetBlend(media::ALPHABLEND);
    const float savedX = x, savedY = y;
    const float savedScaleX = ScaleX, savedScaleY = ScaleY;
    x += offx;
    y += offy;
    if (UseAlpha) media::SetAlpha(Alpha);
    if (Caption) OldRoundedCoords = Caption->RoundCoords;

    const bool grown = ScaleOnMO > 1;
    if (grown) {
        media::SetDrawScale(ScaleOnMO, ScaleOnMO);
        const float lookW = image ? static_cast<float>(image->w) : static_cast<float>(w);
        const float lookH = image ? static_cast<float>(image->h) : static_cast<float>(h);
        x += lookW * (1 - ScaleOnMO) / 2;
        y += lookH * (1 - ScaleOnMO) / 2;
        ScaleX = ScaleOnMO;
        ScaleY = ScaleOnMO;
    } else {
        media::SetDrawScale(ScaleX, ScaleY);
    }

    const bool glowing = GlowMode > 0 && Glow > 0;
    if (MouseClickCounter > 0 && ImageMouseClick) {
        DrawLook(*ImageMouseClick, 0, true);
        DrawCaptionPressed();
    } else if (ImageMouseOver && (MouseOver || (FixedGlowOnMOUseMO && glowing))) {
        DrawLook(*ImageMouseOver, Anim.frame, FixedGlowOnMO || AutoGlowOnMO);
        if (Caption) {
            if (Caption->InverseColor) {
                DrawCaptionIn(*Caption, Caption->InverseColor, offx, offy);
            } else {
                DrawCaption();
            }
        }
    } else if (Disabled && ImageDisabled) {
        DrawLook(*ImageDisabled, 0, false);
        if (Caption) DrawCaptionIn(*Caption, CaptionDisabledColor, offx, offy);
    } else if (image) {
        // A glow shown only on hover stays off until the pointer is over the button.
        DrawLook(*image, Anim.frame, !AutoGlowOnMO || MouseOver);
        DrawCaption();
    }

    x = savedX;
    y = savedY;
    ScaleX = savedScaleX;
    ScaleY = savedScaleY;
    if (Caption) Caption->RoundCoords = OldRoundedCoords;
    if (UseAlpha) media::SetAlpha(1);
    media::SetDrawScale(1, 1);
}

void TButton::DrawCaption() {
    if (!Caption) return;
    if (ScaleOnMO > 1) {
        media::SetDrawScale(ScaleOnMO, ScaleOnMO);
        Caption->RoundCoords = 0;
    }
    Caption->Draw(offx, offy, 1);
    Caption->RoundCoords = OldRoundedCoords;
}

void TButton::DrawCaptionPressed() {
    if (!Caption) return;
    if (CaptionDownScale != 1 || ScaleOnMO > 1) Caption->RoundCoords = 0;
    const float savedScale = Caption->Scale;
    if (ScaleOnMO > 1) {
        media::SetDrawScale(ScaleOnMO, ScaleOnMO);
        if (!Caption->BitmapFont) Caption->Scale = CaptionDownScale * ScaleOnMO;
    }
    if (CaptionDownScale != 1) Caption->ApplyScale(CaptionDownScale);
    const float grow = std::max(1.0f, ScaleOnMO);
    DrawCaptionIn(*Caption, CaptionDownColor ? CaptionDownColor : Caption->Color,
                  offx + CaptionDownOffsetX * grow, offy + CaptionDownOffsetY * grow);
    if (CaptionDownScale != 1) Caption->RestoreScale();
    Caption->Scale = savedScale;
    Caption->RoundCoords = OldRoundedCoords;
}

void TButton::Kill() {
    if (!HostHasChannels()) {
        if (ChannelMouseOver) media::Stop(ChannelMouseOver);
        if (ChannelClick) media::Stop(ChannelClick);
    }
    ChannelMouseOver.reset();
    ChannelClick.reset();
    Caption.reset();
    MouseRepeat.reset();
    TSprite::Kill();
}
