#pragma once
// A headless host for the button and menu tests: the generated Data tree's menu pictures and
// sounds, a pointer the tests move and click, and keys pressed into the host's tables.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/TGame.h"
#include "media/Media.h"
#include "presentation/TGameFade.h"
#include "presentation/TMousePointer.h"
#include "presentation/TPresentationContext.h"
#include "system/HostInput.h"
#include "system/InputHelpers.h"

namespace widget_test {

inline const std::string DataFolder = std::string(QUILLOX_BUILD_DIR) + "/Data/";

// The media layer stays up for the whole test program: images outlive single tests.
class MediaEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_TRUE(media::Init({.headless = true}));
        ASSERT_TRUE(media::OpenDisplay(800, 600, 0, 60));
    }
    void TearDown() override { media::Shutdown(); }
};

struct WidgetHost {
    std::unique_ptr<TGame> game = std::make_unique<TGame>();

    WidgetHost() {
        game->Timing.MS = 5.0f;
        game->Presentation.ImagePath = DataFolder + "graphics/";
        game->Presentation.MenuPath = DataFolder + "menus/";
        game->Presentation.SoundPath = DataFolder + "sound/";
        PresentationContext().Delta = 1.0f;
        UseHostInput();
        ClearAllInput();
    }
    ~WidgetHost() { ClearAllInput(); }

    TMousePointer& Mouse() const { return game->Display.Mouse(); }
    void MoveTo(int x, int y) const {
        Mouse().x = x;
        Mouse().y = y;
    }
    // A press and release inside one logic step, as the event pump records it.
    void Click() const {
        Mouse().ButtonDown(1);
        Mouse().ButtonUp(1);
    }
    static void PressKey(int code) {
        Input().RecordKeyDown(code);
        Input().RecordKeyUp(code);
    }
    static void HoldKey(int code, bool down) {
        if (down) {
            Input().RecordKeyDown(code);
        } else {
            Input().RecordKeyUp(code);
        }
    }
    void StartFade() const { game->Fade.Active = true; }
};

}  // namespace widget_test
