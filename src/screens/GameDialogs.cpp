#include "screens/GameDialogs.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "host/TDataPaths.h"
#include "host/TFixedRateLogic.h"
#include "host/TPlayerSession.h"
#include "presentation/TMenu.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TResources.h"
#include "screens/PlayerSelect.h"
#include "store/ProfileNames.h"
#include "store/TProfile.h"
#include "system/StringHelpers.h"
#include "system/Translate.h"

namespace {

constexpr int DialogWidth = 400;
constexpr int WebDialogWidth = 350;
constexpr int WebDialogBorder = 50;
constexpr int WebButtonsAboveBottom = 40;
constexpr int ButtonsY = 320;
constexpr int CaptionRaise = 30;
constexpr int NameCaptionDrop = 10;
constexpr int NameLength = 12;
constexpr int NameButtonGap = 50;
constexpr int PlayerLimit = 6;
constexpr int ScreenOKButtonY = 525;

TColor Rgb(int r, int g, int b, float alpha = 1) {
    TColor color;
    color.Set(r, g, b, alpha);
    return color;
}

std::string Picture(const std::string& name) {
    return PresentationContext().ImagePath + name + ".png";
}

// What every dialog of the game shares: the caption's font and shadow, no highlight frame,
// the box's shadow and the buttons' row, centred at screen y 320.
void CommonLook(TDialog& dialog, const TResources& resources, const TColor& captionColor,
                float boxShadowAlpha) {
    dialog.SetupCaption(nullptr, captionColor, TShadow::Create(1, 1, 0.6f), resources.FontMedium);
    dialog.Shadow = TShadow::Create(6, 6, boxShadowAlpha);
    dialog.DrawHighlight = 0;
    dialog.MenuOY = ButtonsY;
}

template <typename Dialog>
std::unique_ptr<Dialog> Started(const THost& host, std::unique_ptr<Dialog> dialog) {
    dialog->Start();
    // The time spent building the dialog is not caught up afterwards.
    host.Timing.Init();
    return dialog;
}

}  // namespace

std::unique_ptr<TDialogOK> CreateMessageDialog(const THost& host, const TResources& resources,
                                               const std::string& text) {
    auto dialog = TDialogOK::Create(text, Picture("dialog"), DialogWidth, 0, 0);
    CommonLook(*dialog, resources, Rgb(255, 0, 0), 0.4f);
    // A text short enough for one line sits in the middle too, not on the box's top edge.
    dialog->CaptionCentreVert = 1;
    dialog->CaptionOffsetY = -CaptionRaise;
    return Started(host, std::move(dialog));
}

std::unique_ptr<TDialogYesNo> CreateQuestionDialog(const THost& host, const TResources& resources,
                                                   const std::string& text) {
    auto dialog = TDialogYesNo::Create(text, Picture("dialog"), DialogWidth, 0, 0, 0);
    CommonLook(*dialog, resources, Rgb(255, 255, 100), 0.4f);
    dialog->CaptionCentreVert = 1;
    dialog->CaptionOffsetY = -CaptionRaise;
    return Started(host, std::move(dialog));
}

std::unique_ptr<TDialogTextInput> CreateNameDialog(const THost& host, const TResources& resources,
                                                   int withCancel) {
    auto dialog = TDialogTextInput::Create(Tr("Please enter your name"), "", NameLength,
                                           Picture("dialog"), 0, 0, 0, 0);
    CommonLook(*dialog, resources, Rgb(255, 255, 100), 0.3f);
    dialog->SetupText(nullptr, Rgb(255, 255, 255), TShadow::Create(1, 1, 0.6f), 0,
                      resources.FontMedium);
    dialog->MenuCreate(withCancel, NameButtonGap);
    dialog->TextInput.MakeCharsFileNameSafe();
    // Letters beyond ASCII as far as the font draws them.
    dialog->TextInput.AllowExtendedChars = 1;
    dialog->TextInput.NoLeadingDot = 1;
    dialog->TrimBlanks = 1;
    dialog->BoxColor = Rgb(0, 0, 0, 0.8f);
    dialog->BoxFrameColor = Rgb(255, 224, 128, 0.45f);
    dialog->BoxBorderH = 40;
    dialog->BoxBorderV = 2;
    dialog->Gap = 5;
    dialog->CaptionOffsetY = NameCaptionDrop;
    const std::string folder = host.Paths.ProfilePath;
    dialog->ErrorCheckFunc = [folder](const std::string& name, std::string& message) {
        return ProfileNameCheck(folder, name, message);
    };
    dialog->ErrorDialogFunc = [host, &resources](const std::string& message) {
        return CreateMessageDialog(host, resources, message);
    };
    return dialog;
}

