#include "presentation/TSlideLineList.h"

#include "media/Media.h"

std::shared_ptr<TSlideLine> TSlideLineList::Add(const std::string& text, float startX, float startY,
                                                float endX, float endY, float ms) {
    auto line = std::make_shared<TSlideLine>();
    line->InitLine(text, startX, startY, endX, endY, ms);
    line->Color = Color;
    Lines.push_back(line);
    return line;
}

void TSlideLineList::Start() {
    for (const auto& line : Lines) line->Start();
}

void TSlideLineList::Manage() {
    for (const auto& line : Lines) line->Manage();
}
