#pragma once
// A question with "Yes" and "Cancel". Yes: the "Yes" button, Enter, or the Y key (89).
// Cancel: the "Cancel" button, Escape, or the C key (67).

#include <memory>
#include <string>

#include "presentation/TDialog.h"

class TDialogYesNo : public TDialog {
public:
    int Gap = 50;
    int ButtonGap = 50;  // between "Yes" and "Cancel"

    // Made but not started.
    static std::unique_ptr<TDialogYesNo> Create(const std::string& caption,
                                                const std::string& backgroundPath, int width,
                                                int height, int px, int py);
    void CalcSize() override;
    void MenuCreate(int flag);
    int Manage() override;
    int YesClick();
    int NoClick();
    [[nodiscard]] std::string Kind() const override { return "TDialogYesNo"; }

private:
    void ShowClicked(const std::string& name) const;
};
