// Buttons on their own: hover edges, clicks, the pressed look, disabled buttons, OK keys,
// hold-to-repeat, growth on hover and drawing of each look.

#include <gtest/gtest.h>

#include <vector>

#include "WidgetHost.h"
#include "presentation/TButton.h"
#include "presentation/TKeyRepeat.h"

namespace {

using widget_test::WidgetHost;

const auto* const kMedia = ::testing::AddGlobalTestEnvironment(new widget_test::MediaEnvironment);

std::shared_ptr<TButton> MenuButton(const std::string& name, float x, float y) {
    auto button = std::make_shared<TButton>();
    button->UseMenuPath = 1;
    button->Load(name, name + "MO", "buttonMO", "buttonclick", 0, 0, 1);
    button->MoveTo(x, y);
    return button;
}

TEST(Button, LoadsTopLeftHandledPicturesAndCentresAcrossTheScreen) {
    WidgetHost host;
    auto button = MenuButton("OK", 0, 0);
    EXPECT_EQ(button->name, "OK");
    EXPECT_EQ(button->w, 150);
    EXPECT_EQ(button->h, 50);
    float hx = -1, hy = -1;
    media::GetImageHandle(button->image->image, hx, hy);
    EXPECT_EQ(hx, 0);
    EXPECT_EQ(hy, 0);
    ASSERT_TRUE(button->ImageMouseOver);
    button->CentreX(525);
    EXPECT_EQ(button->x, 325);
    EXPECT_EQ(button->y, 525);
}

TEST(Button, HoverCoversTheLeftAndTopEdgesButNotTheRightAndBottom) {
    WidgetHost host;
    auto button = MenuButton("OK", 100, 200);
    const std::vector<std::pair<int, int>> inside = {{100, 200}, {249, 249}, {175, 225}};
    const std::vector<std::pair<int, int>> outside = {
        {250, 220}, {150, 250}, {99, 220}, {150, 199}};
    for (auto [px, py] : inside) {
        host.MoveTo(px, py);
        button->Manage();
        EXPECT_EQ(button->MouseOver, 1) << px << "," << py;
    }
    for (auto [px, py] : outside) {
        host.MoveTo(px, py);
        button->Manage();
        EXPECT_EQ(button->MouseOver, 0) << px << "," << py;
    }

    // An extra condition can veto the hover.
    int allow = 0;
    button->MouseOverUserFunction = [&allow] { return allow; };
    host.MoveTo(150, 220);
    button->Manage();
    EXPECT_EQ(button->MouseOver, 0);
    allow = 1;
    button->Manage();
    EXPECT_EQ(button->MouseOver, 1);
}

TEST(Button, AClickLastsOneStepAndTakesThePointersHit) {
    WidgetHost host;
    auto button = MenuButton("OK", 100, 200);
    host.MoveTo(120, 210);
    host.Click();
    button->Manage();
    EXPECT_EQ(button->Clicked, 1);
    EXPECT_EQ(host.Mouse().GetMh(0), 0) << "the hit is used up";
    button->Manage();
    EXPECT_EQ(button->Clicked, 0) << "the next step clears it";

    // A click elsewhere is left for whatever lies under the pointer there.
    host.MoveTo(10, 10);
    host.Click();
    button->Manage();
    EXPECT_EQ(button->Clicked, 0);
    EXPECT_EQ(host.Mouse().GetMh(0), 1);
}

TEST(Button, ThePressedLookLastsItsDurationAndBlocksClicksUnlessAllowed) {
    WidgetHost host;
    auto button = MenuButton("OK", 0, 0);
    // Any picture serves as the pressed look; 200 ms are 40 steps of 5 ms.
    button->LoadMouseClick("OKMO", 200);
    EXPECT_FLOAT_EQ(button->MouseClickDuration, 40);
    host.MoveTo(10, 10);
    host.Click();
    button->Manage();
    EXPECT_EQ(button->Clicked, 1);
    EXPECT_FLOAT_EQ(button->MouseClickCounter, 39) << "the step of the click counts";

    for (int step = 0; step < 10; ++step) button->Manage();
    host.Click();
    button->Manage();
    EXPECT_EQ(button->Clicked, 0) << "no second click while the pressed look shows";
    for (int step = 0; step < 28; ++step) button->Manage();
    EXPECT_FLOAT_EQ(button->MouseClickCounter, 0);
    host.Click();
    button->Manage();
    EXPECT_EQ(button->Clicked, 1);

    button->ClickWhenDown = 1;
    button->Manage();
    host.Click();
    button->Manage();
    EXPECT_EQ(button->Clicked, 1) << "ClickWhenDown lets a click through the pressed look";
    EXPECT_FLOAT_EQ(button->MouseClickCounter, 39) << "and starts the look again";

    // Without a pressed picture there is no pressed look to wait for.
    auto plain = MenuButton("OK", 0, 0);
    host.Click();
    plain->Manage();
    host.Click();
    plain->Manage();
    EXPECT_EQ(plain->Clicked, 1);
}

TEST(Button, DisabledButtonsReactOnlyWhenClickDisabledAllowsIt) {
    WidgetHost host;
    auto button = MenuButton("OK", 0, 0);
    button->Disabled = 1;
    host.MoveTo(10, 10);
    host.Click();
    button->Manage();
    EXPECT_EQ(button->MouseOver, 1) << "it only looks disabled by default";
    EXPECT_EQ(button->Clicked, 1);

    button->ClickDisabled = 0;
    button->OKButton = 1;
    host.Click();
    WidgetHost::PressKey(13);
    button->Manage();
    EXPECT_EQ(button->MouseOver, 0);
    EXPECT_EQ(button->Clicked, 0);
    EXPECT_EQ(host.Mouse().GetMh(0), 1) << "the click stays for others";
    EXPECT_TRUE(KeyHitChecked(13)) << "and so does the key";

    // An inactive button neither hovers nor answers.
    auto hidden = MenuButton("OK", 0, 0);
    hidden->Active = 0;
    hidden->OKButton = 1;
    WidgetHost::PressKey(13);
    hidden->Manage();
    EXPECT_EQ(hidden->MouseOver + hidden->Clicked, 0);
}

TEST(Button, OKButtonsAnswerToEnterAndToSpaceUnlessSpaceIsTyped) {
    WidgetHost host;
    host.MoveTo(700, 500);
    auto button = MenuButton("OK", 0, 0);
    button->OKButton = 1;
    button->Manage();
    EXPECT_EQ(button->Clicked, 0);
    WidgetHost::PressKey(13);
    button->Manage();
    EXPECT_EQ(button->Clicked, 1);
    EXPECT_EQ(button->MouseOver, 1) << "a key click shows the hover look";
    button->Manage();
    EXPECT_EQ(button->Clicked, 0);

    WidgetHost::PressKey(32);
    button->Manage();
    EXPECT_EQ(button->Clicked, 1);

    button->OKButtonUseSpace = 0;
    button->Manage();
    WidgetHost::PressKey(32);
    button->Manage();
    EXPECT_EQ(button->Clicked, 0);
    EXPECT_TRUE(KeyHitChecked(32)) << "space is left for the text input";

    // Enter is one press: the first OK button to see it takes it.
    auto second = MenuButton("OK", 0, 100);
    second->OKButton = 1;
    WidgetHost::PressKey(13);
    button->Manage();
    second->Manage();
    EXPECT_EQ(button->Clicked, 1);
    EXPECT_EQ(second->Clicked, 0);
}

TEST(Button, HoldingTheMouseRepeatsAfterTheInitialDelayThenEveryRepeatDelay) {
    WidgetHost host;
    auto button = MenuButton("OK", 0, 0);
    button->SetupMouseRepeat(400, 100);
    host.MoveTo(10, 10);
    host.Mouse().ButtonDown(1);
    std::vector<int> clickSteps;
    for (int step = 0; step <= 130; ++step) {
        button->Manage();
        if (button->Clicked) clickSteps.push_back(step);
    }
    EXPECT_EQ(clickSteps, (std::vector<int>{0, 80, 100, 120}));
    EXPECT_EQ(host.Mouse().GetMh(0), 0) << "the press is not left for another widget";

    host.Mouse().ButtonUp(1);
    button->Manage();
    EXPECT_EQ(button->MouseRepeat->LastState, 0);
    host.Mouse().ButtonDown(1);
    button->Manage();
    EXPECT_EQ(button->Clicked, 1) << "a new press clicks at once";
}

TEST(KeyRepeat, HeldKeyRepeatsAndReleaseResets) {
    WidgetHost host;
    TKeyRepeat repeat = TKeyRepeat::Create(50, 20);
    WidgetHost::HoldKey(39, true);
    std::vector<int> hits;
    for (int step = 0; step <= 20; ++step) {
        if (repeat.GetKey(39)) hits.push_back(step);
    }
    EXPECT_EQ(hits, (std::vector<int>{0, 10, 14, 18}));
    WidgetHost::HoldKey(39, false);
    EXPECT_EQ(repeat.GetKey(39), 0);
    EXPECT_EQ(repeat.LastState, 0);
    EXPECT_EQ(repeat.InitialDelayCounter, 0);

    // Fractional steps add up the same way.
    WidgetHost::HoldKey(39, true);
    EXPECT_EQ(repeat.GetKey(39), 1);
    PresentationContext().Delta = 0.5f;
    int count = 0;
    for (int step = 0; step < 19; ++step) count += repeat.GetKey(39);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(repeat.GetKey(39), 1) << "ten steps in halves";
    PresentationContext().Delta = 1.0f;
    WidgetHost::HoldKey(39, false);
}

TEST(Button, GrowsWhileHoveredUpToItsLimitAndShrinksBack) {
    WidgetHost host;
    auto button = MenuButton("OK", 0, 0);
    button->SetupScaleOnMO(1.1f, 0.03f, 0.01f);
    host.MoveTo(10, 10);
    button->Manage();
    EXPECT_FLOAT_EQ(button->ScaleOnMO, 1.03f);
    // Settled only at either size: the main loop may sleep over a settled menu.
    EXPECT_FALSE(button->Settled());
    for (int step = 0; step < 10; ++step) button->Manage();
    EXPECT_FLOAT_EQ(button->ScaleOnMO, 1.1f);
    EXPECT_TRUE(button->Settled());
    host.MoveTo(500, 500);
    button->Manage();
    EXPECT_FLOAT_EQ(button->ScaleOnMO, 1.09f);
    EXPECT_FALSE(button->Settled());
    for (int step = 0; step < 20; ++step) button->Manage();
    EXPECT_FLOAT_EQ(button->ScaleOnMO, 1.0f);
    EXPECT_TRUE(button->Settled());
}

TEST(Button, FixedGlowHoldsWhileHoveredAndFadesAfter) {
    WidgetHost host;
    auto button = MenuButton("OK", 0, 0);
    button->SetFixedGlowOnMO(0.5f, 0.05f, 0);
    host.MoveTo(10, 10);
    for (int step = 0; step < 5; ++step) button->Manage();
    EXPECT_FLOAT_EQ(button->Glow, 0.5f);
    EXPECT_TRUE(button->Settled()) << "a glow held under the pointer does not move";
    host.MoveTo(500, 500);
    button->Manage();
    EXPECT_FLOAT_EQ(button->Glow, 0.45f);
    EXPECT_FALSE(button->Settled());
    button->Active = 0;
    button->Manage();
    EXPECT_NEAR(button->Glow, 0.4f, 1e-5) << "the glow fades even while the button is inactive";
    for (int step = 0; step < 10; ++step) button->Manage();
    EXPECT_TRUE(button->Settled());
}

// The colour drawn at one canvas pixel.
std::uint32_t PixelAt(int x, int y) {
    return media::GrabPixmap(x, y, 1, 1).pixels[0] & 0xFFFFFF;
}

TEST(Button, DrawsTheLookOfItsStateAndLeavesTheCanvasNeutral) {
    WidgetHost host;
    auto button = MenuButton("OK", 100, 100);
    button->LoadDisabled("Cancel");
    button->LoadMouseClick("Yes", 200);
    const auto drawn = [&] {
        media::SetClsColor(0, 0, 0);
        media::Cls();
        button->Draw();
        return media::GrabPixmap(100, 100, 150, 50).pixels;
    };
    host.MoveTo(0, 0);
    button->Manage();
    const auto normal = drawn();
    host.MoveTo(120, 120);
    button->Manage();
    const auto hovered = drawn();
    EXPECT_NE(normal, hovered);
    host.Click();
    button->Manage();
    const auto pressed = drawn();
    EXPECT_NE(pressed, hovered);
    EXPECT_NE(pressed, normal);
    for (int step = 0; step < 40; ++step) button->Manage();
    EXPECT_EQ(drawn(), hovered) << "the pressed look ends after its duration";
    host.MoveTo(0, 0);
    button->Disabled = 1;
    button->Manage();
    const auto disabled = drawn();
    EXPECT_NE(disabled, normal);

    float sx = 0, sy = 0;
    media::GetDrawScale(sx, sy);
    EXPECT_EQ(sx, 1);
    EXPECT_FLOAT_EQ(media::GetAlpha(), 1);
    EXPECT_EQ(media::GetBlend(), media::ALPHABLEND);

    // Hidden buttons are not drawn unless asked to be.
    button->Active = 0;
    media::Cls();
    button->Draw();
    EXPECT_EQ(PixelAt(175, 125), 0u);
    button->AlwaysDraw = 1;
    button->Draw();
    EXPECT_NE(PixelAt(175, 125), 0u);
}

TEST(Button, CaptionFollowsTheButtonAndKillDropsIt) {
    WidgetHost host;
    auto button = MenuButton("OK", 100, 100);
    button->SetupCaption("Go", nullptr, TColor(), std::nullopt, nullptr, std::nullopt);
    ASSERT_TRUE(button->Caption);
    EXPECT_EQ(button->Caption->X, 175);
    EXPECT_EQ(button->Caption->Y, 125);
    EXPECT_EQ(button->Caption->Alignment, 1);
    button->MoveBy(10, -20);
    EXPECT_EQ(button->Caption->X, 185);
    EXPECT_EQ(button->Caption->Y, 105);
    media::Cls();
    button->Draw();
    button->SetupMouseRepeat(100, 100);
    button->Kill();
    EXPECT_FALSE(button->Caption);
    EXPECT_FALSE(button->MouseRepeat);
}

}  // namespace
