#include "presentation/TMenu.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "media/Platform.h"
#include "presentation/TGameFade.h"
#include "presentation/TMousePointer.h"
#include "presentation/TPresentationContext.h"
#include "system/InputHelpers.h"
#include "system/ScreenSize.h"
#include "system/StringHelpers.h"

namespace {

constexpr int KeyTab = 9, KeyEnter = 13, KeySpace = 32;
constexpr int KeyLeft = 37, KeyUp = 38, KeyRight = 39, KeyDown = 40;
constexpr int KeyLShift = 160, KeyRShift = 161;

std::shared_ptr<TGameSound> LoadMenuSound(const std::string& name) {
    if (name.empty()) return nullptr;
    const std::string folder = PresentationContext().SoundPath;
    return TGameSound::Create(folder + name + ".wav", 0);
}

bool OptionalPictureExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(media::ResolvePath(path), error);
}

}  // namespace

std::shared_ptr<TMenu> TMenu::Create(const std::string& mouseOverSound,
                                     const std::string& clickSound, float px, float py, int gap) {
    auto menu = std::make_shared<TMenu>();
    menu->Init(mouseOverSound, clickSound, px, py, gap);
    return menu;
}

void TMenu::Init(const std::string& mouseOverSound, const std::string& clickSound, float px,
                 float py, int gap) {
    Buttons.clear();
    KeyFocus = -1;
    x = px;
    y = py;
    Gap = gap;
    NextY = static_cast<int>(py);
    h = 0;
    AddGap = 0;
    MouseOverName.clear();
    ClickedName.clear();
    SoundMouseOver = LoadMenuSound(mouseOverSound);
    SoundClick = LoadMenuSound(clickSound);
}

// ---------------------------------------------------------------- adding buttons

std::shared_ptr<TButton> TMenu::AddNew(const std::string& name, const std::string& mouseOverName,
                                       const std::string& key, int cellWidth, int cellHeight,
                                       int frames) {
    auto button = DoAddNew(name, mouseOverName, key, cellWidth, cellHeight, frames);
    IncreaseHeight(*button);
    return button;
}

std::shared_ptr<TButton> TMenu::DoAddNew(const std::string& name, const std::string& mouseOverName,
                                         const std::string& key, int cellWidth, int cellHeight,
                                         int frames) {
    auto button = std::make_shared<TButton>();
    button->UseMenuPath = 1;
    button->Load(name, mouseOverName, "", "", cellWidth, cellHeight, frames);
    button->CentreX(static_cast<float>(NextY));
    button->SoundMouseOver = SoundMouseOver;
    button->SoundClick = SoundClick;
    button->SetShadow(Shadow, ShadowX, ShadowY, ShadowAlpha);
    if (!key.empty()) button->SetName(key);
    Buttons.push_back(button);
    return button;
}

void TMenu::IncreaseHeight(const TButton& button) {
    NextY += button.h + Gap;
    h += button.h + AddGap;
    AddGap = Gap;
}

std::shared_ptr<TButton> TMenu::AddQuick(const std::string& name, const std::string& key) {
    return AddNew(name, name + "MO", key, 0, 0, 1);
}

std::shared_ptr<TButton> TMenu::AddQuickAuto(const std::string& name, const std::string& key) {
    auto button = AddQuick(name, key);
    const std::string folder = button->GetPath();
    if (OptionalPictureExists(folder + name + "_disabled.png")) {
        button->LoadDisabled(name + "_disabled");
    }
    if (OptionalPictureExists(folder + name + "_down.png")) {
        button->LoadMouseClick(name + "_down", 200);
    }
    return button;
}

void TMenu::AddPair(const std::string& name1, const std::string& name2, int gap,
                    const std::string& key) {
    auto first = DoAddNew(name1, name1 + "MO", key, 0, 0, 1);
    auto second = DoAddNew(name2, name2 + "MO", "", 0, 0, 1);
    second->MoveTo(first->x + static_cast<float>(first->w + gap), first->y);
    IncreaseHeight(first->h >= second->h ? *first : *second);
}

// ---------------------------------------------------------------- lookups

std::shared_ptr<TButton> TMenu::FindButton(const std::string& name) const {
    const std::string wanted = UpperCase(name);
    for (const auto& button : Buttons) {
        if (button->name == wanted) return button;
    }
    return nullptr;
}

