#pragma once
// A modal box over the current screen: a picture (or a coloured rectangle), a caption and a
// small menu of buttons. It is polled like every widget: Manage once per logic step, Draw once
// per frame. Manage returns 0 while the dialog is open and its result in the step it closes:
// 1 for OK or Yes, -1 for Cancel. Dialogs take input only while they are the top of the
// host's dialog stack, which also keeps Escape from the host's own keys.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "presentation/TColor.h"
#include "presentation/TGameImage.h"
#include "presentation/TGameSound.h"
#include "presentation/TLabel.h"
#include "presentation/TMenu.h"
#include "presentation/TShadow.h"
#include "presentation/WidgetState.h"

class TDialog {
public:
    std::shared_ptr<TLabel> Caption;
    std::shared_ptr<TGameImage> Background;  // its size is the dialog's size
    int Active = 0;
    int Disabled = 0;               // buttons shown but not clickable
    std::optional<TShadow> Shadow;  // the box's drop shadow
    int DrawHighlight = 1;
    int w = 0, h = 0;
    int x = 0, y = 0;
    int Border = 20;
    TColor DialogColor;
    std::shared_ptr<TMenu> Menu;
    int MenuShow = 1;
    int Centre = 1;
    int FixedWidth = 0;
    int CaptionOX = 0, CaptionOY = 0;
    int CaptionOffsetX = 0, CaptionOffsetY = 0;
    int CaptionCentreVert = 0;
    // The menu's left and top on the screen; 0 centres it across the box, and puts it Border
    // above the box's bottom edge.
    int MenuOX = 0, MenuOY = 0;
    float DimBackground = 0;  // alpha of the darkening of the screen behind
    int CloseResultTemp = 0;
    int CloseResult = 0;  // 1 OK or Yes, -1 Cancel
    std::shared_ptr<TGameSound> ActivateSound;

    virtual ~TDialog() = default;

    // backgroundPath: a picture file, or "" for a rectangle in DialogColor. A non-zero width
    // is kept (the caption wraps to it).
    void Init(const std::string& caption, const std::string& backgroundPath, int width, int height,
              int px, int py);
    // Lays the dialog out and opens it; input pending from before is dropped.
    virtual void Start();
    void SetupCaption(const media::Font& imageFont, const std::optional<TColor>& color,
                      const std::optional<TShadow>& shadow,
                      std::shared_ptr<TBitmapFont> bitmapFont);
    virtual void CalcAll();
    virtual void CalcSize();
    virtual void CalcXY();
    [[nodiscard]] virtual float CaptionGetCentredX() const;
    virtual void SetLabelsXY();
    virtual void MenuPosition();
    [[nodiscard]] virtual float MenuGetCentredX() const;
    // 0 while open, the result in the step the dialog closes.
    virtual int Manage();
    // Manages the menu; 0 when the dialog is not active.
    int ManageCore();
    virtual void Draw();
    void DoDrawHighlight() const;
    // Closes with the result (1 or -1) and returns it.
    int Close(int result);
    void Finalise();
    virtual void Kill();

    // True when nothing in the dialog changes by itself, only through input (see
    // TScreen::StillUntilInput); a blinking cursor answers false.
    [[nodiscard]] virtual bool StillUntilInput() const { return true; }
    // The dialog's class name, for state dumps.
    [[nodiscard]] virtual std::string Kind() const { return "TDialog"; }
    // Adds this dialog's state and then that of any dialog it has open on top of itself.
    virtual void Describe(std::vector<TDialogState>& out) const;
    // Drops pending keys, typed characters, clicks and the Escape held back for dialogs.
    static void DropPendingInput();

protected:
    // Escape pressed since the last step: taken from the host when it holds Escape back for
    // the dialogs, else straight from the keys.
    static bool EscapeHit();
    static bool KeyHit(int code);
    [[nodiscard]] float CaptionHeight() const;
    void DrawBox() const;
};
