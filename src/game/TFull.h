#pragma once
// The celebration of a full machine: turning sun beams behind the full globe, the "well done"
// sign sliding down and the fanfare over quietened music, then the hand-over to the
// level-complete screen.

#include <functional>
#include <memory>

#include "game/TMachine.h"
#include "media/Media.h"
#include "presentation/TGameSound.h"

class TAudioBuses;
class TSoundBank;

class TFull {
public:
    // The fanfare plays the music quieter on `audio` for a while.
    explicit TFull(TAudioBuses& audio) : Audio(audio) {}

    // Degrees of one whole turn of the sun beams: the celebration's length.
    static constexpr float FullTurn = 360;
    static constexpr float WellDoneStartY = -72;
    static constexpr float WellDoneRestY = 286;

    float SunBeamsRot = 0;
    float WellDoneY = WellDoneStartY;
    media::Image SunBeams;
    media::Image FullMachine;
    media::Image WellDone;
    std::shared_ptr<TGameSound> Fanfare;
    // Set once the celebration has handed over; it never hands over twice.
    bool HandedOver = false;
    // The celebration is over: the screen goes to the level-complete screen.
    std::function<void()> Finished = [] {};

    void Load(const TSoundBank& sounds);
    void Kill();
    // One pass after the end delay; `machine` holds the fanfare's pending flag.
    void Logic(float delta, TMachine& machine);
    void Draw() const;

private:
    TAudioBuses& Audio;
};
