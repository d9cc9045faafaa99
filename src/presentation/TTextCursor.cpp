#include "presentation/TTextCursor.h"

#include "presentation/TextDrawing.h"

void TTextCursor::Init(int px, int py, int gap) {
    x = px;
    y = py;
    linegap = gap;
}

void TTextCursor::Output(const std::string& text) const {
    DrawTextAligned(text, static_cast<float>(x), static_cast<float>(y), Shadow, 0, 0);
}

void TTextCursor::NewLine() {
    y += linegap;
}

void TTextCursor::OutputNL(const std::string& text) {
    Output(text);
    NewLine();
}
