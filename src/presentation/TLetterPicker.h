#pragma once
// An on-screen keyboard for a text field, for players with a pad in their hands: rows of
// letters, digits, then Space, Delete and OK, walked with the arrows the pad stands for and
// picked with Enter. A pick is typed into the host's character queue, so the field takes it
// exactly as a typed key, with every rule it has.

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TBitmapFont;
class TTextInput;

class TLetterPicker {
public:
    static constexpr int DeleteCode = 8;  // the field's Backspace
    static constexpr int OKCode = 13;     // the field's Enter
    float CellHeight = 28;

    // Offers the letters of the player's alphabet and the digits, those the field takes, then
    // Space (when it takes it), Delete and OK; the highlight starts on the first. What the field
    // would take were it empty counts, whatever is typed in it now.
    void Build(const TTextInput& field);
    // The highlight on OK, for a field that starts with a text to confirm.
    void FocusOK();
    // One logic step: arrows move the highlight (Up and Down to the nearest cell of the row
    // above or below), Enter types the highlighted cell.
    void Manage();
    // The panel spans `width` pixels centred on the screen, its top at `top` (raised so it
    // fits the screen).
    void Draw(float top, const std::shared_ptr<TBitmapFont>& font) const;

    [[nodiscard]] int FocusCode() const;
    [[nodiscard]] const std::vector<std::vector<int>>& Rows() const { return rows_; }

private:
    std::vector<std::vector<int>> rows_;
    int row_ = 0;
    int column_ = 0;

    void Build(const std::function<bool(int code)>& accepts);
    void MoveRow(int step);
    [[nodiscard]] static std::string Label(int code);
};
