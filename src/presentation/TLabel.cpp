#include "presentation/TLabel.h"

#include "presentation/TPresentationContext.h"
#include "presentation/TextDrawing.h"
#include "system/TextLines.h"

std::shared_ptr<TLabel> TLabel::CreateSpecial(const std::string& text, float x, float y,
                                              int alignment, int wordWrap) {
    auto label = std::make_shared<TLabel>();
    label->Color = TColor();
    label->Color->Set(255, 255, 255, 1);
    label->ImageFont = media::GetDrawFont();
    label->Text = text;
    label->X = x;
    label->Y = y;
    label->Alignment = alignment;
    label->WordWrap = wordWrap;
    return label;
}

float TLabel::CalcWidth() {
    if (BitmapFont) {
        W = static_cast<float>(BitmapFont->StringWidth(Text));
    } else {
        const media::Font current = media::GetDrawFont();
        media::SetDrawFont(ImageFont);
        W = static_cast<float>(media::TextWidthOf(Text));
        media::SetDrawFont(current);
    }
    return W * Scale;
}

float TLabel::CalcHeight() {
    const float height = WordWrap > 0 ? H : TFont::CalcHeight();
    return height * Scale;
}

void TLabel::AutoScale(float maxWidth) {
    CalcWidth();
    if (W > maxWidth && W > 0) Scale = maxWidth / W;
}

void TLabel::PreCalcWordWrap() {
    const media::Font current = media::GetDrawFont();
    if (!BitmapFont) media::SetDrawFont(ImageFont);
    TextArray = WrapLines(SplitLines(Text), static_cast<float>(WordWrap), BitmapFont.get(), Scale);
    TotalLines = static_cast<int>(TextArray.size());
    LineGap = BitmapFont ? static_cast<int>(BitmapFont->StringHeight("ABCXYZ"))
                         : media::TextHeightOf("ABCXYZ");
    if (!BitmapFont) media::SetDrawFont(current);
    H = static_cast<float>(TotalLines * LineGap);
}

void TLabel::SetLineGap(int gap) {
    LineGap = gap;
    H = static_cast<float>(TotalLines * gap);
}

int TLabel::Draw(float x, float y, int applyColor) {
    if (!Visible) return 0;
    float savedX = 1, savedY = 1;
    media::GetDrawScale(savedX, savedY);
    if (Scale != 1) media::SetDrawScale(savedX * Scale, savedY * Scale);
    if (!BitmapFont) media::SetDrawFont(ImageFont);
    if (applyColor && Color) Color->Apply();

    if (WordWrap > 0) {
        float ly = static_cast<float>(static_cast<int>(y + Y));
        for (const std::string& line : TextArray) {
            DrawTextLine(line, x + X, ly, applyColor);
            ly = static_cast<float>(static_cast<int>(ly + static_cast<float>(LineGap) * Scale));
        }
    } else if (CentreVertically) {
        float half = H / 2;
        if (BitmapFont) {
            TFont::CalcHeight();
            float sx = 1, sy = 1;
            media::GetDrawScale(sx, sy);
            half = H / 2 * sy;
        }
        DrawTextLine(Text, x + X, y + Y - half, applyColor);
    } else {
        DrawTextLine(Text, x + X, y + Y, applyColor);
    }

    media::SetDrawScale(savedX, savedY);
    TColor::Restore();
    return 1;
}

void TLabel::DrawTextLine(const std::string& line, float x, float y, int applyColor) {
    if (!Shadow) {
        if (BitmapFont) {
            BitmapFont->DrawAligned(line, x, y, Alignment, RoundCoords, RoundCoords, 0);
        } else {
            DrawTextAligned(line, x, y, 0, Alignment, RoundCoords);
        }
        return;
    }
    Shadow->ApplyToText();
    if (applyColor && Color) PresentationContext().TextAlpha = Color->Alpha;
    if (BitmapFont) {
        BitmapFont->DrawAlignedWithShadow(line, x, y, Alignment, RoundCoords, RoundCoords);
    } else {
        DrawTextAligned(line, x, y, 1, Alignment, RoundCoords);
    }
}
