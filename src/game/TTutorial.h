#pragma once
// The scripted first level: 22 steps, each waiting for its click, move or power before it
// unlocks the next lesson, and the speech box each step shows. The step and the powers seen
// are kept in the level's TPlayState, so a new level always starts the script afresh.

#include <string>

#include "game/TPassInput.h"
#include "game/TTutorialBox.h"
#include "system/Translate.h"

class TLevel;

class TTutorial {
public:
    explicit TTutorial(TLevel& level) : Level(level) {}
    TTutorial(const TTutorial&) = delete;
    TTutorial& operator=(const TTutorial&) = delete;

    // Steps 0 to 21; reaching the last one ends the tutorial.
    static constexpr int LastStep = 21;
    static constexpr const char* NextHintText = TrNoop("- click for next -");

    // One pass of the script, run instead of the selection rules while no power animates.
    void Logic(const TPassInput& input);
    // The box of the current step, hidden where the step shows nothing yet.
    TTutorialBox Box() const;
    // A step's box whenever it shows; not shown for the steps that have none.
    static TTutorialBox StepBox(int step);

private:
    // Whether the step's box shows now: some wait until what they talk about is on screen.
    bool BoxDue(int step) const;
    // A left-button hit this pass whose cell is (x, y).
    bool ClickOn(const TPassInput& input, int x, int y) const;
    void Next();
    // Steps 7 and 8, 11 and 12, 15 and 16: arming a power, then using it.
    void PowerLesson();

    TLevel& Level;
};
