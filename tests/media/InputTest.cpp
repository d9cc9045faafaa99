// Key codes, the event queue and polled input.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "media/KeyMap.h"
#include "media/Media.h"

namespace {

using media::EventKind;

TEST(KeyMapTest, PhysicalKeysBecomeWindowsVirtualKeys) {
    // Scancodes are USB HID usage numbers.
    const struct {
        int scancode;
        int key;
    } cases[] = {
        {4, 'A'},   {29, 'Z'},  {30, '1'},  {38, '9'},  {39, '0'},  {40, 13},   {41, 27}, {42, 8},
        {43, 9},    {44, 32},   {45, 189},  {46, 187},  {58, 112},  {69, 123},  {73, 45}, {74, 36},
        {75, 33},   {76, 46},   {77, 35},   {78, 34},   {79, 39},   {80, 37},   {81, 40}, {82, 38},
        {224, 162}, {225, 160}, {226, 164}, {228, 163}, {229, 161}, {230, 165}, {89, 97}, {97, 105},
        {98, 96},   {88, 13},   {86, 109},  {87, 107},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(media::VirtualKeyFromScancode(c.scancode), c.key) << "scancode " << c.scancode;
    }
    EXPECT_EQ(media::VirtualKeyFromScancode(0), 0);
    EXPECT_EQ(media::VirtualKeyFromScancode(-5), 0);
    EXPECT_EQ(media::VirtualKeyFromScancode(100000), 0);
    EXPECT_EQ(media::VirtualKeyFromScancode(290), 0) << "media keys have no code here";
}

class EventQueueTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(media::Init({.headless = true}));
        ASSERT_TRUE(media::OpenDisplay(1024, 768, 0, 60));
    }
    static void TearDownTestSuite() { media::Shutdown(); }
    void SetUp() override {
        while (media::NextEvent().kind != EventKind::None) {
        }
    }
    void TearDown() override { media::SetPolledInput(false); }
};

TEST_F(EventQueueTest, ScriptedInputArrivesInOrderInCanvasPixels) {
    media::PushMouseMove(10, 20);
    media::PushMouseButton(2, true, 799, 599);
    media::PushKey(13, true);
    media::PushText("a\xC3\xA9\xE2\x82\xAC");
    media::PushKey(13, false);
    media::PushQuit();

    const struct {
        EventKind kind;
        int data;
    } expected[] = {
        {EventKind::MouseMove, 0},    {EventKind::MouseDown, 2}, {EventKind::KeyDown, 13},
        {EventKind::KeyChar, 13},     {EventKind::KeyChar, 'a'}, {EventKind::KeyChar, 0xE9},
        {EventKind::KeyChar, 0x20AC}, {EventKind::KeyUp, 13},    {EventKind::AppTerminate, 0},
    };
    for (const auto& want : expected) {
        const media::Event e = media::NextEvent();
        EXPECT_EQ(e.kind, want.kind);
        EXPECT_EQ(e.data, want.data);
        if (e.kind == EventKind::MouseMove) {
            EXPECT_EQ(e.x, 10) << "not scaled by the 1024 x 768 window";
            EXPECT_EQ(e.y, 20);
        }
        if (e.kind == EventKind::MouseDown) {
            EXPECT_EQ(e.x, 799);
        }
    }
    EXPECT_EQ(media::NextEvent().kind, EventKind::None);
}

TEST_F(EventQueueTest, MalformedTextBecomesReplacementCharacters) {
    media::PushText("\xC3");
    media::PushText(
        "\xFF"
        "b");
    EXPECT_EQ(media::NextEvent().data, 0xFFFD);
    EXPECT_EQ(media::NextEvent().data, 0xFFFD);
    EXPECT_EQ(media::NextEvent().data, 'b');
}

TEST_F(EventQueueTest, PolledInputCountsHitsAndHeldKeys) {
    media::SetPolledInput(true);
    media::PushKey('A', true);
    media::PushKey('A', true);  // auto-repeat
    EXPECT_EQ(media::KeyHit('A'), 2);
    EXPECT_EQ(media::KeyHit('A'), 0) << "reading clears the count";
    EXPECT_TRUE(media::KeyDown('A'));
    media::PushKey('A', false);
    EXPECT_FALSE(media::KeyDown('A'));

    media::PushText("hi");
    EXPECT_EQ(media::GetChar(), 'h');
    EXPECT_EQ(media::GetChar(), 'i');
    EXPECT_EQ(media::GetChar(), 0);

    media::PushMouseButton(1, true, 40, 50);
    EXPECT_EQ(media::MouseHit(1), 1);
    media::PushMouseButton(1, true, 40, 50);
    media::FlushMouse();
    EXPECT_EQ(media::MouseHit(1), 0);

    media::PushKey(27, true);
    media::FlushKeys();
    EXPECT_EQ(media::KeyHit(27), 0);
    EXPECT_EQ(media::GetChar(), 0);
    EXPECT_EQ(media::KeyHit(-1), 0);
    EXPECT_EQ(media::KeyHit(4000), 0);
    EXPECT_EQ(media::MouseHit(7), 0);

    // A close request read past by polling stays queued for the event loop.
    media::PushKey('C', true);
    media::PushQuit();
    media::PushKey('D', true);
    EXPECT_EQ(media::KeyHit('C'), 1);
    EXPECT_EQ(media::KeyHit('D'), 1);
    EXPECT_EQ(media::NextEvent().kind, EventKind::AppTerminate);
    EXPECT_EQ(media::NextEvent().kind, EventKind::None);
}

