// Listens to what a game sound played through the host sounds like, by sending OpenAL Soft's
// mix to a WAV file (its "wave" back end). Its own executable: the back end is chosen once.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

#include "TestSupport.h"
#include "presentation/TGameSound.h"
#include "support/WaveCapture.h"

namespace {

// Plays for 0.6 s of mix, stops, lets 0.5 s more be mixed; `stoppedAt` is the second of the stop.
WaveCapture PlayThroughHost(const TempFolder& folder, float pan, double& stoppedAt) {
    presentation_test::HostAtNormalSpeed host;
    host.game->Audio.Open(1);
    EXPECT_EQ(host.game->Settings.SoundDriver, "OpenAL Generic Software");
    const auto tone = TGameSound::Create(folder / "tone.wav", 0);
    media::Channel channel;
    host.game->Audio.GameSoundPlay(channel, *tone, pan);
    WaveCapture::WaitForMix(folder / "mix.wav", 0.6);
    media::Stop(channel);
    stoppedAt = static_cast<double>(WaveCapture::WaitForMix(folder / "mix.wav", 0.0)) / 44100;
    WaveCapture::WaitForMix(folder / "mix.wav", stoppedAt + 0.5);
    host.game->Audio.Kill();
    media::Shutdown();  // closing the device finishes the file
    return WaveCapture::Read(folder / "mix.wav");
}

TEST(MixCapture, GameSoundsAreHeardOnTheirSideAndStopCleanly) {
    const TempFolder folder("mix");
    presentation_test::WriteToneWav(folder / "tone.wav", 2.0);
    WaveCapture::RouteMixTo(folder / "mix.conf", folder / "mix.wav");

    for (const float pan : {-1.0f, 1.0f}) {
        ASSERT_TRUE(media::Init({}));
        double stopped = 0;
        const WaveCapture mix = PlayThroughHost(folder, pan, stopped);
        ASSERT_EQ(mix.channels, 2);
        ASSERT_GT(mix.samples.size(), static_cast<size_t>(mix.rate));
        const int near = pan < 0 ? 0 : 1;
        const int far = 1 - near;
        EXPECT_GT(mix.Level(near, 0.1, 0.4), 3000.0) << "audible on the side panned to";
        EXPECT_LT(mix.Level(far, 0.1, 0.4), mix.Level(near, 0.1, 0.4) / 10) << "quiet on the other";
        EXPECT_LT(mix.Level(near, stopped + 0.2, stopped + 0.5), 50.0) << "silent after Stop";
    }
}

}  // namespace
