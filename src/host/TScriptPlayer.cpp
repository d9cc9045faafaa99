#include "host/TScriptPlayer.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <sstream>

#include "host/JsonObject.h"
#include "media/Media.h"
#include "system/AtomicFile.h"
#include "system/Paths.h"
#include "system/ScreenSize.h"

namespace {

bool ToInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Checks one action's arguments; returns an error text or "".
std::string CheckAction(const TScriptAction& action) {
    const auto& a = action.Args;
    int n = 0;
    if (action.Action == "move") {
        if (a.size() != 2 || !ToInt(a[0], n) || !ToInt(a[1], n)) return "move needs X Y";
    } else if (action.Action == "click" || action.Action == "down" || action.Action == "up") {
        if (a.size() < 2 || a.size() > 3 || !ToInt(a[0], n) || !ToInt(a[1], n)) {
            return action.Action + " needs X Y [BUTTON]";
        }
        if (a.size() == 3 && (!ToInt(a[2], n) || n < 1 || n > 3)) return "BUTTON must be 1, 2 or 3";
    } else if (action.Action == "key" || action.Action == "keydown" || action.Action == "keyup") {
        if (a.size() != 1) return action.Action + " needs one key NAME";
        if (TScriptPlayer::KeyCode(a[0]) < 0) return "unknown key name '" + a[0] + "'";
    } else if (action.Action == "text") {
        if (a.empty()) return "text needs a STRING";
    } else if (action.Action == "screenshot" || action.Action == "state") {
        if (a.size() != 1) return action.Action + " needs one FILE";
    } else if (action.Action == "pad") {
        if (a.size() != 1) return "pad needs connect, disconnect or a BUTTON";
        if (a[0] != "connect" && a[0] != "disconnect" && TScriptPlayer::PadButtonCode(a[0]) < 0)
            return "unknown pad button '" + a[0] + "'";
    } else if (action.Action == "padaxis") {
        if (a.size() != 2 || TScriptPlayer::PadAxisCode(a[0]) < 0 || !ToInt(a[1], n) ||
            n < -32768 || n > 32767)
            return "padaxis needs an AXIS and a VALUE from -32768 to 32767";
    } else if (action.Action == "quit") {
        if (!a.empty()) return "quit takes no arguments";
    } else {
        return "unknown action '" + action.Action + "'";
    }
    return "";
}

}  // namespace

int TScriptPlayer::KeyCode(const std::string& name) {
    if (name.size() == 1) {
        const unsigned char c =
            static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(name[0])));
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
        return -1;
    }
    const std::string key = Lower(name);
    struct Named {
        const char* Name;
        int Code;
    };
    static const Named kNames[] = {
        {"escape", 27}, {"enter", 13}, {"space", 32}, {"backspace", 8},
        {"tab", 9},     {"left", 37},  {"up", 38},    {"right", 39},
        {"down", 40},   {"alt", 164},  {"ctrl", 162}, {"shift", 160},
    };
    for (const Named& named : kNames) {
        if (key == named.Name) return named.Code;
    }
    if (key.size() >= 2 && key[0] == 'f') {
        int number = 0;
        if (ToInt(key.substr(1), number) && number >= 1 && number <= 12) return 111 + number;
    }
    return -1;
}

int TScriptPlayer::PadButtonCode(const std::string& name) {
    static const char* const kNames[media::PadButtonCount] = {
        "a",    "b",      "x",      "y",      "back", "start", "leftshoulder", "rightshoulder",
        "dpup", "dpdown", "dpleft", "dpright"};
    const std::string lower = Lower(name);
    for (int i = 0; i < media::PadButtonCount; ++i) {
        if (lower == kNames[i]) return i;
    }
    return -1;
}

int TScriptPlayer::PadAxisCode(const std::string& name) {
    static const char* const kNames[] = {"leftx",  "lefty",       "rightx",
                                         "righty", "lefttrigger", "righttrigger"};
    const std::string lower = Lower(name);
    for (int i = 0; i < 6; ++i) {
        if (lower == kNames[i]) return i;
    }
    return -1;
}

std::optional<TScriptPlayer> TScriptPlayer::Load(const std::string& path, std::string& error) {
    const auto text = ReadFileOrPipe(path);
    if (!text) {
        error = "cannot read script file '" + path + "'";
        return std::nullopt;
    }
    auto player = Parse(*text, error);
    if (!player) error = path + ": " + error;
    return player;
}

