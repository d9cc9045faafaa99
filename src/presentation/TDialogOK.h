#pragma once
// A message with one "OK" button. Enter, Space, Escape or a click on "OK" close it with 1.

#include <memory>
#include <string>

#include "presentation/TDialog.h"

class TDialogOK : public TDialog {
public:
    int Gap = 50;  // between the caption and the button when there is no picture

    // Made but not started.
    static std::unique_ptr<TDialogOK> Create(const std::string& caption,
                                             const std::string& backgroundPath, int width,
                                             int height, int px);
    void CalcSize() override;
    void MenuCreate();
    int Manage() override;
    int OKClick();
    [[nodiscard]] std::string Kind() const override { return "TDialogOK"; }
};
