// Listens to what a game sound played through the host sounds like, by sending OpenAL Soft's
// mix to a WAV file (its "wave" back end). Its own executable: the back end is chosen once.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>

#include "TestSupport.h"
#include "presentation/TGameSound.h"
#include "support/WaveCapture.h"

namespace {

WaveCapture PlayThroughHost(const TempFolder& folder, float pan) {
    presentation_test::HostAtNormalSpeed host;
    host.game->ChangeSoundDriver("OpenAL Generic Software", 0);
    EXPECT_EQ(host.game->SoundDriver, "OpenAL Generic Software");
    const auto tone = TGameSound::Create(folder / "tone.wav", 0);
    media::Channel channel;
    host.game->GameSoundPlay(channel, *tone, pan);
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    media::Stop(channel);
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    media::Shutdown();  // closing the device finishes the file
    return WaveCapture::Read(folder / "mix.wav");
}

TEST(MixCapture, GameSoundsAreHeardOnTheirSideAndStopCleanly) {
    const TempFolder folder("mix");
    presentation_test::WriteToneWav(folder / "tone.wav", 2.0);
    WaveCapture::RouteMixTo(folder / "mix.conf", folder / "mix.wav");

    for (const float pan : {-1.0f, 1.0f}) {
        ASSERT_TRUE(media::Init({}));
        const WaveCapture mix = PlayThroughHost(folder, pan);
        ASSERT_EQ(mix.channels, 2);
        ASSERT_GT(mix.samples.size(), static_cast<size_t>(mix.rate));
        const int near = pan < 0 ? 0 : 1;
        const int far = 1 - near;
        EXPECT_GT(mix.Level(near, 0.1, 0.4), 3000.0) << "audible on the side panned to";
        EXPECT_LT(mix.Level(far, 0.1, 0.4), mix.Level(near, 0.1, 0.4) / 10) << "quiet on the other";
        EXPECT_LT(mix.Level(near, 0.9, 1.1), 50.0) << "silent after Stop";
    }
}

}  // namespace