bool TMenu::Clicked(const std::string& name) {
    if (ClickedName.empty() || ClickedName != UpperCase(name)) return false;
    if (ClearClickedName) ClickedName.clear();
    return true;
}

// ---------------------------------------------------------------- layout

float TMenu::CalcLeft() const {
    float left = 10000;
    for (const auto& button : Buttons) left = std::min(left, button->x);
    return left;
}

float TMenu::CalcTop() const {
    float top = 10000;
    for (const auto& button : Buttons) top = std::min(top, button->y);
    return top;
}

int TMenu::CalcWidth() const {
    float left = 10000, right = -10000;
    for (const auto& button : Buttons) {
        left = std::min(left, button->x);
        right = std::max(right, button->x + static_cast<float>(button->w));
    }
    return Buttons.empty() ? 0 : static_cast<int>(right - left);
}

int TMenu::CalcHeight() const {
    float top = 10000, bottom = -10000;
    for (const auto& button : Buttons) {
        top = std::min(top, button->y);
        bottom = std::max(bottom, button->y + static_cast<float>(button->h));
    }
    return Buttons.empty() ? 0 : static_cast<int>(bottom - top);
}

void TMenu::SetX(float px) {
    if (Buttons.empty()) return;
    const float move = px - CalcLeft();
    for (const auto& button : Buttons) button->MoveBy(move, 0);
    x = px;
}

void TMenu::SetY(float py) {
    if (Buttons.empty()) return;
    const float move = py - CalcTop();
    for (const auto& button : Buttons) button->MoveBy(0, move);
    y = py;
}

void TMenu::CentreHoriz() {
    w = CalcWidth();
    SetX(static_cast<float>((ScreenWidth - w) / 2));
}

void TMenu::CentreVert() {
    h = CalcHeight();
    SetY(static_cast<float>((ScreenHeight - h) / 2));
}

void TMenu::Centre() {
    CentreHoriz();
    CentreVert();
}

void TMenu::MakeRow(int gap) {
    float next = 0;
    for (const auto& button : Buttons) {
        button->MoveTo(next, 0);
        next += static_cast<float>(button->w + gap);
    }
    Centre();
}

// ---------------------------------------------------------------- looks

void TMenu::SetShadow(int on, float sx, float sy, float alpha) {
    Shadow = on;
    ShadowX = sx;
    ShadowY = sy;
    ShadowAlpha = alpha;
}

void TMenu::SetAlpha(float alpha) {
    for (const auto& button : Buttons) button->Alpha = alpha;
}

void TMenu::ClearStates() {
    ClearGlow();
    ClearMouseClick();
    ClearMouseOver();
    ClearScale();
}

void TMenu::ClearGlow() {
    for (const auto& button : Buttons) button->Glow = 0;
}

void TMenu::ClearMouseClick() {
    for (const auto& button : Buttons) {
        button->Clicked = 0;
        button->MouseClickCounter = 0;
    }
}

void TMenu::ClearMouseOver() {
    for (const auto& button : Buttons) button->MouseOver = 0;
}

void TMenu::ClearScale() {
    for (const auto& button : Buttons) button->ScaleOnMO = 1;
}

// ---------------------------------------------------------------- per step and frame

int TMenu::Manage() {
    const TPresentationContext& context = PresentationContext();
    if (!context.Mouse) return 0;
    if ((context.GameFade && context.GameFade->Active) || !AcceptInput) {
        // A click from before the fade must not be reported once it is over.
        ClickedName.clear();
        for (const auto& button : Buttons) button->Clicked = 0;
        ManageFixedGlowOnly();
        return 0;
    }
    if (!context.Mouse->Manage()) return 0;
    // Taken before the buttons look at their keys, so Enter presses the highlighted button
    // rather than a dialog's default one.
    const bool pressed = ManageKeyFocus();
    MouseOverName.clear();
    ClickedName.clear();
    for (const auto& button : Buttons) {
        if (NoSound) {
            button->ManageNoSound();
        } else {
            button->Manage();
        }
        if (button->MouseOver) MouseOverName = button->name;
        if (button->Clicked) ClickedName = button->name;
    }
    if (KeyFocus >= 0) {
        TButton& focused = *Buttons[static_cast<size_t>(KeyFocus)];
        focused.MouseOver = 1;
        MouseOverName = focused.name;
        if (pressed) {
            const int savedSound = focused.NoSound;
            focused.NoSound = NoSound;
            focused.SimulateClick();
            focused.NoSound = savedSound;
            if (focused.Clicked) ClickedName = focused.name;
        }
    }
    return 1;
}