std::unique_ptr<TDialogYesNo> CreateWebQuestionDialog(const THost& host,
                                                      const TResources& resources,
                                                      const std::string& text) {
    auto dialog = TDialogYesNo::Create(text, Picture("help"), WebDialogWidth, 0, 0, 0);
    CommonLook(*dialog, resources, Rgb(255, 255, 100), 0.4f);
    dialog->Border = WebDialogBorder;
    dialog->CaptionOffsetY = -CaptionRaise;
    dialog->CalcAll();
    dialog->MenuOY = dialog->y + dialog->h - WebButtonsAboveBottom - dialog->Menu->CalcHeight();
    return Started(host, std::move(dialog));
}

std::unique_ptr<TPlayerManager> CreatePlayerManager(const THost& host, const TResources& resources,
                                                    TSaveData& saveData) {
    auto manager = TPlayerManager::Create(Tr("Choose Player"), Picture("players"), 0, 0,
                                          PlayerLimit, host.Paths.ProfilePath);
    manager->Shadow = TShadow::Create(6, 6, 0.3f);
    manager->SetupCaption(nullptr, Rgb(255, 255, 100), TShadow::Create(3, 3, 0.4f),
                          resources.FontLarge);
    manager->CaptionOffsetY = 8;
    manager->BoxY = 158;
    manager->BoxBorderH = 48;
    manager->DrawHighlight = 0;
    manager->MenuOY = 446;
    TListBox& list = *manager->ListBox;
    list.SetupFont(nullptr, Rgb(255, 255, 255), TShadow::Create(3, 3, 0.4f), resources.FontMedium,
                   std::nullopt);
    list.SetupBox(Rgb(0, 0, 0, 0));
    list.Centred = 1;
    list.HighlightCol = Rgb(0, 0, 100, 0.6f);
    list.LineYOffset = -2;
    list.SetClickSound(manager->Menu->SoundClick);
    manager->ErrorDialogFunc = [host, &resources](const std::string& message) {
        return CreateMessageDialog(host, resources, message);
    };
    manager->DialogYesNoFunc = [host, &resources](const std::string& question) {
        return CreateQuestionDialog(host, resources, question);
    };
    manager->EnterNamePromptFunc = [host, &resources](int withCancel) {
        return CreateNameDialog(host, resources, withCancel);
    };
    manager->CreateProfileFunc = [host, &saveData](const std::string& name) {
        return MakePlayerCurrent(host, name, saveData) ? 1 : 0;
    };
    manager->SelectProfileFunc = [host, &saveData](const std::string& name) {
        MakePlayerCurrent(host, name, saveData);
    };
    manager->CurrentProfileFunc = [&session = host.Session] {
        return session.Profile ? session.Profile->Name : std::string();
    };
    return Started(host, std::move(manager));
}

int ProfileNameCheck(const std::string& folder, const std::string& name, std::string& message) {
    message.clear();
    if (name.empty()) return 1;
    if (!IsSafeProfileName(name)) {
        message = Tr("Error: this name cannot be used!");
        return -1;
    }
    std::error_code error;
    const std::vector<std::string> names = ListProfileNames(folder);
    const bool taken = std::filesystem::exists(folder + name + ".dat", error) ||
                       std::any_of(names.begin(), names.end(), [&name](const std::string& listed) {
                           return UpperCase(listed) == UpperCase(name);
                       });
    if (taken) {
        message = Tr("Error: a profile with this name already exists!");
        return -1;
    }
    return 1;
}

void AddScreenOKButton(TMenu& menu) {
    auto button = menu.AddQuick("OK", "");
    button->OKButton = 1;
    button->CentreX(ScreenOKButtonY);
}
