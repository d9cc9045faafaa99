// Menus: layout of added buttons, hover and click reporting by name, one taker per click, no
// input during the host's fade or while the pointer is off, optional pictures, and the screen
// base that manages, draws and drops a screen's menu and header.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "WidgetHost.h"
#include "presentation/TMenu.h"
#include "presentation/TSprite.h"
#include "support/TempFolder.h"

namespace {

using widget_test::WidgetHost;

std::shared_ptr<TMenu> TwoButtonMenu() {
    auto menu = TMenu::Create("buttonMO", "buttonclick", 0, 100, 10);
    menu->AddQuick("resume", "");
    menu->AddQuick("saveandexit", "Leave");
    return menu;
}

TEST(Menu, StacksButtonsCentredWithGapsAndMeasuresTheColumn) {
    WidgetHost host;
    auto menu = TwoButtonMenu();
    ASSERT_EQ(menu->Buttons.size(), 2u);
    const TButton& first = *menu->Buttons[0];
    const TButton& second = *menu->Buttons[1];
    EXPECT_EQ(first.x, 265);
    EXPECT_EQ(first.y, 100);
    EXPECT_EQ(second.y, 156) << "46 high plus a gap of 10";
    EXPECT_EQ(menu->h, 102) << "no gap before the first button";
    EXPECT_EQ(menu->NextY, 212);
    EXPECT_EQ(second.name, "LEAVE") << "the key names the button";
    EXPECT_EQ(first.SoundClick, menu->SoundClick) << "the menu's sounds are shared";
    ASSERT_TRUE(menu->SoundClick);

    menu->Centre();
    EXPECT_EQ(menu->Buttons[0]->y, (600 - 102) / 2);
    EXPECT_EQ(menu->CalcWidth(), 270);
    EXPECT_EQ(menu->CalcHeight(), 102);

    menu->MakeRow(20);
    EXPECT_EQ(menu->Buttons[0]->y, menu->Buttons[1]->y);
    EXPECT_EQ(menu->Buttons[1]->x - menu->Buttons[0]->x, 290);
    EXPECT_EQ(menu->CalcLeft(), (800 - 560) / 2);
    EXPECT_EQ(menu->CalcTop(), (600 - 46) / 2);
}

TEST(Menu, LooksUpAndReportsNamesIgnoringCaseAndOnlyOnce) {
    WidgetHost host;
    auto menu = TwoButtonMenu();
    EXPECT_EQ(menu->FindButton("Resume"), menu->Buttons[0]);
    EXPECT_EQ(menu->FindButton("nothing"), nullptr);
    EXPECT_FALSE(menu->Clicked("nothing"));
    EXPECT_FALSE(menu->Clicked("")) << "an empty name matches no click";

    host.MoveTo(300, 160);
    EXPECT_EQ(menu->Manage(), 1);
    EXPECT_EQ(menu->MouseOverName, "LEAVE");
    EXPECT_FALSE(menu->Clicked("leave"));

    host.Click();
    menu->Manage();
    EXPECT_TRUE(menu->Clicked("leave"));
    EXPECT_FALSE(menu->Clicked("leave")) << "reading the click clears it";
    menu->Manage();
    EXPECT_FALSE(menu->Clicked("leave")) << "a click lasts one step";

    menu->ClearClickedName = 0;
    host.Click();
    menu->Manage();
    EXPECT_TRUE(menu->Clicked("LEAVE"));
    EXPECT_TRUE(menu->Clicked("LEAVE"));
}

TEST(Menu, OverlappingButtonsShareOneClick) {
    WidgetHost host;
    auto menu = TwoButtonMenu();
    menu->Buttons[1]->MoveTo(menu->Buttons[0]->x, menu->Buttons[0]->y);
    host.MoveTo(300, 110);
    host.Click();
    menu->Manage();
    EXPECT_EQ(menu->Buttons[0]->Clicked, 1);
    EXPECT_EQ(menu->Buttons[1]->Clicked, 0);
    EXPECT_EQ(menu->ClickedName, "RESUME");
    EXPECT_EQ(menu->MouseOverName, "LEAVE") << "the last hovered button names the hover";
    EXPECT_EQ(host.Mouse().GetMh(0), 0) << "nothing below the menu sees the click";
}

TEST(Menu, TakesNoInputDuringTheHostsFadeOrWithThePointerOff) {
    WidgetHost host;
    auto menu = TwoButtonMenu();
    menu->Buttons[0]->OKButton = 1;
    host.MoveTo(300, 110);
    host.Click();
    menu->Manage();
    // The owner has not read the click yet when a fade begins.
    host.StartFade();
    host.Click();
    WidgetHost::PressKey(13);
    EXPECT_EQ(menu->Manage(), 0);
    EXPECT_FALSE(menu->Clicked("resume")) << "nothing from before the fade is reported during it";
    EXPECT_EQ(menu->Buttons[0]->Clicked, 0);
    EXPECT_EQ(host.Mouse().GetMh(0), 1) << "the menu leaves the click to the fade";
    EXPECT_TRUE(KeyHitChecked(13));
    host.game->Fade.Active = false;

    menu->AcceptInput = 0;
    EXPECT_EQ(menu->Manage(), 0);
    EXPECT_FALSE(menu->Clicked("resume"));
    menu->AcceptInput = 1;

    host.Mouse().Off();
    EXPECT_EQ(menu->Manage(), 0);
    EXPECT_FALSE(menu->Clicked("resume"));
    host.Mouse().On();
    EXPECT_EQ(menu->Manage(), 1);
    EXPECT_TRUE(menu->Clicked("resume"));
}

TEST(Menu, ClearStatesForgetsHoverClickGlowAndGrowth) {
    WidgetHost host;
    auto menu = TwoButtonMenu();
    TButton& button = *menu->Buttons[0];
    button.SetupScaleOnMO(1.2f, 0.05f, 0.01f);
    button.SetFixedGlowOnMO(1, 0.01f, 1);
    host.MoveTo(300, 110);
    host.Click();
    menu->Manage();
    ASSERT_EQ(button.MouseOver, 1);
    ASSERT_GT(button.Glow, 0);
    ASSERT_GT(button.ScaleOnMO, 1);
    menu->ClearStates();
    EXPECT_EQ(button.MouseOver + button.Clicked, 0);
    EXPECT_EQ(button.Glow, 0);
    EXPECT_EQ(button.ScaleOnMO, 1);
}

// A small opaque picture written as a PNG file.
void WritePicture(const std::filesystem::path& path, std::uint32_t colour) {
    media::Pixmap pixmap{20, 10, 20, std::vector<std::uint32_t>(200, colour)};
    const auto png = media::EncodePNG(pixmap);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}

TEST(Menu, AutoButtonsUseTheOptionalPicturesOnlyWhenTheyExist) {
    WidgetHost host;
    const TempFolder folder("menu");
    for (const char* name : {"go", "goMO", "go_disabled", "go_down", "stop", "stopMO"}) {
        WritePicture(folder / (std::string(name) + ".png"), 0xFF336699);
    }
    host.game->Presentation.MenuPath = folder.Path();
    auto menu = TMenu::Create("", "", 0, 0, 5);
    EXPECT_FALSE(menu->SoundClick) << "no sound for an empty name";
    auto go = menu->AddQuickAuto("go", "");
    auto stop = menu->AddQuickAuto("stop", "");
    EXPECT_TRUE(go->ImageDisabled);
    EXPECT_TRUE(go->ImageMouseClick);
    EXPECT_FLOAT_EQ(go->MouseClickDuration, 40);
    EXPECT_FALSE(stop->ImageDisabled);
    EXPECT_FALSE(stop->ImageMouseClick);
    EXPECT_EQ(stop->y, 15);

    menu->AddPair("go", "stop", 6, "pair");
    const TButton& left = *menu->Buttons[2];
    const TButton& right = *menu->Buttons[3];
    EXPECT_EQ(left.name, "PAIR");
    EXPECT_EQ(right.x, left.x + 26);
    EXPECT_EQ(right.y, left.y);
    EXPECT_EQ(menu->h, 40) << "three rows of 10 and two gaps of 5";

    menu->Kill();
    EXPECT_TRUE(menu->Buttons.empty());
}

struct MenuScreen : TScreen {
    using TScreen::TScreen;
};

TEST(ScreenBase, ManagesDrawsAndDropsItsMenuAndHeader) {
    WidgetHost host;
    MenuScreen screen{host.game->Parts()};
    screen.Menu = TwoButtonMenu();
    screen.HeaderLoad("levelcomplete", 400, 60);
    ASSERT_TRUE(screen.Header);
    EXPECT_EQ(screen.Header->image->midhandled, 1);

    // A click left over from the last screen does not click anything here.
    host.MoveTo(300, 110);
    host.Click();
    host.game->Screens.First(screen);
    EXPECT_EQ(host.game->Screens.Current(), &screen);
    EXPECT_EQ(screen.Menu->Buttons[0]->MouseOver, 1) << "the hover look is right at once";
    EXPECT_FALSE(screen.Menu->Clicked("resume"));

    host.Click();
    screen.Logic();
    EXPECT_TRUE(screen.Menu->Clicked("resume"));

    media::SetClsColor(0, 0, 0);
    screen.Draw();
    const media::Pixmap header = media::GrabPixmap(120, 12, 560, 96);
    EXPECT_TRUE(std::any_of(header.pixels.begin(), header.pixels.end(),
                            [](std::uint32_t p) { return (p & 0xFFFFFF) != 0; }));

    screen.Kill();
    EXPECT_FALSE(screen.Menu);
    EXPECT_FALSE(screen.Header);
}

}  // namespace
