#pragma once
// The maker's logo before the game loads: faded in, held and faded out over a black screen,
// with an optional sound, then on to the next screen. A key or a click cuts it short.

#include <string>

#include "host/TScreen.h"

class TSplashScreen : public TScreen {
public:
    media::Sound Sample;
    int Sound = 0;
    float SampleRate = 1.0f;
    // Fades the sound with the picture.
    int FadeSound = 0;
    media::Channel Channel;
    // Milliseconds.
    float TimeIn = 2000, TimeFull = 1000, TimeOut = 2000;
    // Where the splash leads when it is over.
    TScreen* Next = nullptr;

    explicit TSplashScreen(const THost& host) : TScreen(host) { name = "splash"; }

    // The logo (a path) and the sound (a path, or "" for none), played when `sound` is 1.
    void Init(const std::string& imageFile, const std::string& soundFile, int sound, int fadeSound);
    void InitTimes(float in, float full, float out);
    void Start() override;
    void Logic() override;
    void Kill() override;
    void Draw() override;
    void AddState(JsonObject& state) const override;

private:
    // Logic steps since the splash began, and whether it is over.
    float Elapsed = 0;
    int Done = 0;
    // How much of the logo shows now, 0 to 1.
    [[nodiscard]] float Visibility() const;
    void Finish();
};
