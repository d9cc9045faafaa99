#pragma once
// The host's fade to and from black between screens. It runs on logic steps, the player can
// cut it short, and it fades the music and speech with the picture.

#include "media/Media.h"

class TGameFade {
public:
    int Length = 0;
    float Counter = 0;
    bool Active = false;
    bool Out = true;
    float Ratio = 1.0f;
    bool Done = false;
    media::Channel Channel;
    bool AllowAnim = true;
    bool FadeInAborted = false;
    float FadeCounterBeforeAbort = 0;
    bool SetToFullOnAbort = true;
    int AbortKey = -1;

    int Init(float ms, int out, const media::Channel& channel, int allowAnim, float startCounter);
    int Manage();
    void CalcRatio();
    void FadeChannels();
    void Draw() const;
    void Finish();
    int GetDone();
};