TEST_F(EventQueueTest, WithoutPollingTheTablesStayEmpty) {
    media::PushKey('B', true);
    EXPECT_EQ(media::NextEvent().kind, EventKind::KeyDown);
    media::SetPolledInput(true);
    EXPECT_EQ(media::KeyHit('B'), 0);
    EXPECT_FALSE(media::KeyDown('B'));
}

// The pad events taken in now, as kind and button.
std::vector<std::pair<EventKind, media::PadButton>> PadEvents() {
    media::Delay(3);  // the system's queue is read at most every couple of milliseconds
    std::vector<std::pair<EventKind, media::PadButton>> events;
    for (media::Event e = media::NextEvent(); e.kind != EventKind::None; e = media::NextEvent()) {
        if (e.kind >= EventKind::PadDown)
            events.emplace_back(e.kind, static_cast<media::PadButton>(e.data));
    }
    return events;
}

TEST_F(EventQueueTest, APadComesAndGoesAndItsStickAndDpadHoldTheDirectionsTogether) {
    using media::PadAxis;
    using media::PadButton;
    using Events = std::vector<std::pair<EventKind, PadButton>>;
    ASSERT_TRUE(media::ConnectVirtualPad());
    EXPECT_EQ(PadEvents(), (Events{{EventKind::PadAdded, PadButton::A}}));
    media::SetVirtualPadButton(PadButton::A, true);
    media::SetVirtualPadButton(PadButton::A, false);
    media::SetVirtualPadButton(PadButton::RightShoulder, true);
    EXPECT_EQ(PadEvents(), (Events{{EventKind::PadDown, PadButton::A},
                                   {EventKind::PadUp, PadButton::A},
                                   {EventKind::PadDown, PadButton::RightShoulder}}))
        << "a press and release in one step both arrive";
    media::SetVirtualPadButton(PadButton::RightShoulder, false);
    PadEvents();

    media::SetVirtualPadAxis(PadAxis::LeftX, 20000);
    EXPECT_EQ(PadEvents(), (Events{{EventKind::PadDown, PadButton::Right}}));
    media::SetVirtualPadAxis(PadAxis::LeftX, 12000);
    EXPECT_EQ(PadEvents(), Events{}) << "a stick easing back a little still holds";
    media::SetVirtualPadAxis(PadAxis::LeftX, 5000);
    EXPECT_EQ(PadEvents(), (Events{{EventKind::PadUp, PadButton::Right}}));
    media::SetVirtualPadAxis(PadAxis::LeftX, -30000);
    media::SetVirtualPadButton(PadButton::Left, true);
    media::SetVirtualPadAxis(PadAxis::LeftX, 0);
    EXPECT_EQ(PadEvents(), (Events{{EventKind::PadDown, PadButton::Left}}))
        << "the D-pad keeps holding what the stick let go";
    media::SetVirtualPadButton(PadButton::Left, false);
    EXPECT_EQ(PadEvents(), (Events{{EventKind::PadUp, PadButton::Left}}));

    // Input dropped after a modal box still lets go of what was held.
    media::SetVirtualPadButton(PadButton::B, true);
    media::SetVirtualPadButton(PadButton::B, false);
    media::Delay(3);
    media::DrainInputEvents();
    EXPECT_EQ(PadEvents(), (Events{{EventKind::PadUp, PadButton::B}}));

    media::SetVirtualPadAxis(PadAxis::LeftY, 30000);
    EXPECT_EQ(PadEvents(), (Events{{EventKind::PadDown, PadButton::Down}}));
    media::DisconnectVirtualPad();
    EXPECT_EQ(PadEvents(),
              (Events{{EventKind::PadUp, PadButton::Down}, {EventKind::PadRemoved, PadButton::A}}))
        << "a pad pulled out lets go of what it held";
}

// The pointer at every window size the canvas fits: the window's pixel at the middle of a
// canvas pixel lands on that pixel, through the letterbox, whatever resolution the canvas is
// drawn at; and the canvas is drawn at twice the resolution only from one and a half times its
// size.
TEST(PointerMapping, EveryWindowSizeLandsOnTheCanvasPixelUnderThePointer) {
    ASSERT_TRUE(media::Init({.headless = true}));
    const struct {
        int width, height, scale;
    } windows[] = {{800, 600, 1},   {1024, 768, 1},  {1280, 800, 1}, {1200, 900, 2},
                   {1600, 1200, 2}, {1920, 1080, 2}, {900, 1000, 1}};
    for (const auto& w : windows) {
        media::SetWindowSize(w.width, w.height);
        ASSERT_TRUE(media::OpenDisplay(800, 600, 0, 60));
        EXPECT_EQ(media::CanvasScale(), w.scale) << w.width << "x" << w.height;
        EXPECT_EQ(media::GrabFrame().width, 800 * w.scale);
        const float fit = std::min(w.width / 800.0f, w.height / 600.0f);
        const float left = (w.width - 800 * fit) / 2, top = (w.height - 600 * fit) / 2;
        for (const auto& [x, y] : {std::pair{0, 0}, {799, 599}, {400, 300}, {123, 456}}) {
            while (media::NextEvent().kind != EventKind::None) {
            }
            SDL_Event motion{};
            motion.type = SDL_MOUSEMOTION;
            motion.motion.x = static_cast<int>(left + (x + 0.5f) * fit);
            motion.motion.y = static_cast<int>(top + (y + 0.5f) * fit);
            ASSERT_EQ(SDL_PushEvent(&motion), 1);
            const media::Event e = media::NextEvent();
            ASSERT_EQ(e.kind, EventKind::MouseMove);
            EXPECT_EQ(e.x, x) << w.width << "x" << w.height;
            EXPECT_EQ(e.y, y) << w.width << "x" << w.height;
        }
    }
    media::SetWindowSize(0, 0);
    media::Shutdown();
}

}  // namespace
