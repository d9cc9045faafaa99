// Game controllers: opened as SDL reports them, their buttons and left stick turned into the
// game's pad events, and the virtual pad that scripts drive.
#include <map>
#include <utility>

#include "media/MediaInternal.h"

namespace media {
namespace {

// The stick counts as pushed beyond the first value and as let go below the second, so a stick
// resting near the threshold does not chatter.
constexpr int kPushed = 16000;
constexpr int kReleased = 10000;

struct OpenPad {
    SDL_GameController* controller = nullptr;
    unsigned dpad = 0;       // directions held on the D-pad, one bit per PadButton
    unsigned stick = 0;      // directions the left stick is pushed to
    bool announced = false;  // its PadAdded was handed out
};

struct PadState {
    std::map<SDL_JoystickID, OpenPad> open;
    SDL_Joystick* virtualPad = nullptr;
};

PadState& Pads() {
    static PadState state;
    return state;
}

unsigned Bit(PadButton button) {
    return 1u << static_cast<unsigned>(button);
}

Event PadEvent(EventKind kind, PadButton button) {
    Event event{kind, static_cast<int>(button), 0, 0};
    detail::MousePosition(event.x, event.y);
    return event;
}

// A direction is held while the D-pad or the stick holds it.
void UpdateDirections(OpenPad& pad, unsigned dpad, unsigned stick, std::deque<Event>& out) {
    const unsigned before = pad.dpad | pad.stick;
    pad.dpad = dpad;
    pad.stick = stick;
    const unsigned now = dpad | stick;
    for (PadButton d : {PadButton::Up, PadButton::Down, PadButton::Left, PadButton::Right}) {
        if (((before ^ now) & Bit(d)) == 0) continue;
        out.push_back(PadEvent(now & Bit(d) ? EventKind::PadDown : EventKind::PadUp, d));
    }
}

bool FaceButton(Uint8 sdlButton, PadButton& button) {
    static constexpr std::pair<SDL_GameControllerButton, PadButton> kButtons[] = {
        {SDL_CONTROLLER_BUTTON_A, PadButton::A},
        {SDL_CONTROLLER_BUTTON_B, PadButton::B},
        {SDL_CONTROLLER_BUTTON_X, PadButton::X},
        {SDL_CONTROLLER_BUTTON_Y, PadButton::Y},
        {SDL_CONTROLLER_BUTTON_BACK, PadButton::Back},
        {SDL_CONTROLLER_BUTTON_START, PadButton::Start},
        {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, PadButton::LeftShoulder},
        {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, PadButton::RightShoulder},
    };
    for (const auto& [sdl, ours] : kButtons) {
        if (sdl == sdlButton) {
            button = ours;
            return true;
        }
    }
    return false;
}

unsigned DpadBit(Uint8 sdlButton) {
    switch (sdlButton) {
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
            return Bit(PadButton::Up);
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
            return Bit(PadButton::Down);
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            return Bit(PadButton::Left);
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            return Bit(PadButton::Right);
        default:
            return 0;
    }
}

// The stick's new bits on one axis: pushed past kPushed sets a side, falling under kReleased
// clears it.
unsigned StickAxis(unsigned bits, int value, PadButton low, PadButton high) {
    if (value <= -kPushed) {
        bits |= Bit(low);
    } else if (value > -kReleased) {
        bits &= ~Bit(low);
    }
    if (value >= kPushed) {
        bits |= Bit(high);
    } else if (value < kReleased) {
        bits &= ~Bit(high);
    }
    return bits;
}

// The pad opened (once, however often SDL tells of it); null when it cannot be.
OpenPad* Open(int deviceIndex) {
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller) return nullptr;
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    OpenPad& pad = Pads().open[id];
    if (pad.controller) {
        SDL_GameControllerClose(controller);
    } else {
        pad.controller = controller;
    }
    return &pad;
}

void Added(int deviceIndex, std::deque<Event>& out) {
    OpenPad* pad = Open(deviceIndex);
    if (!pad || pad->announced) return;
    pad->announced = true;
    out.push_back(PadEvent(EventKind::PadAdded, PadButton::A));
}

void Removed(SDL_JoystickID id, std::deque<Event>& out) {
    const auto found = Pads().open.find(id);
    if (found == Pads().open.end()) return;
    // Whatever it held is let go with it.
    UpdateDirections(found->second, 0, 0, out);
    SDL_GameControllerClose(found->second.controller);
    Pads().open.erase(found);
    out.push_back(PadEvent(EventKind::PadRemoved, PadButton::A));
}

}  // namespace

