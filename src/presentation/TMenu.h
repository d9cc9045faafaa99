#pragma once
// A column (or row) of buttons that reports by name the button under the pointer and the one
// clicked in this logic step. While the host's screen fade runs it takes no input.

#include <memory>
#include <string>
#include <vector>

#include "presentation/TButton.h"
#include "presentation/TGameSound.h"

class TMenu {
public:
    std::vector<std::shared_ptr<TButton>> Buttons;  // in the order added
    float x = 0, y = 0;
    int w = 0, h = 0;
    std::string MouseOverName;  // upper-cased
    std::string ClickedName;    // upper-cased
    std::shared_ptr<TGameSound> SoundMouseOver, SoundClick;
    int NextY = 0;
    int Gap = 0;
    int AddGap = 0;
    int NoSound = 0;
    int Shadow = 0;
    float ShadowX = 3, ShadowY = 3;
    float ShadowAlpha = 0.5f;
    int ClearClickedName = 1;
    int AcceptInput = 1;
    // While the pointer is hidden the keys move a highlight over the buttons and Enter or Space
    // presses the highlighted one. KeyNavigation 0 leaves every key to the owner (a play screen
    // whose arrows steer the board); ArrowKeys 0 moves the highlight with Tab only (a dialog
    // whose list takes the arrows).
    int KeyNavigation = 1;
    int ArrowKeys = 1;
    // The highlighted button's place in Buttons; -1 for none.
    int KeyFocus = -1;
    // Controls of the owner's that the keys highlight ahead of the buttons (the options
    // screen's sliders), and the one highlighted, -1 for none. While one is, Left and Right
    // are left to the owner (they move a slider's knob) and Enter presses nothing.
    int OwnerStops = 0;
    int OwnerFocus = -1;

    // Sounds are loaded from the host's sound folder; an empty name means none.
    static std::shared_ptr<TMenu> Create(const std::string& mouseOverSound,
                                         const std::string& clickSound, float px, float py,
                                         int gap);
    void Init(const std::string& mouseOverSound, const std::string& clickSound, float px, float py,
              int gap);

    // A button from the menu folder, centred on the screen below the last one. A non-empty key
    // becomes its name.
    std::shared_ptr<TButton> AddNew(const std::string& name, const std::string& mouseOverName,
                                    const std::string& key, int cellWidth, int cellHeight,
                                    int frames);
    std::shared_ptr<TButton> DoAddNew(const std::string& name, const std::string& mouseOverName,
                                      const std::string& key, int cellWidth, int cellHeight,
                                      int frames);
    void IncreaseHeight(const TButton& button);
    // The hover picture is name + "MO".
    std::shared_ptr<TButton> AddQuick(const std::string& name, const std::string& key);
    // AddQuick, plus the disabled (name + "_disabled") and pressed (name + "_down") pictures
    // when the menu folder has them.
    std::shared_ptr<TButton> AddQuickAuto(const std::string& name, const std::string& key);
    // Two buttons side by side, `gap` apart; a non-empty key names the first.
    void AddPair(const std::string& name1, const std::string& name2, int gap,
                 const std::string& key);

    // None when no button has that name (case ignored).
    [[nodiscard]] std::shared_ptr<TButton> FindButton(const std::string& name) const;
    // True when that button was clicked this step; with ClearClickedName the click is reported
    // once.
    bool Clicked(const std::string& name);

    // Layout.
    [[nodiscard]] float CalcLeft() const;
    [[nodiscard]] float CalcTop() const;
    [[nodiscard]] int CalcWidth() const;
    [[nodiscard]] int CalcHeight() const;
    void SetX(float px);
    void SetY(float py);
    void CentreHoriz();
    void CentreVert();
    void Centre();
    void MakeRow(int gap);

    // Shadow for buttons added from now on; for the existing ones; for both.
    void SetShadow(int on, float sx, float sy, float alpha);
    void SetAlpha(float alpha);

    void ClearStates();
    void ClearGlow();
    void ClearMouseClick();
    void ClearMouseOver();
    void ClearScale();

    // 1 when the buttons took input this step.
    int Manage();
    int ManageNoSound();
    void ManageFixedGlowOnly();
    [[nodiscard]] bool Settled() const;
    void Draw(float offsetX, float offsetY);
    void Kill();

private:
    // Moves the highlight by the keys hit this step; true when Enter or Space pressed it.
    bool ManageKeyFocus();
    // The next place in the key cycle (the owner's controls, then the buttons) from `from` in
    // `step` direction that can take the highlight; -1 for none.
    [[nodiscard]] int NextFocus(int from, int step) const;
    // The place in the key cycle of the first key's start: just before the hovered button, or
    // before the cycle's first or after its last place.
    [[nodiscard]] int FirstKeyStart(int step) const;
};
