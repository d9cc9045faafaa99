#include "presentation/WidgetState.h"

#include "presentation/TMenu.h"
#include "presentation/TPresentationContext.h"
#include "system/Translate.h"

std::vector<TButtonState> DescribeMenu(const TMenu& menu) {
    std::vector<TButtonState> states;
    for (const auto& button : menu.Buttons) {
        if (!button->Active) continue;
        TButtonState state;
        state.Name = button->name;
        if (button->image) state.Image = button->image->name;
        state.X = static_cast<int>(button->x);
        state.Y = static_cast<int>(button->y);
        state.W = button->w;
        state.H = button->h;
        state.Enabled = button->Disabled ? 0 : 1;
        state.Hover = button->MouseOver;
        if (button->Caption) {
            state.Caption = button->Caption->Text;
        } else if (button->image) {
            const auto& captions = PresentationContext().ButtonCaptions;
            const auto found = captions.find(button->image->name);
            if (found != captions.end()) state.Caption = Tr(found->second.c_str());
        }
        states.push_back(std::move(state));
    }
    return states;
}
