#include "host/TFixedRateLogic.h"

#include <algorithm>

#include "media/Media.h"

TFixedRateLogic::TFixedRateLogic(float& delta)
    : Clock([] { return media::MilliSecs(); }), Delta(delta) {}

void TFixedRateLogic::Init() {
    CalcMS();
    LastTime = Clock();
    NumTicks = 0;
    LastNumTicks = 1.0;
    SetDelta(1.0f);
    First = FirstMax;
    ChosenWaitMs = 0;
    WaitedSteps = 0;
}

void TFixedRateLogic::Create() {
    History.assign(static_cast<size_t>(HistorySizeMax), 0);
}

void TFixedRateLogic::CalcMS() {
    const int rate = std::max(1, static_cast<int>(Framerate));
    MS = 1000.0f / static_cast<float>(rate);
}

void TFixedRateLogic::SetThreshold(int ms) {
    Threshold = ms;
}

void TFixedRateLogic::BeginChosenWait(int ms) {
    ChosenWaitMs = std::max(ChosenWaitMs, ms);
}

void TFixedRateLogic::Calc() {
    const double now = Clock();
    WaitedSteps = 0;
    if (ChosenWaitMs > 0 && now >= LastTime) {
        // The smoothing evens out the frames the machine makes; a wait the loop chose is none of
        // them. Past the wait and a frame the machine was asleep or stalled: not caught up.
        const double elapsed =
            std::min(now - LastTime, static_cast<double>(ChosenWaitMs + Threshold));
        NumTicks = elapsed / MS;
        WaitedSteps = std::max(0, static_cast<int>(NumTicks) - 1);
        LastTime = now;
        ChosenWaitMs = 0;
        return;
    }
    ChosenWaitMs = 0;
    if (now < LastTime) {
        NumTicks = LastNumTicks;
    } else {
        TmpMS = std::min(now - LastTime, static_cast<double>(Threshold));
        double avg = TmpMS;
        if (First > 0) {
            --First;
        } else if (!History.empty()) {
            History[static_cast<size_t>(HistoryCounter)] = static_cast<int>(TmpMS);
            int sum = 0;
            for (int i = 0; i < HistorySize; ++i) sum += History[static_cast<size_t>(i)];
            avg = static_cast<double>(sum) / HistorySize;
            ++HistoryCounter;
            if (HistorySize < HistorySizeMax) ++HistorySize;
            if (HistoryCounter >= HistorySize) HistoryCounter = 0;
        }
        if (JitterCorrection) {
            if (IgnoreHistoryOnSpeedUp && VSync && TmpMS < avg - 1) avg = TmpMS;
            NumTicks = avg / MS;
        } else {
            NumTicks = TmpMS / MS;
        }
    }
    LastTime = now;
    LastNumTicks = NumTicks;
}

void TFixedRateLogic::SetDelta(float f) {
    Delta = f * DeltaMultiplier;
    FullDelta = f;
}

void TFixedRateLogic::SetDefaultFramerate(int rate) {
    FramerateDefault = rate;
    Framerate = static_cast<float>(rate);
}

void TFixedRateLogic::HistoryClear() {
    for (int i = 0; i < HistorySize && i < static_cast<int>(History.size()); ++i) {
        History[static_cast<size_t>(i)] = 0;
    }
    HistorySize = 1;
    HistoryCounter = 0;
}
