#include "presentation/TSlideLine.h"

#include "media/Media.h"

void TSlideLine::InitLine(const std::string& line, float startX, float startY, float endX,
                          float endY, float ms) {
    Init(ms, 0, 0, 0);
    text = line;
    StartX[0] = startX;
    StartY[0] = startY;
    EndX[0] = endX;
    EndY[0] = endY;
    CalcDistance();
}

void TSlideLine::AddPhaseSpecial(float startX, float startY, float endX, float endY, float ms) {
    if (TotalPhases >= MAX_PHASES) return;
    const auto phase = static_cast<size_t>(TotalPhases);
    StartX[phase] = startX;
    StartY[phase] = startY;
    EndX[phase] = endX;
    EndY[phase] = endY;
    AddPhase(ms);
}

void TSlideLine::CalcDistance() {
    const auto phase = static_cast<size_t>(CurrentPhase);
    DX = EndX[phase] - StartX[phase];
    DY = EndY[phase] - StartY[phase];
}

float TSlideLine::GetX() const {
    if (!Active) return EndX[static_cast<size_t>(TotalPhases - 1)];
    return StartX[static_cast<size_t>(CurrentPhase)] + (1 - GetRatio()) * DX;
}

int TSlideLine::Manage() {
    const int ended = TAnimation::Manage();
    if (ended) CalcDistance();
    return ended;
}
