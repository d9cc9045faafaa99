#include "presentation/TDialogStack.h"

#include "presentation/TPresentationContext.h"
#include "presentation/TextLog.h"

TDialogStack::~TDialogStack() {
    Clear();
}

TDialog& TDialogStack::Open(std::unique_ptr<TDialog> dialog, ClosedFunction closed) {
    if (!dialog->Active) dialog->Start();
    Entries.push_back({std::move(dialog), std::move(closed)});
    return *Entries.back().Dialog;
}

TDialog* TDialogStack::Top() const {
    return Entries.empty() ? nullptr : Entries.back().Dialog.get();
}

bool TDialogStack::Manage() {
    if (Entries.empty()) return false;
    TDialog& top = *Entries.back().Dialog;
    const int result = top.Manage();
    if (result == 0 && top.Active) return false;
    Entry closed = std::move(Entries.back());
    Entries.pop_back();
    TDialog::DropPendingInput();
    // The owner may open the next dialog from here, so the entry is off the stack first.
    if (closed.Closed) closed.Closed(*closed.Dialog, result);
    closed.Dialog->Kill();
    return true;
}

void TDialogStack::Draw() const {
    // Each dialog's texts belong to it and stay in its box.
    TPresentationContext& context = PresentationContext();
    int layer = 0;
    for (const Entry& entry : Entries) {
        const TDialog& dialog = *entry.Dialog;
        context.TextLayer = ++layer;
        const TTextBoundsScope inBox({static_cast<float>(dialog.x), static_cast<float>(dialog.y),
                                      static_cast<float>(dialog.w), static_cast<float>(dialog.h)});
        entry.Dialog->Draw();
    }
    context.TextLayer = 0;
}

void TDialogStack::Clear() {
    while (!Entries.empty()) {
        Entry entry = std::move(Entries.back());
        Entries.pop_back();
        entry.Dialog->Kill();
    }
}

std::vector<TDialogState> TDialogStack::Describe() const {
    std::vector<TDialogState> states;
    for (const Entry& entry : Entries) entry.Dialog->Describe(states);
    return states;
}