bool TMenu::ManageKeyFocus() {
    const TPresentationContext& context = PresentationContext();
    if (!context.Mouse->Hidden || !KeyNavigation || context.BlockKeys) {
        KeyFocus = -1;
        OwnerFocus = -1;
        return false;
    }
    if (KeyFocus >= static_cast<int>(Buttons.size()) ||
        (KeyFocus >= 0 && !Buttons[static_cast<size_t>(KeyFocus)]->TakesKeyFocus())) {
        KeyFocus = -1;
    }
    if (OwnerFocus >= OwnerStops) OwnerFocus = -1;
    const bool shift = KeyDownChecked(KeyLShift) || KeyDownChecked(KeyRShift);
    int step = 0;
    if (KeyHitChecked(KeyTab)) step = shift ? -1 : 1;
    if (ArrowKeys) {
        // A highlighted control of the owner's takes Left and Right itself.
        const bool sideways = OwnerFocus < 0;
        const bool forward = KeyHitChecked(KeyDown) || (sideways && KeyHitChecked(KeyRight));
        const bool back = KeyHitChecked(KeyUp) || (sideways && KeyHitChecked(KeyLeft));
        if (forward) step = 1;
        if (back) step = -1;
    }
    if (step != 0) {
        const int current =
            OwnerFocus >= 0 ? OwnerFocus : (KeyFocus >= 0 ? OwnerStops + KeyFocus : -1);
        const int next = NextFocus(current >= 0 ? current : FirstKeyStart(step), step);
        if (next >= 0 && next != current) {
            OwnerFocus = next < OwnerStops ? next : -1;
            KeyFocus = next < OwnerStops ? -1 : next - OwnerStops;
            if (!NoSound && KeyFocus >= 0) {
                Buttons[static_cast<size_t>(KeyFocus)]->PlayMouseOver();
            } else if (!NoSound && SoundMouseOver) {
                SoundMouseOver->PlayEffect();
            }
        }
    }
    if (KeyFocus < 0) return false;
    return KeyHitChecked(KeyEnter) || KeyHitChecked(KeySpace);
}

int TMenu::FirstKeyStart(int step) const {
    const auto hovered = std::find_if(Buttons.begin(), Buttons.end(),
                                      [](const auto& button) { return button->MouseOver; });
    if (hovered != Buttons.end()) {
        return OwnerStops + static_cast<int>(hovered - Buttons.begin()) - step;
    }
    return step > 0 ? -1 : OwnerStops + static_cast<int>(Buttons.size());
}

int TMenu::NextFocus(int from, int step) const {
    const int count = OwnerStops + static_cast<int>(Buttons.size());
    for (int i = 1; i <= count; ++i) {
        const int index = ((from + step * i) % count + count) % count;
        if (index < OwnerStops ||
            Buttons[static_cast<size_t>(index - OwnerStops)]->TakesKeyFocus()) {
            return index;
        }
    }
    return -1;
}

int TMenu::ManageNoSound() {
    const int saved = NoSound;
    NoSound = 1;
    const int result = Manage();
    NoSound = saved;
    return result;
}

void TMenu::ManageFixedGlowOnly() {
    for (const auto& button : Buttons) {
        if (button->FixedGlowOnMO == 1) button->ManageGlow();
    }
}

bool TMenu::Settled() const {
    return std::all_of(Buttons.begin(), Buttons.end(),
                       [](const auto& button) { return button->Settled(); });
}

void TMenu::Draw(float offsetX, float offsetY) {
    for (const auto& button : Buttons) {
        button->offx = offsetX;
        button->offy = offsetY;
        button->Draw();
    }
}

void TMenu::Kill() {
    for (const auto& button : Buttons) button->Kill();
    Buttons.clear();
    KeyFocus = -1;
    OwnerFocus = -1;
    MouseOverName.clear();
    ClickedName.clear();
}
