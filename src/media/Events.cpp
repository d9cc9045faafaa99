// The event queue: SDL's events translated into the game's, and scripted input fed through
// the same queue so that it arrives in order with real input.
#include <cmath>
#include <deque>
#include <vector>

#include "media/KeyMap.h"
#include "media/MediaInternal.h"

namespace media {
namespace {

struct Queues {
    Uint32 injectedType = 0;     // SDL event type marking the place of one scripted event
    std::deque<Event> injected;  // scripted events, in the order their markers were pushed
    std::deque<Event> pending;   // translated events not handed out yet
    Uint64 lastPump = 0;         // when the system's queue was last read, in milliseconds
};

Queues& Queue() {
    static Queues queues;
    return queues;
}

void Inject(const Event& event) {
    Queues& q = Queue();
    if (!detail::Display().initialised) return;
    if (q.injectedType == 0) {
        q.injectedType = SDL_RegisterEvents(1);
        if (q.injectedType == static_cast<Uint32>(-1)) {
            q.injectedType = 0;
            return;
        }
    }
    SDL_Event marker{};
    marker.type = q.injectedType;
    q.injected.push_back(event);
    if (SDL_PushEvent(&marker) != 1) q.injected.pop_back();
}

Event At(EventKind kind, int data) {
    Event event{kind, data, 0, 0};
    detail::MousePosition(event.x, event.y);
    return event;
}

int ButtonNumber(Uint8 button) {
    switch (button) {
        case SDL_BUTTON_LEFT:
            return 1;
        case SDL_BUTTON_RIGHT:
            return 2;
        case SDL_BUTTON_MIDDLE:
            return 3;
        default:
            return 0;
    }
}

bool TypedAsCharacter(int key) {
    return key == 8 || key == 9 || key == 13 || key == 27;
}

void Translate(const SDL_Event& e, std::deque<Event>& out) {
    Queues& q = Queue();
    if (q.injectedType != 0 && e.type == q.injectedType) {
        if (!q.injected.empty()) {
            out.push_back(q.injected.front());
            q.injected.pop_front();
        }
        return;
    }
    switch (e.type) {
        case SDL_QUIT:
            out.push_back(At(EventKind::AppTerminate, 0));
            break;
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET:
            detail::Display().damage.ForceWholeFrame();
            break;
        case SDL_WINDOWEVENT:
            // Whatever the window system did to the window, the next frame shows it whole.
            detail::Display().damage.ForceWholeFrame();
            if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) detail::CheckCanvasScale();
            if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST ||
                e.window.event == SDL_WINDOWEVENT_MINIMIZED)
                out.push_back(At(EventKind::AppSuspend, 0));
            if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED)
                out.push_back(At(EventKind::AppResume, 0));
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const int key = VirtualKeyFromScancode(e.key.keysym.scancode);
            if (key == 0) break;
            const bool down = e.type == SDL_KEYDOWN;
            out.push_back(At(down ? EventKind::KeyDown : EventKind::KeyUp, key));
            // These keys type a character too, as they do on Windows.
            if (down && TypedAsCharacter(key)) out.push_back(At(EventKind::KeyChar, key));
            break;
        }
        case SDL_TEXTINPUT: {
            const std::string text = e.text.text;
            for (size_t i = 0; i < text.size();) {
                out.push_back(
                    At(EventKind::KeyChar, static_cast<int>(detail::DecodeUtf8(text, i))));
            }
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const int button = ButtonNumber(e.button.button);
            if (button == 0) break;
            Event event{e.type == SDL_MOUSEBUTTONDOWN ? EventKind::MouseDown : EventKind::MouseUp,
                        button, 0, 0};
            detail::WindowToCanvas(e.button.x, e.button.y, event.x, event.y);
            out.push_back(event);
            break;
        }
        case SDL_MOUSEMOTION: {
            Event event{EventKind::MouseMove, 0, 0, 0};
            detail::WindowToCanvas(e.motion.x, e.motion.y, event.x, event.y);
            out.push_back(event);
            break;
        }
        case SDL_MOUSEWHEEL: {
            const int amount = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
            if (amount != 0) out.push_back(At(EventKind::MouseWheel, amount));
            break;
        }
        case SDL_CONTROLLERDEVICEADDED:
        case SDL_CONTROLLERDEVICEREMOVED:
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
        case SDL_CONTROLLERAXISMOTION:
            detail::TranslatePad(e, out);
            break;
        default:
            break;
    }
}

}  // namespace

namespace detail {

void ResetEvents() {
    Queue().injected.clear();
    Queue().pending.clear();
}

}  // namespace detail

Event NextEvent() {
    Queues& q = Queue();
    if (q.pending.empty() && detail::Display().initialised) {
        // The system is asked for new events at most every couple of milliseconds: polled input
        // reads the queue many times a frame, and each asking is a round of socket calls on
        // X11, a good part of what an idle screen costs.
        const Uint64 now = SDL_GetTicks64();
        if (now - q.lastPump >= 2 || now < q.lastPump) {
            SDL_PumpEvents();
            q.lastPump = now;
        }
        SDL_Event e;
        while (q.pending.empty() &&
               SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
            Translate(e, q.pending);
    }
    if (q.pending.empty()) return {};
    const Event event = q.pending.front();
    q.pending.pop_front();
    if (event.kind == EventKind::MouseMove || event.kind == EventKind::MouseDown ||
        event.kind == EventKind::MouseUp)
        detail::SetMousePosition(event.x, event.y);
    detail::FeedPolledInput(event);
    return event;
}

void PushMouseMove(int x, int y) {
    Inject({EventKind::MouseMove, 0, x, y});
}

void PushMouseButton(int button, bool down, int x, int y) {
    Inject({down ? EventKind::MouseDown : EventKind::MouseUp, button, x, y});
}

void PushKey(int virtualKey, bool down) {
    Inject(At(down ? EventKind::KeyDown : EventKind::KeyUp, virtualKey));
    if (down && TypedAsCharacter(virtualKey)) Inject(At(EventKind::KeyChar, virtualKey));
}

void PushText(const std::string& utf8) {
    for (size_t i = 0; i < utf8.size();) {
        Inject(At(EventKind::KeyChar, static_cast<int>(detail::DecodeUtf8(utf8, i))));
    }
}

void PushQuit() {
    Inject(At(EventKind::AppTerminate, 0));
}

void DrainInputEvents() {
    std::vector<Event> kept;
    for (Event event = NextEvent(); event.kind != EventKind::None; event = NextEvent()) {
        if (event.kind == EventKind::AppTerminate || event.kind == EventKind::AppSuspend ||
            event.kind == EventKind::AppResume || event.kind == EventKind::PadAdded ||
            event.kind == EventKind::PadRemoved || event.kind == EventKind::PadUp)
            kept.push_back(event);
    }
    Queue().pending.insert(Queue().pending.begin(), kept.begin(), kept.end());
}

void WaitForEvent(int ms) {
    if (!Queue().pending.empty() || !detail::Display().initialised || ms <= 0) return;
    // SDL waits on the window system's connection: the first event wakes it at once.
    SDL_WaitEventTimeout(nullptr, ms);
}

}  // namespace media
