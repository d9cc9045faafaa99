// A new player's first level played by key presses alone on the built game: the highlighted
// cell walked with the arrows, pieces picked up and sent with Enter and Space, the three power
// tokens armed with 1, 2 and 3 and each used on the highlighted cell, the tutorial finished and
// a normal move made; the in-game menu walked with the arrows and closed with Enter; the
// pointer hidden throughout and back once the mouse moves.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "GameProcess.h"
#include "ScriptJourney.h"
#include "StateJson.h"

namespace {

constexpr double kTimeout = 300;

// Key presses ten logic steps apart, the highlighted cell tracked as the game moves it.
class KeyScript : public ScriptJourney {
public:
    explicit KeyScript(GameProcess& game) : ScriptJourney(game, "keys.txt", kTimeout) {}

    void To(int x, int y) {
        for (; x_ < x; ++x_) Key("right");
        for (; x_ > x; --x_) Key("left");
        for (; y_ < y; ++y_) Key("down");
        for (; y_ > y; --y_) Key("up");
    }

private:
    int x_ = 4, y_ = 4;  // where the highlight starts
};

int Cell(const StateJson& screen, int x, int y) {
    return screen["Board"][static_cast<size_t>(x)][static_cast<size_t>(y)].Int();
}

TEST(KeyboardPlayTest, TheTutorialLevelIsPlayedByKeysAloneWithEveryPowerToken) {
    GameProcess game("keyboard");
    KeyScript k(game);
    k.Key("enter");
    k.To(5, 7);
    k.Key("space");
    k.State("picked");
    k.To(5, 2);
    k.Key("enter");
    k.State("moving");
    k.Wait(300);
    k.State("moved");
    k.Key("enter");
    k.Key("enter");
    k.To(4, 5);
    k.Key("enter");
    k.To(3, 2);
    k.Key("enter");
    k.Wait(400);
    k.State("vortex-offered");
    k.Key("1");
    k.State("vortex-armed");
    k.Key("enter");
    k.Wait(450);
    k.State("vortex-used");
    k.Key("enter");
    k.Wait(400);
    k.Key("2");
    k.State("palette-armed");
    k.To(4, 3);
    k.Key("enter");
    k.Wait(500);
    k.State("palette-used");
    k.Key("enter");
    k.Wait(500);
    k.Key("3");
    k.State("bomb-armed");
    k.To(5, 5);
    k.Key("enter");
    k.Wait(300);
    k.State("bomb-used");
    for (int i = 0; i < 4; ++i) k.Key("enter");
    k.State("tutorial-over");
    // The level goes on: the 3 on (4, 3) goes one cell down.
    k.To(4, 3);
    k.Key("enter");
    k.To(4, 4);
    k.Key("enter");
    k.Wait(300);
    k.State("normal-move");
    // The in-game menu: Escape opens it, the arrows walk it, Enter presses the highlight.
    k.Key("escape");
    k.Wait(100);
    k.Key("down");
    k.Key("down");
    k.Key("up");
    k.State("menu");
    k.Key("enter");
    k.Wait(100);
    k.State("resumed");
    k.Move(700, 500);
    k.State("mouse");
    ASSERT_EQ(k.Run({"--ticks-per-frame", "2", "--seed", "4", "--level", "1", "--player", "Keys"}),
              0)
        << game.Stderr();

    StateJson s = k.Screen("picked");
    EXPECT_EQ(s["KeySteering"].Int(), 1) << "the keys steer while the pointer is hidden";
    EXPECT_EQ(s["KeyCell"].Ints(), (std::vector<int>{5, 7}));
    EXPECT_EQ(s["TutStep"].Int(), 2);
    EXPECT_EQ(s["SelectedX"].Int(), 5);
    EXPECT_EQ(s["SelectedY"].Int(), 7);
    EXPECT_EQ(k.Screen("moving")["PieceMoving"].Int(), 1) << "the piece runs along its path";
    s = k.Screen("moved");
    EXPECT_EQ(Cell(s, 5, 2), 5);
    EXPECT_EQ(Cell(s, 5, 7), 0);

    s = k.Screen("vortex-offered");
    EXPECT_EQ(s["TutStep"].Int(), 7);
    EXPECT_EQ(s["VOFF"].Int(), 1);
    s = k.Screen("vortex-armed");
    EXPECT_EQ(s["VOFF"].Int(), 2);
    EXPECT_EQ(s["Active"].Int(), 1);
    EXPECT_EQ(k.Screen("vortex-used")["TutStep"].Int(), 9);

    s = k.Screen("palette-armed");
    EXPECT_EQ(s["TutStep"].Int(), 12);
    EXPECT_EQ(s["Active"].Int(), 2);
    EXPECT_EQ(k.Screen("palette-used")["TutStep"].Int(), 13);

    s = k.Screen("bomb-armed");
    EXPECT_EQ(s["TutStep"].Int(), 16);
    EXPECT_EQ(s["Active"].Int(), 3);
    EXPECT_EQ(Cell(s, 1, 5), 1);
    s = k.Screen("bomb-used");
    EXPECT_EQ(s["TutStep"].Int(), 17) << "the bomb armed from the keys went off on the cell";
    EXPECT_EQ(s["Active"].Int(), 0);
    EXPECT_EQ(Cell(s, 1, 5), 0) << "the bomb took the blackjack on its row";

    s = k.Screen("tutorial-over");
    EXPECT_EQ(s["TutorialGame"].Int(), 0);
    s = k.Screen("normal-move");
    EXPECT_EQ(Cell(s, 4, 3), 0);
    EXPECT_EQ(Cell(s, 4, 4), 3);
    EXPECT_EQ(s["PiecesOnBoard"].Int(), 9) << "a dry move deals three";

    const StateJson menu = k.Screen("menu")["GameMenu"];
    EXPECT_EQ(menu["Buttons"]["RESUME"]["hover"].Int(), 1) << "down, down, up comes back";
    EXPECT_EQ(menu["Buttons"]["SAVEANDEXIT"]["hover"].Int(), 0);
    s = k.Screen("resumed");
    EXPECT_TRUE(s["GameMenu"].IsNull()) << "Enter pressed Resume";
    EXPECT_EQ(s["name"].Text(), "game");
    EXPECT_EQ(k.Screen("mouse")["KeySteering"].Int(), 0) << "the mouse takes over when it moves";
}

TEST(KeyboardPlayTest, TabWalksTheDialogsButtonsAndEnterPressesTheHighlightedOne) {
    GameProcess game("keyboard-dialog");
    KeyScript first(game);
    ASSERT_EQ(first.Run({"--ticks-per-frame", "2", "--player", "Ann"}), 0) << game.Stderr();

    // The choose-player dialog: Tab to Delete, Enter; in the question Tab to Cancel, Enter;
    // then Delete again and Yes.
    KeyScript k(game);
    k.Wait(40);
    k.Key("tab");
    k.Key("tab");
    k.Key("enter");
    k.Key("tab");
    k.State("yes");
    k.Key("tab");
    k.State("cancel");
    k.Key("enter");
    k.State("kept");
    k.Key("enter");
    k.Key("tab");
    k.Key("enter");
    k.State("deleted");
    ASSERT_EQ(k.Run({"--ticks-per-frame", "2", "--player", "Keys", "--dialog", "players"}), 0)
        << game.Stderr();

    StateJson dialogs = k.Dump("yes")["dialogs"];
    ASSERT_EQ(dialogs.Size(), 2u) << "Enter on the highlighted Delete asked the question";
    EXPECT_EQ(dialogs[size_t{1}]["Buttons"]["YES"]["hover"].Int(), 1) << "the first Tab lights Yes";
    EXPECT_EQ(dialogs[size_t{1}]["Buttons"]["CANCEL"]["hover"].Int(), 0);
    dialogs = k.Dump("cancel")["dialogs"];
    EXPECT_EQ(dialogs[size_t{1}]["Buttons"]["YES"]["hover"].Int(), 0);
    EXPECT_EQ(dialogs[size_t{1}]["Buttons"]["CANCEL"]["hover"].Int(), 1);
    dialogs = k.Dump("kept")["dialogs"];
    ASSERT_EQ(dialogs.Size(), 1u);
    EXPECT_EQ(dialogs[size_t{0}]["names"].Texts(), (std::vector<std::string>{"Ann", "Keys"}))
        << "Enter pressed the highlighted Cancel, not the default Yes";
    dialogs = k.Dump("deleted")["dialogs"];
    ASSERT_EQ(dialogs.Size(), 1u);
    EXPECT_EQ(dialogs[size_t{0}]["names"].Texts(), (std::vector<std::string>{"Ann"}));
}

}  // namespace
