#pragma once
// The open dialogs, bottom to top. The host runs the top one at its one place in the logic step
// instead of the screen's logic, and draws them all over the screen, so a dialog is modal over
// any screen without a loop of its own. When a dialog closes it is dropped, the input pending
// from its last step is dropped too (so the key or click that closed it does not reach the
// screen), and its owner hears the result.

#include <functional>
#include <memory>
#include <vector>

#include "presentation/TDialog.h"
#include "presentation/WidgetState.h"

class TDialogStack {
public:
    // Called once with the dialog's result (1 OK or Yes, -1 Cancel) after it has closed.
    using ClosedFunction = std::function<void(TDialog& dialog, int result)>;

    TDialogStack() = default;
    TDialogStack(const TDialogStack&) = delete;
    TDialogStack& operator=(const TDialogStack&) = delete;
    ~TDialogStack();

    // Puts the dialog on top and starts it unless it is already active.
    TDialog& Open(std::unique_ptr<TDialog> dialog, ClosedFunction closed = nullptr);
    [[nodiscard]] bool Empty() const { return Entries.empty(); }
    [[nodiscard]] TDialog* Top() const;
    // Runs the top dialog for one logic step; true when a dialog closed in it.
    bool Manage();
    void Draw() const;
    // Drops every dialog without a result (the screen they belong to is going).
    void Clear();
    [[nodiscard]] std::vector<TDialogState> Describe() const;

private:
    struct Entry {
        std::unique_ptr<TDialog> Dialog;
        ClosedFunction Closed;
    };
    std::vector<Entry> Entries;
};
