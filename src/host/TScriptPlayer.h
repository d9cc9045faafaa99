#pragma once
// Timed input for repeatable runs: one "TICK ACTION ARGS" a line, TICK counting logic steps
// from the start of the main loop (the first step is tick 1). Input due at tick T enters the
// event queue at the start of step T, through the same queue as real input; screenshots and
// state dumps due at tick T are taken from the frame drawn after step T, which the main loop
// ends there however many steps a frame runs.

#include <functional>
#include <optional>
#include <string>
#include <vector>

class JsonObject;

struct TScriptAction {
    int Tick = 0;
    std::string Action;
    std::vector<std::string> Args;
    int Line = 0;
};

class TScriptPlayer {
public:
    // Reads and checks the whole script; on a bad line returns nothing and sets `error`.
    [[nodiscard]] static std::optional<TScriptPlayer> Load(const std::string& path,
                                                           std::string& error);
    [[nodiscard]] static std::optional<TScriptPlayer> Parse(const std::string& text,
                                                            std::string& error);
    // Windows virtual-key code of a key name, -1 when unknown.
    static int KeyCode(const std::string& name);
    // The pad button (a, b, x, y, back, start, leftshoulder, rightshoulder, dpup, dpdown,
    // dpleft, dpright) or axis (leftx, lefty, rightx, righty, lefttrigger, righttrigger) of a
    // name, -1 when unknown.
    static int PadButtonCode(const std::string& name);
    static int PadAxisCode(const std::string& name);

    // Called at the start of every logic step: pushes the input due by now.
    void BeforeStep();
    // Called after a frame is drawn, before it is shown: screenshots and state dumps.
    void BeforeFlip();
    // A screenshot or state dump is due from the frame after this step: the frame must end here.
    [[nodiscard]] bool OutputDue() const { return !pendingOutput_.empty(); }
    // Steps until the next action or pad release is due (0 for the coming step), -1 when the
    // script has nothing more to do.
    [[nodiscard]] int StepsUntilDue() const;

    // Adds the game's state to a dump; later layers extend what a dump holds.
    std::vector<std::function<void(JsonObject&)>> StateProviders;

    int Tick() const { return tick_; }

private:
    std::vector<TScriptAction> actions_;
    size_t next_ = 0;
    int tick_ = 0;
    std::vector<TScriptAction> pendingOutput_;
    // Pad buttons pressed last step, let go at the start of this one: the pad is read between.
    std::vector<int> padReleases_;

    void PadAction(const TScriptAction& action);

    void WriteState(const std::string& file) const;
};
