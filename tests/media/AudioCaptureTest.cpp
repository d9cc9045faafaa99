// Listens to what OpenAL Soft mixes by sending it to a WAV file (its "wave" back end). Its
// own executable, because the back end is chosen once, when the library first starts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "TestFiles.h"
#include "media/Media.h"
#include "support/WaveCapture.h"

namespace {

using media_test::WriteBytes;

// Plays a tone panned to one side for 0.6 s of mix, stops it, lets 0.5 s more be mixed and
// returns what was heard, with the second at which it was stopped.
WaveCapture PlayPanned(const TempFolder& folder, float pan, double& stoppedAt) {
    WriteBytes(folder / "tone.wav",
               media_test::MakeWav(1, 16, 44100, media_test::ToneSamples(44100, 2.0, 440)));
    const media::Sound tone = media::LoadSound(folder / "tone.wav", 0);
    EXPECT_NE(tone, nullptr);
    EXPECT_TRUE(media::SelectAudioDriver("OpenAL"));
    const media::Channel channel = media::Cue(tone);
    media::SetPan(channel, pan);
    media::SetPaused(channel, false);
    WaveCapture::WaitForMix(folder / "mix.wav", 0.6);
    media::Stop(channel);
    stoppedAt = static_cast<double>(WaveCapture::WaitForMix(folder / "mix.wav", 0.0)) / 44100;
    WaveCapture::WaitForMix(folder / "mix.wav", stoppedAt + 0.5);
    media::Shutdown();  // closes the device, which finishes the file
    return WaveCapture::Read(folder / "mix.wav");
}

TEST(AudioCaptureTest, PanPlacesMonoSoundsAndStopSilencesThem) {
    TempFolder folder("capture");
    WaveCapture::RouteMixTo(folder / "mix.conf", folder / "mix.wav");
    ASSERT_TRUE(media::Init({}));

    double stopped = 0;
    const WaveCapture left = PlayPanned(folder, -1.0f, stopped);
    ASSERT_EQ(left.channels, 2);
    ASSERT_GT(left.rate, 0);
    ASSERT_GT(left.samples.size(), static_cast<size_t>(left.rate));
    EXPECT_GT(left.Level(0, 0.1, 0.4), 3000.0) << "audible on the left";
    EXPECT_LT(left.Level(1, 0.1, 0.4), left.Level(0, 0.1, 0.4) / 10) << "quiet on the right";
    EXPECT_LT(left.Level(0, stopped + 0.2, stopped + 0.5), 50.0) << "silent after Stop";

    ASSERT_TRUE(media::Init({}));
    const WaveCapture right = PlayPanned(folder, 1.0f, stopped);
    EXPECT_GT(right.Level(1, 0.1, 0.4), 3000.0);
    EXPECT_LT(right.Level(0, 0.1, 0.4), right.Level(1, 0.1, 0.4) / 10);
    EXPECT_LT(right.Level(1, stopped + 0.2, stopped + 0.5), 50.0);
}

}  // namespace
