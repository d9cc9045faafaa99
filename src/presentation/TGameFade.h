#pragma once
// The host's fade to and from black between screens. It runs on logic steps, the player can
// cut it short, and it fades the music and speech with the picture.

#include "media/Media.h"

class TGameFade {
public:
    int Length = 0;
    float Counter = 0;
    int Active = 0;
    int Out = 1;
    float Ratio = 1.0f;
    int Done = 0;
    media::Channel Channel;
    int AllowAnim = 1;
    int FadeInAborted = 0;
    float FadeCounterBeforeAbort = 0;
    int SetToFullOnAbort = 1;
    int AbortKey = -1;

    int Init(float ms, int out, const media::Channel& channel, int allowAnim, float startCounter);
    int Manage();
    void CalcRatio();
    void FadeChannels();
    void Draw() const;
    void Finish();
    int GetDone();
};
