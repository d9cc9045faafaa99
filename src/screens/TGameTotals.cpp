#include "screens/TGameTotals.h"

#include <string>

#include "screens/TimeText.h"
#include "system/LocalNumber.h"
#include "system/ScreenSize.h"
#include "system/Translate.h"

namespace {

// Leaves room for the name entry below.
constexpr int TotalsY = 150;

}  // namespace

std::unique_ptr<TGameTotals> TGameTotals::Create(const TResources& resources, int score,
                                                 int totalTicks, double msPerTick) {
    auto totals = std::make_unique<TGameTotals>(resources);
    totals->Score = score;
    totals->TotalTicks = totalTicks;
    totals->MsPerTick = msPerTick;
    totals->StartY = TotalsY;
    totals->SetSlideLines();
    return totals;
}

void TGameTotals::SetSlideLines() {
    const std::string score = LocalNumber(Score);
    SetRows({{Tr("Final Score"), score},
             {Tr("Total Time"), TicksAsTime(TotalTicks, MsPerTick)},
             {"", ""}},
            score, StartY);
}

void TGameTotals::CentreVert() {
    StartY = (ScreenHeight - lines * gap) / 2;
    SetSlideLines();
}
