#pragma once
// A script for the built game written as a test goes: actions ten logic steps apart, state
// dumps kept by name, and a quit after the last action.

#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "GameProcess.h"
#include "StateJson.h"

class ScriptJourney {
public:
    ScriptJourney(GameProcess& game, std::string fileName, double timeout)
        : game_(game), fileName_(std::move(fileName)), timeout_(timeout) {}

    void Click(const std::array<int, 2>& at) {
        Line("click " + std::to_string(at[0]) + " " + std::to_string(at[1]));
    }
    void Move(int x, int y) { Line("move " + std::to_string(x) + " " + std::to_string(y)); }
    void Key(const std::string& name) { Line("key " + name); }
    void Pad(const std::string& button) { Line("pad " + button); }
    void Wait(int ticks) { tick_ += ticks; }
    // Any other action, such as "text NAME".
    void Line(const std::string& action) {
        text_ += std::to_string(tick_) + " " + action + "\n";
        tick_ += 10;
    }
    void State(const std::string& name) {
        const std::filesystem::path path = game_.Sandbox() / (name + ".json");
        Line("state " + path.string());
        dumps_[name] = path;
    }
    void Screenshot(const std::string& name) {
        text_ += std::to_string(tick_) + " screenshot " +
                 (game_.Sandbox() / (name + ".png")).string() + "\n";
    }
    int Run(const std::vector<std::string>& args) {
        text_ += std::to_string(tick_ + 5) + " quit\n";
        std::vector<std::string> all = args;
        all.insert(all.end(), {"--script", game_.WriteScript(fileName_, text_).string()});
        return game_.Run(all, timeout_);
    }
    StateJson Dump(const std::string& name) const {
        const auto found = dumps_.find(name);
        if (found == dumps_.end()) return {};
        return StateJson::Parse(ReadFile(found->second));
    }
    StateJson Screen(const std::string& name) const { return Dump(name)["screen"]; }

private:
    GameProcess& game_;
    std::string fileName_;
    double timeout_;
    std::string text_;
    int tick_ = 10;
    std::map<std::string, std::filesystem::path> dumps_;
};
