// Dialogs: the keys and buttons that answer each kind, the name prompt's refusals, the dialog
// stack run by the host's logic step (Escape and clicks never reach the screen or the host's
// exit behind a dialog), and the choose-player dialog's handling of missing players.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WidgetHost.h"
#include "host/TScreen.h"
#include "presentation/TDialogOK.h"
#include "presentation/TDialogStack.h"
#include "presentation/TDialogTextInput.h"
#include "presentation/TDialogYesNo.h"
#include "presentation/TPlayerManager.h"
#include "support/TempFolder.h"

namespace {

using widget_test::WidgetHost;

const auto* const kMedia = ::testing::AddGlobalTestEnvironment(new widget_test::MediaEnvironment);

constexpr int KeyEnter = 13, KeyEscape = 27;

template <typename Dialog>
std::unique_ptr<Dialog> Started(std::unique_ptr<Dialog> dialog) {
    dialog->Start();
    return dialog;
}

std::unique_ptr<TDialogYesNo> Question() {
    return Started(TDialogYesNo::Create("Are you sure?", "", 0, 0, 0, 0));
}

void Type(const std::string& text) {
    for (const char c : text) Input().RecordChar(static_cast<unsigned char>(c));
}

// Manages the dialog until it closes or `steps` run out; the result, 0 when still open.
int ManageFor(TDialog& dialog, int steps) {
    for (int i = 0; i < steps; ++i) {
        if (const int result = dialog.Manage()) return result;
    }
    return 0;
}

TEST(Dialog, AQuestionTakesYAndEnterForYesAndCEscapeAndCancelForCancel) {
    WidgetHost host;
    struct Answer {
        int Key;
        int Result;
    };
    for (const Answer answer :
         {Answer{89, 1}, Answer{KeyEnter, 1}, Answer{67, -1}, Answer{KeyEscape, -1}}) {
        auto question = Question();
        EXPECT_EQ(question->Manage(), 0);
        WidgetHost::PressKey(answer.Key);
        EXPECT_EQ(question->Manage(), answer.Result) << "key " << answer.Key;
        EXPECT_EQ(question->Active, 0);
        EXPECT_EQ(question->CloseResult, answer.Result);
    }

    auto question = Question();
    const auto cancel = question->Menu->FindButton("Cancel");
    ASSERT_TRUE(cancel);
    EXPECT_EQ(cancel->x - question->Menu->FindButton("Yes")->x, 150 + 50) << "50 apart";
    host.MoveTo(static_cast<int>(cancel->x) + 5, static_cast<int>(cancel->y) + 5);
    host.Click();
    EXPECT_EQ(question->Manage(), -1);
}

TEST(Dialog, AMessageClosesWithOKEnterOrEscapeAndSizesItselfWithoutAPicture) {
    WidgetHost host;
    for (const int key : {KeyEnter, 32, KeyEscape}) {
        auto message = Started(TDialogOK::Create("Nothing to see", "", 0, 0, 0));
        EXPECT_EQ(message->Manage(), 0);
        WidgetHost::PressKey(key);
        EXPECT_EQ(message->Manage(), 1) << "key " << key;
    }
    auto message = Started(TDialogOK::Create("Hi", "", 0, 0, 0));
    EXPECT_EQ(message->h, static_cast<int>(message->Caption->CalcHeight()) + 50 + 2 * 20 + 50);
    EXPECT_EQ(message->x, (800 - message->w) / 2);
    EXPECT_EQ(message->y, (600 - message->h) / 2);
    const auto ok = message->Menu->FindButton("OK");
    EXPECT_EQ(ok->y, message->y + message->h - 20 - 50) << "Border above the bottom edge";
    EXPECT_GE(ok->x, message->x + 20) << "a short caption still makes room for the button";
    EXPECT_LE(ok->x + ok->w, message->x + message->w - 20);
}

std::unique_ptr<TDialogTextInput> NamePrompt(const std::vector<std::string>& taken,
                                             int withCancel = 0) {
    auto prompt = TDialogTextInput::Create("Please enter your name", "", 10, "", 0, 0, 0, 0);
    prompt->MenuCreate(withCancel, 50);
    prompt->TrimBlanks = 1;
    prompt->TextInput.MakeCharsFileNameSafe();
    prompt->ErrorCheckFunc = [taken](const std::string& text, std::string& message) {
        for (const std::string& name : taken) {
            if (name == text) {
                message = "Error: a profile with this name already exists!";
                return -1;
            }
        }
        return 1;
    };
    prompt->ErrorDialogFunc = [](const std::string& message) {
        return TDialogOK::Create(message, "", 0, 0, 0);
    };
    prompt->Start();
    return prompt;
}

TEST(Dialog, TheNamePromptRefusesAnEmptyNameAndKeepsARefusedNameForCorrection) {
    WidgetHost host;
    auto prompt = NamePrompt({"Ann"});
    EXPECT_TRUE(PresentationContext().BlockKeys);
    Type("\r");
    EXPECT_EQ(ManageFor(*prompt, 3), 0) << "Enter on an empty name does nothing";
    EXPECT_EQ(prompt->TextInput.Active, 1);
    const auto ok = prompt->Menu->FindButton("OK");
    host.MoveTo(static_cast<int>(ok->x) + 5, static_cast<int>(ok->y) + 5);
    host.Click();
    EXPECT_EQ(prompt->Manage(), 0) << "nor does OK";
    EXPECT_FALSE(prompt->DialogOK);

    Type("ann\r");
    EXPECT_EQ(ManageFor(*prompt, 6), 0);
    ASSERT_TRUE(prompt->DialogOK) << "the name in use is refused with a message";
    EXPECT_EQ(prompt->DialogOK->Caption->Text, "Error: a profile with this name already exists!");
    EXPECT_EQ(prompt->TextInput.Text, "Ann");
    Type("x");
    WidgetHost::PressKey(KeyEnter);
    EXPECT_EQ(ManageFor(*prompt, 2), 0);
    EXPECT_FALSE(prompt->DialogOK) << "the message closes first";
    EXPECT_EQ(prompt->TextInput.Text, "Ann") << "nothing typed behind the message arrives";
    EXPECT_EQ(prompt->TextInput.Active, 1);

    Type("e\r");
    EXPECT_EQ(ManageFor(*prompt, 3), 1);
    EXPECT_EQ(prompt->TextInput.Text, "Anne");
    EXPECT_FALSE(PresentationContext().BlockKeys);
}

TEST(Dialog, ANamePromptGivesTheHostItsKeysBackHoweverItEnds) {
    WidgetHost host;
    auto prompt = NamePrompt({}, 1);
    Type("bo");
    ManageFor(*prompt, 2);
    prompt->Kill();
    EXPECT_FALSE(PresentationContext().BlockKeys) << "dropped while typing";

    prompt = NamePrompt({}, 1);
    Type("bo");
    ManageFor(*prompt, 2);
    const auto cancel = prompt->Menu->FindButton("Cancel");
    ASSERT_TRUE(cancel);
    host.MoveTo(static_cast<int>(cancel->x) + 5, static_cast<int>(cancel->y) + 5);
    host.Click();
    EXPECT_EQ(prompt->Manage(), -1);
    EXPECT_FALSE(PresentationContext().BlockKeys);

    prompt = NamePrompt({});
    Type("  bo b  \r");
    EXPECT_EQ(ManageFor(*prompt, 10), 1);
    EXPECT_EQ(prompt->TextInput.Text, "Bo b") << "blanks at the ends dropped";
    EXPECT_FALSE(PresentationContext().BlockKeys);
}

// A screen that counts its logic steps and the Escapes it sees.
struct CountingScreen : TScreen {
    using TScreen::TScreen;
    int Steps = 0;
    int StepsUnderDialog = 0;
    void Logic() override {
        ++Steps;
        TScreen::Logic();
    }
    void LogicUnderDialog() override { ++StepsUnderDialog; }
};

TEST(Dialog, WhileADialogIsOpenEscapeAndClicksNeverReachTheScreenOrTheHost) {
    WidgetHost host;
    CountingScreen screen{host.game->Parts()};
    host.game->Screens.First(screen);
    std::vector<int> results;
    const auto record = [&results](TDialog&, int result) { results.push_back(result); };

    // A question: the host holds Escape back for it.
    host.game->Dialogs.Open(Question(), record);
    media::PushKey(KeyEscape, true);
    media::PushKey(KeyEscape, false);
    host.game->Loop.LogicWrapper();
    EXPECT_EQ(results, std::vector<int>{-1});
    EXPECT_EQ(screen.Steps, 0);
    EXPECT_EQ(screen.StepsUnderDialog, 1);
    host.game->Loop.LogicWrapper();
    EXPECT_EQ(screen.Steps, 1);
    EXPECT_EQ(host.game->Fade.Active, 0) << "no exit fade started";
    EXPECT_EQ(host.game->Screens.Destination(), nullptr);

    // A name prompt: the field takes Escape itself while the host's keys are blocked; the key
    // must not reach the host once the prompt has closed either.
    host.game->Dialogs.Open(NamePrompt({}), record);
    media::PushKey(KeyEscape, true);
    media::PushKey(KeyEscape, false);
    for (int i = 0; i < 3; ++i) host.game->Loop.LogicWrapper();
    EXPECT_EQ(results, (std::vector<int>{-1, -1}));
    EXPECT_TRUE(host.game->Dialogs.Empty());
    EXPECT_FALSE(PresentationContext().BlockKeys);
    EXPECT_EQ(host.game->Fade.Active, 0);
    EXPECT_EQ(host.game->Screens.Destination(), nullptr);

    // The click that closes a dialog is not also a click on the screen below.
    auto message = Started(TDialogOK::Create("Hello", "", 0, 0, 0));
    const auto ok = message->Menu->FindButton("OK");
    host.game->Dialogs.Open(std::move(message), record);
    media::PushMouseMove(static_cast<int>(ok->x) + 5, static_cast<int>(ok->y) + 5);
    media::PushMouseButton(1, true, static_cast<int>(ok->x) + 5, static_cast<int>(ok->y) + 5);
    media::PushMouseButton(1, false, static_cast<int>(ok->x) + 5, static_cast<int>(ok->y) + 5);
    host.game->Loop.LogicWrapper();
    EXPECT_EQ(results.back(), 1);
    EXPECT_EQ(host.Mouse().GetMh(0), 0);

    // With no dialog, Escape is the host's again.
    media::PushKey(KeyEscape, true);
    media::PushKey(KeyEscape, false);
    host.game->Loop.LogicWrapper();
    EXPECT_EQ(host.game->Screens.Destination(), host.game->Screens.ExitScreen());
}

// A choose-player dialog over a scratch profile folder, with the game's parts recorded.
struct ManagerRig {
    TempFolder folder;
    std::string current;
    std::vector<std::string> selected;
    int prompts = 0;
    std::unique_ptr<TPlayerManager> manager;

