#include "presentation/TLetterPicker.h"

#include <algorithm>
#include <cmath>

#include "media/Media.h"
#include "presentation/TBitmapFont.h"
#include "presentation/TTextInput.h"
#include "presentation/TextDrawing.h"
#include "presentation/TextLog.h"
#include "system/DrawHelpers.h"
#include "system/HostInput.h"
#include "system/InputHelpers.h"
#include "system/ScreenSize.h"
#include "system/StringHelpers.h"
#include "system/Translate.h"

namespace {

constexpr int KeyEnter = 13;
constexpr int KeyLeft = 37, KeyUp = 38, KeyRight = 39, KeyDown = 40;
constexpr int RowLength = 13;
constexpr float CellWidth = 32, Margin = 8;

void AddWrapped(std::vector<std::vector<int>>& rows, const std::vector<int>& codes) {
    for (size_t i = 0; i < codes.size(); i += RowLength) {
        rows.emplace_back(codes.begin() + static_cast<long>(i),
                          codes.begin() + static_cast<long>(std::min(codes.size(), i + RowLength)));
    }
}

}  // namespace

void TLetterPicker::Build(const std::function<bool(int code)>& accepts) {
    rows_.clear();
    // The player's own alphabet, as the language's catalogue gives it: a pad has no room for
    // every letter the field takes, and a keyboard still types the rest.
    // TRANSLATORS: the capital letters of the on-screen keyboard for names, in your alphabet's
    // order, with no spaces (for example ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ).
    const std::string capitals = Tr("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    // TRANSLATORS: the small letters of the on-screen keyboard for names, as the capitals.
    const std::string smalls = Tr("abcdefghijklmnopqrstuvwxyz");
    for (const std::string& letters : {capitals, smalls}) {
        std::vector<int> row;
        for (const int c : DecodeUtf8(letters)) {
            if (accepts(c) && std::find(row.begin(), row.end(), c) == row.end()) row.push_back(c);
        }
        AddWrapped(rows_, row);
    }
    std::vector<int> digits;
    for (int c = '0'; c <= '9'; ++c) {
        if (accepts(c)) digits.push_back(c);
    }
    AddWrapped(rows_, digits);
    std::vector<int> last;
    if (accepts(' ')) last.push_back(' ');
    last.push_back(DeleteCode);
    last.push_back(OKCode);
    rows_.push_back(last);
    row_ = column_ = 0;
}

void TLetterPicker::Build(const TTextInput& field) {
    TTextInput empty = field;
    empty.SetText("");
    Build([&empty](int code) { return empty.Accepts(code); });
}

void TLetterPicker::FocusOK() {
    if (rows_.empty()) return;
    row_ = static_cast<int>(rows_.size()) - 1;
    column_ = static_cast<int>(rows_.back().size()) - 1;
}

int TLetterPicker::FocusCode() const {
    if (rows_.empty()) return 0;
    return rows_[static_cast<size_t>(row_)][static_cast<size_t>(column_)];
}

void TLetterPicker::MoveRow(int step) {
    const int count = static_cast<int>(rows_.size());
    const auto& from = rows_[static_cast<size_t>(row_)];
    // Cells of a row share the panel's width: the nearest cell is the one under the centre.
    const float centre = (static_cast<float>(column_) + 0.5f) / static_cast<float>(from.size());
    row_ = (row_ + step + count) % count;
    const auto size = static_cast<float>(rows_[static_cast<size_t>(row_)].size());
    column_ = std::min(static_cast<int>(centre * size), static_cast<int>(size) - 1);
}

void TLetterPicker::Manage() {
    if (rows_.empty()) return;
    const int width = static_cast<int>(rows_[static_cast<size_t>(row_)].size());
    if (KeyHitChecked(KeyLeft)) column_ = (column_ + width - 1) % width;
    if (KeyHitChecked(KeyRight)) column_ = (column_ + 1) % width;
    if (KeyHitChecked(KeyUp)) MoveRow(-1);
    if (KeyHitChecked(KeyDown)) MoveRow(1);
    if (KeyHitChecked(KeyEnter)) Input().RecordChar(FocusCode());
}

std::string TLetterPicker::Label(int code) {
    if (code == ' ') return Tr("Space");
    if (code == DeleteCode) return Tr("Delete");
    if (code == OKCode) return Tr("OK");
    return EncodeUtf8(code);
}

void TLetterPicker::Draw(float top, const std::shared_ptr<TBitmapFont>& font) const {
    if (rows_.empty()) return;
    const float width = RowLength * CellWidth + 2 * Margin;
    const float height = static_cast<float>(rows_.size()) * CellHeight + 2 * Margin;
    const float left = std::floor((ScreenWidth - width) / 2);
    top = std::min(top, static_cast<float>(ScreenHeight) - height - 4);
    media::SetBlend(media::ALPHABLEND);
    media::SetColor(16, 10, 40);
    media::SetAlpha(1.0f);
    media::DrawRect(left, top, width, height);
    media::SetColor(255, 224, 128);
    media::SetAlpha(0.45f);
    DrawRectOutline(left, top, width, height);
    const float inner = width - 2 * Margin;
    // The cells' texts belong to the panel, not to the dialog it is drawn over.
    const TTextBoundsScope bounds({left, top, width, height});
    for (size_t r = 0; r < rows_.size(); ++r) {
        const auto& row = rows_[r];
        const float cell = inner / static_cast<float>(row.size());
        const float y = top + Margin + static_cast<float>(r) * CellHeight;
        for (size_t c = 0; c < row.size(); ++c) {
            const float x = left + Margin + static_cast<float>(c) * cell;
            const bool focus = static_cast<int>(r) == row_ && static_cast<int>(c) == column_;
            if (focus) {
                media::SetColor(255, 224, 128);
                media::SetAlpha(0.9f);
                DrawRectOutline(x + 1, y + 1, cell - 2, CellHeight - 2);
                media::SetColor(255, 255, 100);
            } else {
                media::SetColor(255, 255, 255);
            }
            media::SetAlpha(1.0f);
            if (font) {
                font->DrawAligned(Label(row[c]), std::round(x + cell / 2), y + 2, 1, 1, 1, 0);
            } else {
                DrawTextAligned(Label(row[c]), x + cell / 2, y + 2, 0, 1, 1);
            }
        }
    }
    media::SetColor(255, 255, 255);
    media::SetAlpha(1.0f);
}
