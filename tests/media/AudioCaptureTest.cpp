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
using namespace std::chrono_literals;

// Seconds mixed so far.
double MixedSoFar(const TempFolder& folder) {
    return static_cast<double>(WaveCapture::WaitForMix(folder / "mix.wav", 0.0)) / 44100;
}

// Waits until the channel is over, or `limit` seconds have been mixed, and returns the seconds
// mixed by the time it was seen to be over.
double MixedWhenOver(const TempFolder& folder, const media::Channel& channel, double limit) {
    for (;;) {
        const bool playing = media::Playing(channel);
        const double mixed = MixedSoFar(folder);
        if (!playing || mixed > limit) return mixed;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
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

// What was mixed when the test asked for something bounds where that can be heard (never
// earlier); every event itself, the start, the pause, the return, the end and the loop, is
// found in the mix. A slow machine only makes the run longer.
TEST_F(AudioCaptureTest, StreamedTuneIsHeardWholeThroughAPauseAndThenStops) {
    const TempFolder& folder = *folder_;
    const auto wav = folder / "mix.wav";
    const StreamedTune played = PlayStreamedTune(folder, 0);
    ASSERT_NE(played.channel, nullptr);
    const media::Channel& channel = played.channel;
    const double onset = WaveCapture::WaitForHeard(wav, played.started, 0.1);
    ASSERT_GE(onset, 0.0) << "never heard";
    WaveCapture::WaitForMix(wav, onset + 1.0);
    const double pauseAsked = MixedSoFar(folder);
    media::SetPaused(channel, true);
    WaveCapture::WaitForMix(wav, pauseAsked + 0.5);
    EXPECT_TRUE(media::Playing(channel)) << "paused is still playing";
    const double resumeAsked = MixedSoFar(folder);
    media::SetPaused(channel, false);
    const double overAt = MixedWhenOver(folder, channel, resumeAsked + played.length + 10);
    WaveCapture::WaitForMix(wav, overAt + 0.4);
    media::Shutdown();
    const auto heard = WaveCapture::Read(wav).Heard(played.started);

    ASSERT_EQ(heard.size(), 2u) << "heard before the pause and after it, with no other gap";
    EXPECT_DOUBLE_EQ(heard[0].from, onset);
    EXPECT_GT(heard[0].to, pauseAsked - 0.005) << "not paused before it was asked";
    EXPECT_GE(heard[1].from, resumeAsked) << "silent while paused";
    EXPECT_NEAR(heard[0].to - heard[0].from + heard[1].to - heard[1].from, played.length, 0.01)
        << "every part heard, once";
    // The stream's thread notices the end on its next visit, a quarter of a second later;
    // a second leaves a loaded machine room.
    EXPECT_GT(overAt, heard[1].to - 0.005) << "not over before its end was heard";
    EXPECT_LT(overAt, heard[1].to + 1.0) << "its end is noticed";
}

TEST_F(AudioCaptureTest, LoopedStreamGoesOnPastItsEndAndAfterStarving) {
    const TempFolder& folder = *folder_;
    const auto wav = folder / "mix.wav";
    const StreamedTune played = PlayStreamedTune(folder, media::LOOPINGSOUND);
    ASSERT_NE(played.channel, nullptr);
    const media::Channel& channel = played.channel;
    const double onset = WaveCapture::WaitForHeard(wav, played.started, 0.1);
    ASSERT_GE(onset, 0.0) << "never heard";
    WaveCapture::WaitForMix(wav, onset + played.length + 0.5);
    const double hurryAsked = MixedSoFar(folder);
    // Sped up a hundred times, the queue runs dry between the thread's visits.
    media::SetRate(channel, 100.0f);
    WaveCapture::WaitForMix(wav, hurryAsked + 0.5);
    const double calmAsked = MixedSoFar(folder);
    media::SetRate(channel, 1.0f);
    const double steady = WaveCapture::WaitForHeard(wav, calmAsked, 0.5);
    EXPECT_TRUE(media::Playing(channel));
    media::Shutdown();
    const auto heard = WaveCapture::Read(wav).Heard(played.started);

    ASSERT_FALSE(heard.empty());
    EXPECT_DOUBLE_EQ(heard[0].from, onset);
    EXPECT_GT(heard[0].to, hurryAsked - 0.005) << "no gap where it starts again";
    EXPECT_GT(heard.size(), 1u) << "hurried, it ran dry";
    EXPECT_GE(steady, 0.0) << "heard again, without a break, after starving";
}

// Flips frames for `seconds` of wall time, as the game's loop does, and returns how many seconds
// of mix the device wrote meanwhile.
double MixedWhileFlipping(const TempFolder& folder, double seconds) {
    const double before = MixedSoFar(folder);
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end) {
        media::Flip(0);
        std::this_thread::sleep_for(20ms);
    }
    return MixedSoFar(folder) - before;
}

// A device with nothing to sound rests, a paused tune and a finished sound counting as nothing;
// a tune let play keeps it going, and a sound played on a rested device wakes it. (Woken, the
// wave writer starts its file again at the first frame, so what is played then is known by
// its running to its end, which only a mixing device lets it do.)
TEST_F(AudioCaptureTest, DeviceRestsWhileNothingSoundsAndWakesForTheNextSound) {
    const TempFolder& folder = *folder_;
    const auto wav = folder / "mix.wav";
    const StreamedTune tune = PlayStreamedTune(folder, media::LOOPINGSOUND);
    ASSERT_NE(tune.channel, nullptr);
    ASSERT_TRUE(media::OpenDisplay(800, 600, 0, 0));
    EXPECT_GT(MixedWhileFlipping(folder, 2.5), 2.0) << "mixed on while the tune plays";

    media::SetPaused(tune.channel, true);
    WriteBytes(folder / "blip.wav",
               media_test::MakeWav(1, 16, 44100, media_test::ToneSamples(44100, 0.2, 660)));
    const media::Sound blip = media::LoadSound(folder / "blip.wav", 0);
    ASSERT_NE(blip, nullptr);
    const media::Channel channel = media::Cue(blip);
    media::SetPaused(channel, false);
    EXPECT_GE(WaveCapture::WaitForHeard(wav, MixedSoFar(folder), 0.15), 0.0);
    MixedWhileFlipping(folder, 3.0);
    EXPECT_LT(MixedWhileFlipping(folder, 1.0), 0.1) << "resting with the tune paused";
    EXPECT_TRUE(media::Playing(tune.channel)) << "a paused tune outlasts the rest";

    media::Cue(blip, channel);
    media::SetPaused(channel, false);
    const auto asked = std::chrono::steady_clock::now();
    while (media::Playing(channel) && std::chrono::steady_clock::now() < asked + 5s)
        std::this_thread::sleep_for(1ms);
    EXPECT_FALSE(media::Playing(channel)) << "woken, the device plays the sound through";
    media::Shutdown();
}

}  // namespace
