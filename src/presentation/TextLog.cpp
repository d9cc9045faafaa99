#include "presentation/TextLog.h"

#include <vector>

#include "presentation/TPresentationContext.h"

void LogDrawnText(const std::string& text, const TTextRect& rect, int missing) {
    TPresentationContext& context = PresentationContext();
    if (context.TextLog == nullptr || text.find_first_not_of(' ') == std::string::npos) return;
    context.TextLog->push_back(
        {text, rect, context.TextLayer, context.TextBounded, context.TextBounds, missing});
}

TTextBoundsScope::TTextBoundsScope(const TTextRect& bounds)
    : HadBounds(PresentationContext().TextBounded), Saved(PresentationContext().TextBounds) {
    PresentationContext().TextBounded = true;
    PresentationContext().TextBounds = bounds;
}

TTextBoundsScope::~TTextBoundsScope() {
    PresentationContext().TextBounded = HadBounds;
    PresentationContext().TextBounds = Saved;
}