    void Start() {
        manager = TPlayerManager::Create("Choose Player", "", 0, 0, 6, folder.Path());
        manager->CurrentProfileFunc = [this] { return current; };
        manager->SelectProfileFunc = [this](const std::string& name) {
            selected.push_back(name);
            current = name;
        };
        manager->EnterNamePromptFunc = [this](int withCancel) {
            ++prompts;
            auto prompt = TDialogTextInput::Create("Name", "", 12, "", 0, 0, 0, 0);
            prompt->MenuCreate(withCancel, 50);
            return prompt;
        };
        manager->DialogYesNoFunc = [](const std::string& text) {
            return TDialogYesNo::Create(text, "", 0, 0, 0, 0);
        };
        manager->Start();
    }
};

TEST(PlayerManager, WithoutAnyPlayerEscapeLeavesAndOKAsksForAName) {
    WidgetHost host;
    ManagerRig rig;
    rig.Start();
    EXPECT_EQ(rig.manager->ListBox->Index, -1);
    WidgetHost::PressKey(KeyEscape);
    EXPECT_EQ(rig.manager->Manage(), -1);
    EXPECT_TRUE(rig.selected.empty()) << "nobody is made current";

    rig.Start();
    EXPECT_EQ(rig.manager->OKClick(), 0);
    EXPECT_EQ(rig.prompts, 1);
    ASSERT_TRUE(rig.manager->EnterName);
    EXPECT_EQ(rig.manager->Active, 1);
    rig.manager->Kill();
    EXPECT_FALSE(PresentationContext().BlockKeys);
}

TEST(PlayerManager, TheCurrentPlayerNeverStaysADeletedOne) {
    WidgetHost host;
    ManagerRig rig;
    for (const char* name : {"Ann", "Bob", "Cy"}) rig.folder.Write(std::string(name) + ".dat", "");
    rig.current = "Cy";
    rig.Start();
    EXPECT_EQ(rig.manager->ListBox->Index, 2) << "the current player is selected";
    rig.manager->DeleteProfileCheck();
    ASSERT_TRUE(rig.manager->DialogYesNo);
    EXPECT_EQ(rig.manager->DialogYesNo->Caption->Text, "Are you sure you want to delete - Cy?");
    WidgetHost::PressKey(89);
    rig.manager->Manage();
    EXPECT_FALSE(rig.folder.Exists("Cy.dat"));
    EXPECT_EQ(rig.manager->ListBox->Index, 1) << "the new last row";
    EXPECT_EQ(rig.selected, std::vector<std::string>{"Ann"}) << "the first listed, at once";

    // A current player whose file went some other way is replaced on leaving.
    rig.current = "Zed";
    WidgetHost::PressKey(KeyEscape);
    EXPECT_EQ(rig.manager->Manage(), -1);
    EXPECT_EQ(rig.selected.back(), "Ann");
}

}  // namespace
