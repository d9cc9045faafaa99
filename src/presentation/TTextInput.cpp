#include "presentation/TTextInput.h"

#include <algorithm>

#include "presentation/TPresentationContext.h"
#include "presentation/TextDrawing.h"
#include "presentation/Timing.h"
#include "system/InputHelpers.h"
#include "system/StringHelpers.h"

namespace {

constexpr int KeyBackspace = 8;
constexpr int KeyEnter = 13;
constexpr int KeyEscape = 27;
constexpr const char* FileNameBannedChars = "\"|*\\/:;~?<>,+=%";

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

int CountChars(const std::string& text) {
    return static_cast<int>(
        std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); }));
}

void PopLastChar(std::string& text) {
    while (!text.empty() && IsContinuationByte(text.back())) text.pop_back();
    if (!text.empty()) text.pop_back();
}

}  // namespace

void TTextInput::Init(const media::Font& font, const std::string& text, int x, int y,
                      std::shared_ptr<TBitmapFont> bitmapFont) {
    Font = font;
    X = x;
    Y = y;
    BitmapFont = std::move(bitmapFont);
    TextCol.Set(255, 255, 255, 1);
    DotCol.Set(150, 150, 150, 1);
    CursorCol.Set(0, 255, 255, 1);
    SetText(text);
    SetCursorFlashSpeed(250);
    Reset();
}

void TTextInput::Reset() {
    Active = 1;
    Done = 0;
    PresentationContext().BlockKeys = true;
    FlushKeyState();
}

void TTextInput::Finish() {
    Active = 0;
    Done = 1;
    PresentationContext().BlockKeys = false;
}

void TTextInput::SetCursorFlashSpeed(int ms) {
    CursorFlashSpeed = static_cast<int>(StepsFromMs(static_cast<float>(ms)));
    CursorFlashCounter = 0;
    CursorOn = 1;
}

void TTextInput::MakeCharsFileNameSafe() {
    BannedChars = FileNameBannedChars;
}

float TTextInput::GetWidth(const std::string& extra) const {
    const std::string text = Text + extra;
    if (BitmapFont) return static_cast<float>(BitmapFont->StringWidth(text));
    const media::Font current = media::GetDrawFont();
    media::SetDrawFont(Font);
    const auto width = static_cast<float>(media::TextWidthOf(text));
    media::SetDrawFont(current);
    return width;
}

int TTextInput::Length() const {
    return CountChars(Text);
}

void TTextInput::SetText(const std::string& text) {
    Text.clear();
    size_t pos = 0;
    for (int count = 0; pos < text.size() && count < MaxLength; ++count) {
        const size_t start = pos++;
        while (pos < text.size() && IsContinuationByte(text[pos])) ++pos;
        Text += text.substr(start, pos - start);
    }
    CurrentChar = Length() + 1;
}

bool TTextInput::Accepts(int code) const {
    if (code < 32 || code == 127) return false;
    if (code > 126 && !AllowExtendedChars) return false;
    // A character the bitmap font cannot draw would show as a hole: the field refuses it.
    if (BitmapFont && code != ' ' && !BitmapFont->HasGlyph(static_cast<std::uint32_t>(code))) {
        return false;
    }
    if (code < 128 && BannedChars.find(static_cast<char>(code)) != std::string::npos) {
        return false;
    }
    if (NoLeadingDot && code == '.' && Text.empty()) return false;
    if (CurrentChar > MaxLength) return false;
    if (MaxPixelWidth != 0 && GetWidth(EncodeUtf8(code)) > static_cast<float>(MaxPixelWidth)) {
        return false;
    }
    return true;
}

int TTextInput::Manage() {
    if (!Active) return 0;
    const int code = HostGetChar();
    if (code == KeyBackspace) {
        PopLastChar(Text);
        CurrentChar = Length() + 1;
    } else if (NumbersOnly && code != 0 && code != KeyEnter && code != KeyEscape &&
               (code < '0' || code > '9')) {
        // Only digits, Enter and Escape count.
    } else if (code == KeyEnter) {
        if (AllowNull || !Text.empty()) {
            Finish();
            return 1;
        }
    } else if (code == KeyEscape) {
        if (AllowEscToAbort) {
            Text.clear();
            CurrentChar = 1;
            Finish();
            return -1;
        }
    } else if (code != 0 && Accepts(code)) {
        Text += EncodeUtf8(code);
        CurrentChar = Length() + 1;
    }

    CursorFlashCounter += PresentationContext().Delta;
    if (CursorFlashCounter >= static_cast<float>(CursorFlashSpeed)) {
        CursorOn = CursorOn ? 0 : 1;
        CursorFlashCounter = 0;
    }
    return 0;
}

void TTextInput::DrawPiece(const std::string& piece, float px) const {
    const float py = static_cast<float>(Y);
    if (BitmapFont) {
        if (TextShadow) {
            BitmapFont->DrawAlignedWithShadow(piece, px, py, 0, 1, 1);
        } else {
            BitmapFont->DrawAligned(piece, px, py, 0, 1, 1, 0);
        }
    } else {
        media::SetDrawFont(Font);
        DrawTextAligned(piece, px, py, TextShadow ? 1 : 0, 0, 1);
    }
}

void TTextInput::Draw() const {
    if (!Active) return;
    media::SetBlend(media::ALPHABLEND);
    if (TextShadow) TextShadow->ApplyToText();
    const float x = static_cast<float>(X);
    TextCol.Apply();
    PresentationContext().TextAlpha = TextCol.Alpha;
    if (!Text.empty()) DrawPiece(Text, x);
    const int length = Length();
    int freePlaces = MaxLength - length;
    float next = x + GetWidth("");
    if (DrawUnderscore && length < MaxLength) {
        if (CursorOn) {
            CursorCol.Apply();
            DrawPiece("_", next);
        }
        next = x + GetWidth("_");
        --freePlaces;
    }
    if (DrawDots && freePlaces > 0) {
        DotCol.Apply();
        DrawPiece(std::string(static_cast<size_t>(freePlaces), '.'), next);
    }
    PresentationContext().TextAlpha = 1;
    TColor::Restore();
}
