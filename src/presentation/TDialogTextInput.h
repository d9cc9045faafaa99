#pragma once
// A caption, a one-line text field in a box, "OK" and optionally "Cancel". Enter or "OK"
// confirm the text (refused when empty, unless AllowNull, or when the error check finds a
// fault: its message is shown on top and the text stays for correction). Escape, or
// "Cancel", closes with -1.

#include <functional>
#include <memory>
#include <string>

#include "presentation/TDialog.h"
#include "presentation/TDialogOK.h"
#include "presentation/TLetterPicker.h"
#include "presentation/TTextInput.h"

class TDialogTextInput : public TDialog {
public:
    TLabel Text;  // the typed text's font and place
    int CharWidth = 0;
    int Gap = 30;
    TColor BoxColor;
    int DrawBox = 1;
    std::optional<TColor> BoxFrameColor;  // a one-pixel frame round the box when set
    int BoxBorderH = 10, BoxBorderV = 5;
    int TextBorder = 10;
    TTextInput TextInput;
    int TextYOffset = 0;
    int AllowNull = 0;
    // Blanks at either end of the text are dropped on OK.
    int TrimBlanks = 0;
    // -1 with a message when the text cannot be taken.
    std::function<int(const std::string& text, std::string& message)> ErrorCheckFunc;
    std::function<std::unique_ptr<TDialogOK>(const std::string& message)> ErrorDialogFunc;
    std::unique_ptr<TDialogOK> DialogOK;  // the error being shown
    int TextOX = 0, TextOY = 0;
    // The result of an accepted OK (1 when not set).
    std::function<int(TDialogTextInput&)> OKClickedFunc;
    int DrawDisabled = 0;
    int UppercaseFirstChar = 1;
    // Shown under the dialog while the player uses a pad.
    TLetterPicker Picker;

    // Made but not started; the field holds `text` and takes at most maxLength characters.
    static std::unique_ptr<TDialogTextInput> Create(const std::string& caption,
                                                    const std::string& text, int maxLength,
                                                    const std::string& backgroundPath, int width,
                                                    int height, int px, int py);
    void Start() override;
    void SetupText(const media::Font& imageFont, const std::optional<TColor>& color,
                   const std::optional<TShadow>& shadow, int drawDots,
                   std::shared_ptr<TBitmapFont> bitmapFont);
    void CalcSize() override;
    void SetLabelsXY() override;
    void MenuCreate(int withCancel, int gap);
    int Manage() override;
    int ProcessOKClickedFunc();
    // 1 when the text was taken and the dialog closed.
    int OKClick(int viaKeyboard);
    int CancelClick();
    void ClickSound() const;
    void Draw() override;
    void Kill() override;
    // Its cursor blinks.
    [[nodiscard]] bool StillUntilInput() const override { return false; }
    [[nodiscard]] std::string Kind() const override { return "TDialogTextInput"; }
    void Describe(std::vector<TDialogState>& out) const override;

private:
    [[nodiscard]] float TextHeight();
    [[nodiscard]] bool HasCancel() const;
    [[nodiscard]] bool PickerShown() const;
};
