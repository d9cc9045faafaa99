#include "presentation/TDialogStack.h"

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
    for (const Entry& entry : Entries) entry.Dialog->Draw();
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