namespace detail {

void TranslatePad(const SDL_Event& e, std::deque<Event>& out) {
    switch (e.type) {
        case SDL_CONTROLLERDEVICEADDED:
            Added(e.cdevice.which, out);
            return;
        case SDL_CONTROLLERDEVICEREMOVED:
            Removed(e.cdevice.which, out);
            return;
        default:
            break;
    }
    const SDL_JoystickID id = e.type == SDL_CONTROLLERAXISMOTION ? e.caxis.which : e.cbutton.which;
    const auto found = Pads().open.find(id);
    if (found == Pads().open.end()) return;
    OpenPad& pad = found->second;
    if (e.type == SDL_CONTROLLERAXISMOTION) {
        unsigned stick = pad.stick;
        if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX)
            stick = StickAxis(stick, e.caxis.value, PadButton::Left, PadButton::Right);
        if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
            stick = StickAxis(stick, e.caxis.value, PadButton::Up, PadButton::Down);
        UpdateDirections(pad, pad.dpad, stick, out);
        return;
    }
    const bool down = e.type == SDL_CONTROLLERBUTTONDOWN;
    PadButton button = PadButton::A;
    if (FaceButton(e.cbutton.button, button)) {
        out.push_back(PadEvent(down ? EventKind::PadDown : EventKind::PadUp, button));
    } else if (const unsigned bit = DpadBit(e.cbutton.button)) {
        UpdateDirections(pad, down ? pad.dpad | bit : pad.dpad & ~bit, pad.stick, out);
    }
}

void ShutdownPads() {
    DisconnectVirtualPad();
    for (auto& [id, pad] : Pads().open) SDL_GameControllerClose(pad.controller);
    Pads().open.clear();
}

}  // namespace detail

bool ConnectVirtualPad() {
    PadState& pads = Pads();
    if (pads.virtualPad) return true;
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER) == 0) return false;
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    // A virtual joystick of this type comes with a mapping in SDL's own button order.
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "Quillox scripted pad";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    if (index < 0) return false;
    pads.virtualPad = SDL_JoystickOpen(index);
    // Opened as a pad at once: SDL turns a joystick's input into a pad's only for pads already
    // open, and a press may come before the news of the pad is read from the queue.
    if (!pads.virtualPad || !Open(index)) {
        if (pads.virtualPad) SDL_JoystickClose(pads.virtualPad);
        pads.virtualPad = nullptr;
        SDL_JoystickDetachVirtual(index);
    }
    return pads.virtualPad != nullptr;
}

void DisconnectVirtualPad() {
    PadState& pads = Pads();
    if (!pads.virtualPad) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(pads.virtualPad);
    SDL_JoystickClose(pads.virtualPad);
    pads.virtualPad = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
    }
}

void SetVirtualPadButton(PadButton button, bool down) {
    static constexpr SDL_GameControllerButton kSdl[PadButtonCount] = {
        SDL_CONTROLLER_BUTTON_A,
        SDL_CONTROLLER_BUTTON_B,
        SDL_CONTROLLER_BUTTON_X,
        SDL_CONTROLLER_BUTTON_Y,
        SDL_CONTROLLER_BUTTON_BACK,
        SDL_CONTROLLER_BUTTON_START,
        SDL_CONTROLLER_BUTTON_LEFTSHOULDER,
        SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
        SDL_CONTROLLER_BUTTON_DPAD_UP,
        SDL_CONTROLLER_BUTTON_DPAD_DOWN,
        SDL_CONTROLLER_BUTTON_DPAD_LEFT,
        SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
    };
    SDL_Joystick* pad = Pads().virtualPad;
    const int index = static_cast<int>(button);
    if (!pad || index < 0 || index >= PadButtonCount) return;
    SDL_JoystickSetVirtualButton(pad, kSdl[index], down ? 1 : 0);
    // Read at once, so a press and a release in quick succession both reach the queue.
    SDL_JoystickUpdate();
}

void SetVirtualPadAxis(PadAxis axis, int value) {
    SDL_Joystick* pad = Pads().virtualPad;
    if (!pad) return;
    const int clamped = value < -32768 ? -32768 : (value > 32767 ? 32767 : value);
    SDL_JoystickSetVirtualAxis(pad, static_cast<int>(axis), static_cast<Sint16>(clamped));
    SDL_JoystickUpdate();
}

}  // namespace media
