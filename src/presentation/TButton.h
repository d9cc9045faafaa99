#pragma once
// An image button: hover, pressed and disabled looks, hover and click sounds, a glow, growth
// while hovered and an optional caption. Its pictures are handled at their top-left corner, so
// x and y are the button's top-left. The owner calls Manage once per logic step and Draw once
// per frame; Clicked is the result of the step.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "media/Media.h"
#include "presentation/TColor.h"
#include "presentation/TGameImage.h"
#include "presentation/TGameSound.h"
#include "presentation/TLabel.h"
#include "presentation/TMouseRepeat.h"
#include "presentation/TShadow.h"
#include "presentation/TSprite.h"

class TButton : public TSprite {
public:
    std::shared_ptr<TGameImage> ImageDisabled;
    std::shared_ptr<TGameImage> ImageMouseClick;
    std::shared_ptr<TGameImage> ImageMouseOver;
    std::shared_ptr<TGameSound> SoundMouseOver, SoundClick, SoundClick2;
    std::shared_ptr<TLabel> Caption;
    std::optional<TMouseRepeat> MouseRepeat;
    int Active = 1;
    int AlwaysDraw = 0;
    int ClickDisabled = 1;
    int ClickWhenDown = 0;
    int Disabled = 0;
    int OKButton = 0;
    int OKButtonUseSpace = 1;
    int UseMenuPath = 0;
    // Hover counts only while this returns non-zero (when set).
    std::function<int()> MouseOverUserFunction;
    int Clicked = 0;
    int MouseOver = 0;
    int FixedGlowOnMO = 0;
    float MouseClickCounter = 0;
    float MouseClickDuration = 0;
    int NoSound = 0;
    float ScaleOnMO = 1;

    // Loads the pictures (`frames` cells of cellWidth by cellHeight when above 1) and the
    // sounds named (none for an empty name). Missing pictures or sounds are fatal.
    void Load(const std::string& buttonName, const std::string& mouseOverName,
              const std::string& mouseOverSound, const std::string& clickSound, int cellWidth,
              int cellHeight, int frames);
    void LoadImages(const std::string& buttonName, const std::string& mouseOverName, int cellWidth,
                    int cellHeight, int frames);
    void LoadDisabled(const std::string& file);
    void LoadMouseClick(const std::string& file, float milliseconds);
    static std::shared_ptr<TButton> CreateSpecial(const std::string& buttonName,
                                                  const std::string& mouseOverName,
                                                  const std::string& mouseOverSound,
                                                  const std::string& clickSound);
    // The folder the pictures come from: the menu folder or the image folder.
    std::string GetPath() const;
    void Init() override;

    void SetupCaption(const std::string& text, const media::Font& imageFont,
                      const std::optional<TColor>& color, const std::optional<TShadow>& shadow,
                      std::shared_ptr<TBitmapFont> bitmapFont,
                      const std::optional<TColor>& inverseColor);
    void SetupScaleOnMO(float max, float upSpeed, float downSpeed);
    void SetupMouseRepeat(int initialDelayMs, int repeatDelayMs);
    void SetFixedGlowOnMO(float max, float glowSpeed, int useMouseOverImage);

    // Centred across the screen at the given top.
    void CentreX(float py) override;
    void MoveBy(float mx, float my);
    void MoveTo(float px, float py);

    void ClearClick();
    // 1 when the click was taken.
    int Click(int useClick2);
    void SimulateClick();
    // A menu may move its keyboard highlight onto this button.
    [[nodiscard]] bool TakesKeyFocus() const;
    // Nothing on the button moves by itself: no glow, growth, click or frame animation playing
    // out, under the pointer or not.
    [[nodiscard]] bool Settled() const;
    void Manage();
    void ManageNoSound();
    void ManageScaleOnMO();
    void FixedGlowOnMOActivate();
    // Nothing unless active or always drawn.
    void Draw() override;
    void DrawCaption();
    void PlayClick();
    void PlayClick2();
    void PlayMouseOver();
    void Kill() override;

private:
    void DrawLook(const TGameImage& look, int drawFrame, bool glow);
    void DrawCaptionPressed();
    [[nodiscard]] bool TakesInput() const;
    [[nodiscard]] bool PointerOver() const;

    // The caption's look while the button is held down, and while it is disabled.
    std::optional<TColor> CaptionDownColor;
    float CaptionDownScale = 1;
    float CaptionDownOffsetX = 0, CaptionDownOffsetY = 0;
    std::optional<TColor> CaptionDisabledColor;
    // Hover effects; SetFixedGlowOnMO and SetupScaleOnMO set all but the first.
    int AutoGlowOnMO = 0;
    int FixedGlowOnMOUseMO = 0;
    float ScaleOnMOMax = 1;
    float ScaleOnMOUpSpeed = 0.03f;
    float ScaleOnMODownSpeed = 0.01f;
    // Its own channels, used when the host shares none.
    media::Channel ChannelMouseOver, ChannelClick;
    int OldRoundedCoords = 0;  // the caption's rounding, put back after each draw
};