std::optional<TScriptPlayer> TScriptPlayer::Parse(const std::string& text, std::string& error) {
    TScriptPlayer player;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::string tickText;
        if (!(words >> tickText)) continue;
        TScriptAction action;
        action.Line = number;
        if (!ToInt(tickText, action.Tick) || action.Tick < 0) {
            error = "line " + std::to_string(number) + ": '" + tickText + "' is not a tick";
            return std::nullopt;
        }
        if (!(words >> action.Action)) {
            error = "line " + std::to_string(number) + ": an action must follow the tick";
            return std::nullopt;
        }
        action.Action = Lower(action.Action);
        if (action.Action == "text") {
            // The rest of the line, as typed, after one separating blank.
            std::string rest;
            std::getline(words, rest);
            if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
            while (!rest.empty() && (rest.back() == '\r' || rest.back() == ' ')) rest.pop_back();
            if (!rest.empty()) action.Args.push_back(rest);
        } else {
            for (std::string word; words >> word;) action.Args.push_back(word);
        }
        if (const std::string problem = CheckAction(action); !problem.empty()) {
            error = "line " + std::to_string(number) + ": " + problem;
            return std::nullopt;
        }
        player.actions_.push_back(std::move(action));
    }
    std::stable_sort(
        player.actions_.begin(), player.actions_.end(),
        [](const TScriptAction& a, const TScriptAction& b) { return a.Tick < b.Tick; });
    return player;
}

void TScriptPlayer::PadAction(const TScriptAction& action) {
    const std::string& what = action.Args[0];
    if (action.Action == "padaxis") {
        int value = 0;
        ToInt(action.Args[1], value);
        media::SetVirtualPadAxis(static_cast<media::PadAxis>(PadAxisCode(what)), value);
    } else if (what == "connect") {
        if (!media::ConnectVirtualPad()) {
            std::fprintf(stderr, "quillox: script line %d: no virtual pad could be made\n",
                         action.Line);
        }
    } else if (what == "disconnect") {
        media::DisconnectVirtualPad();
    } else {
        const int button = PadButtonCode(what);
        media::SetVirtualPadButton(static_cast<media::PadButton>(button), true);
        padReleases_.push_back(button);
    }
}

int TScriptPlayer::StepsUntilDue() const {
    if (!padReleases_.empty()) return 0;
    if (next_ >= actions_.size()) return -1;
    return std::max(0, actions_[next_].Tick - tick_ - 1);
}

void TScriptPlayer::BeforeStep() {
    ++tick_;
    for (const int button : padReleases_)
        media::SetVirtualPadButton(static_cast<media::PadButton>(button), false);
    padReleases_.clear();
    while (next_ < actions_.size() && actions_[next_].Tick <= tick_) {
        const TScriptAction& action = actions_[next_++];
        const auto& a = action.Args;
        auto arg = [&](size_t i, int fallback) {
            int value = fallback;
            if (i < a.size()) ToInt(a[i], value);
            return value;
        };
        if (action.Action == "move") {
            media::PushMouseMove(arg(0, 0), arg(1, 0));
        } else if (action.Action == "click" || action.Action == "down" || action.Action == "up") {
            const int x = arg(0, 0), y = arg(1, 0), button = arg(2, 1);
            media::PushMouseMove(x, y);
            if (action.Action != "up") media::PushMouseButton(button, true, x, y);
            if (action.Action != "down") media::PushMouseButton(button, false, x, y);
        } else if (action.Action == "key" || action.Action == "keydown" ||
                   action.Action == "keyup") {
            const int code = KeyCode(a[0]);
            if (action.Action != "keyup") media::PushKey(code, true);
            if (action.Action != "keydown") media::PushKey(code, false);
        } else if (action.Action == "text") {
            media::PushText(a[0]);
        } else if (action.Action == "pad" || action.Action == "padaxis") {
            PadAction(action);
        } else if (action.Action == "quit") {
            media::PushQuit();
        } else {
            pendingOutput_.push_back(action);
        }
    }
}

void TScriptPlayer::BeforeFlip() {
    for (const TScriptAction& action : pendingOutput_) {
        if (action.Action == "screenshot") {
            media::Pixmap shot = media::GrabFrame();
            const auto png = media::EncodePNG(shot);
            const std::string bytes(png.begin(), png.end());
            if (png.empty() || !WriteFileAtomic(action.Args[0], bytes)) {
                std::fprintf(stderr, "quillox: cannot write screenshot '%s'\n",
                             action.Args[0].c_str());
            }
        } else {
            WriteState(action.Args[0]);
        }
    }
    pendingOutput_.clear();
}

void TScriptPlayer::WriteState(const std::string& file) const {
    JsonObject state;
    state.Set("tick", tick_);
    for (const auto& provider : StateProviders) provider(state);
    if (!WriteFileAtomic(file, state.Text() + "\n")) {
        std::fprintf(stderr, "quillox: cannot write state file '%s'\n", file.c_str());
    }
}
