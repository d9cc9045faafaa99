// Listens to what OpenAL Soft mixes by sending it to a WAV file (its "wave" back end). Its
// own executable, because the back end is chosen once, when the library first starts.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <thread>

#include "TestFiles.h"
#include "media/Media.h"
#include "support/WaveCapture.h"

namespace {

using media_test::MakeOgg;
using media_test::WriteBytes;

// The quietest and the loudest twentieth of a second over [from, to), either side.
double Quietest(const WaveCapture& mix, double from, double to) {
    double least = 1e9;
    for (double t = from; t + 0.05 <= to; t += 0.05) {
        least = std::min(least, std::max(mix.Level(0, t, t + 0.05), mix.Level(1, t, t + 0.05)));
    }
    return least;
}

double Loudest(const WaveCapture& mix, double from, double to) {
    double most = 0;
    for (double t = from; t + 0.05 <= to; t += 0.05) {
        most = std::max(most, std::max(mix.Level(0, t, t + 0.05), mix.Level(1, t, t + 0.05)));
    }
    return most;
}

// Seconds mixed so far.
double MixedSoFar(const TempFolder& folder) {
    return static_cast<double>(WaveCapture::WaitForMix(folder / "mix.wav", 0.0)) / 44100;
}

// Three seconds of 96 kHz stereo noise decode to over a megabyte, so they are streamed: the
// tune cued, a little mixed, then let go, with the second it started at.
struct StreamedTune {
    media::Sound sound;
    media::Channel channel;
    double length = 0, started = 0;
};

StreamedTune PlayStreamedTune(const TempFolder& folder, int flags) {
    StreamedTune tune;
    if (!media::Init({})) return tune;
    WriteBytes(folder / "tune.ogg", MakeOgg(2, 96000, 3.0));
    tune.sound = media::LoadSound(folder / "tune.ogg", flags);
    if (!tune.sound || !media::SelectAudioDriver("OpenAL")) return tune;
    tune.length = media::SoundLength(tune.sound);
    tune.channel = media::Cue(tune.sound);
    WaveCapture::WaitForMix(folder / "mix.wav", 0.3);
    tune.started = MixedSoFar(folder);
    media::SetPaused(tune.channel, false);
    return tune;
}

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

class AudioCaptureTest : public ::testing::Test {
protected:
    // The back end reads its settings once, as the library first starts, so every test here
    // mixes into the same file (each device opened writes it anew).
    static void SetUpTestSuite() {
        folder_ = std::make_unique<TempFolder>("capture");
        WaveCapture::RouteMixTo(*folder_ / "mix.conf", *folder_ / "mix.wav");
    }
    static void TearDownTestSuite() { folder_.reset(); }

    static inline std::unique_ptr<TempFolder> folder_;
};

TEST_F(AudioCaptureTest, PanPlacesMonoSoundsAndStopSilencesThem) {
    const TempFolder& folder = *folder_;
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

// The mix is marked by what was mixed when each call was made.
TEST_F(AudioCaptureTest, StreamedTuneIsHeardWholeThroughAPauseAndThenStops) {
    const TempFolder& folder = *folder_;
    const StreamedTune played = PlayStreamedTune(folder, 0);
    ASSERT_NE(played.channel, nullptr);
    const media::Channel& channel = played.channel;
    const double length = played.length, started = played.started;
    WaveCapture::WaitForMix(folder / "mix.wav", started + 1.0);
    media::SetPaused(channel, true);
    const double paused = MixedSoFar(folder);
    WaveCapture::WaitForMix(folder / "mix.wav", paused + 0.5);
    EXPECT_TRUE(media::Playing(channel)) << "paused is still playing";
    const double resumed = MixedSoFar(folder);
    media::SetPaused(channel, false);
    for (int tries = 0; tries < 60000 && media::Playing(channel); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const double ended = MixedSoFar(folder);
    WaveCapture::WaitForMix(folder / "mix.wav", ended + 0.4);
    media::Shutdown();
    const WaveCapture mix = WaveCapture::Read(folder / "mix.wav");

    // Its end is noticed within a visit of the stream's thread.
    const double heard = (paused - started) + (ended - resumed);
    EXPECT_GT(heard, length - 0.05);
    EXPECT_LT(heard, length + 0.2);
    const double end = resumed + length - (paused - started);
    EXPECT_GT(Quietest(mix, started + 0.05, paused - 0.05), 3000.0) << "no gap before the pause";
    EXPECT_LT(Loudest(mix, paused + 0.05, resumed), 50.0) << "silent while paused";
    EXPECT_GT(Quietest(mix, resumed + 0.05, end - 0.05), 3000.0) << "no gap to the end";
    EXPECT_LT(Loudest(mix, ended + 0.05, ended + 0.4), 50.0) << "silent once over";
}

TEST_F(AudioCaptureTest, LoopedStreamGoesOnPastItsEndAndAfterStarving) {
    const TempFolder& folder = *folder_;
    const StreamedTune played = PlayStreamedTune(folder, media::LOOPINGSOUND);
    ASSERT_NE(played.channel, nullptr);
    const media::Channel& channel = played.channel;
    const double length = played.length, started = played.started;
    WaveCapture::WaitForMix(folder / "mix.wav", started + length + 0.5);
    // Sped up a hundred times, the queue runs dry between the thread's visits.
    media::SetRate(channel, 100.0f);
    const double hurried = MixedSoFar(folder);
    WaveCapture::WaitForMix(folder / "mix.wav", hurried + 0.5);
    media::SetRate(channel, 1.0f);
    const double calmed = MixedSoFar(folder);
    WaveCapture::WaitForMix(folder / "mix.wav", calmed + 0.6);
    EXPECT_TRUE(media::Playing(channel));
    media::Shutdown();
    const WaveCapture mix = WaveCapture::Read(folder / "mix.wav");
    EXPECT_GT(Quietest(mix, started + 0.05, started + length + 0.5), 3000.0)
        << "no gap where it starts again";
    EXPECT_GT(Quietest(mix, calmed + 0.15, calmed + 0.6), 3000.0) << "heard again after starving";
}

}  // namespace
