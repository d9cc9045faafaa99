// Decoding sounds and driving channels on the null sound device.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <thread>

#include "TestFiles.h"
#include "media/Media.h"

namespace {

using media_test::MakeOgg;
using media_test::MakeWav;
using media_test::WriteBytes;

TEST(SoundFileTest, OggVorbisDecodesAndACutFileKeepsItsStart) {
    TempFolder folder("ogg");
    const std::vector<std::uint8_t> ogg = MakeOgg(1, 22050, 4.0);
    WriteBytes(folder / "tune.ogg", ogg);
    const media::Sound tune = media::LoadSound(folder / "tune.ogg", media::LOOPINGSOUND);
    ASSERT_NE(tune, nullptr);
    EXPECT_NEAR(media::SoundLength(tune), 4.0, 0.01);

    WriteBytes(folder / "cut.ogg", {ogg.begin(), ogg.begin() + static_cast<long>(ogg.size() / 2)});
    const media::Sound cut = media::LoadSound(folder / "cut.ogg", 0);
    ASSERT_NE(cut, nullptr);
    EXPECT_GT(media::SoundLength(cut), 1.0);
    EXPECT_LT(media::SoundLength(cut), 3.0);
}

TEST(SoundFileTest, WavFilesDecodeWithTheirLength) {
    TempFolder folder("wav");
    WriteBytes(folder / "mono8.wav", MakeWav(1, 8, 8000, std::vector<std::uint8_t>(4000, 128)));
    WriteBytes(folder / "stereo16.wav",
               MakeWav(2, 16, 22050, std::vector<std::uint8_t>(22050 * 4, 0)));

    const media::Sound mono = media::LoadSound(folder / "mono8.wav", 0);
    ASSERT_NE(mono, nullptr);
    EXPECT_DOUBLE_EQ(media::SoundLength(mono), 0.5);
    const media::Sound stereo = media::LoadSound(folder / "STEREO16.WAV", media::LOOPINGSOUND);
    ASSERT_NE(stereo, nullptr);
    EXPECT_DOUBLE_EQ(media::SoundLength(stereo), 1.0);
}

TEST(SoundFileTest, DamagedSoundsAreCutOrRefused) {
    TempFolder folder("badwav");
    std::vector<std::uint8_t> wav = MakeWav(2, 16, 1000, std::vector<std::uint8_t>(4000, 1));
    wav.resize(wav.size() - 1001);  // cut mid-frame: the whole frames before it remain
    WriteBytes(folder / "cut.wav", wav);
    const media::Sound cut = media::LoadSound(folder / "cut.wav", 0);
    ASSERT_NE(cut, nullptr);
    EXPECT_DOUBLE_EQ(media::SoundLength(cut), 0.749);

    std::vector<std::uint8_t> odd = MakeWav(1, 24, 1000, std::vector<std::uint8_t>(300, 1));
    WriteBytes(folder / "24bit.wav", odd);
    EXPECT_EQ(media::LoadSound(folder / "24bit.wav", 0), nullptr);
    WriteBytes(folder / "header.wav", {wav.begin(), wav.begin() + 30});
    EXPECT_EQ(media::LoadSound(folder / "header.wav", 0), nullptr);
    WriteBytes(folder / "fake.ogg", {'O', 'g', 'g', 'S', 0, 0, 0, 0, 1, 2, 3});
    EXPECT_EQ(media::LoadSound(folder / "fake.ogg", 0), nullptr);
    EXPECT_EQ(media::LoadSound(folder / "missing.wav", 0), nullptr);
}

TEST(ChannelTest, ChannelsWithoutADeviceDoNothingHarmful) {
    TempFolder folder("nodevice");
    WriteBytes(folder / "beep.wav", MakeWav(1, 16, 8000, media_test::ToneSamples(8000, 0.2, 440)));
    const media::Sound sound = media::LoadSound(folder / "beep.wav", 0);
    const media::Channel channel = media::Cue(sound);
    ASSERT_NE(channel, nullptr);
    media::SetVolume(channel, 0.5f);
    media::SetPan(channel, -1.0f);
    media::SetRate(channel, 2.0f);
    media::SetPaused(channel, false);
    EXPECT_FALSE(media::Playing(channel));
    media::Stop(channel);
    media::Stop({});
    EXPECT_FALSE(media::Playing({}));
}

TEST(ChannelTest, CuedSoundsWaitPausedAndStopOnRequest) {
    ASSERT_TRUE(media::Init({.headless = true}));
    ASSERT_TRUE(media::SelectAudioDriver("OpenAL Generic Software"));
    TempFolder folder("channels");
    WriteBytes(folder / "beep.wav", MakeWav(1, 16, 8000, media_test::ToneSamples(8000, 0.1, 440)));
    const media::Sound once = media::LoadSound(folder / "beep.wav", 0);
    const media::Sound looped = media::LoadSound(folder / "beep.wav", media::LOOPINGSOUND);

    const media::Channel music = media::AllocChannel();
    EXPECT_FALSE(media::Playing(music)) << "nothing on it yet";
    EXPECT_EQ(media::Cue(looped, music), music) << "the given channel is reused";
    EXPECT_TRUE(media::Playing(music)) << "cued counts as playing, paused";
    media::SetPaused(music, false);

    const media::Channel effect = media::Cue(once);
    media::SetPaused(effect, false);
    // However slowly the mixer runs, the short sound ends while the looping one goes on.
    for (int tries = 0; tries < 60000 && media::Playing(effect); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_FALSE(media::Playing(effect)) << "a 0.1 s sound is over";
    EXPECT_TRUE(media::Playing(music)) << "a looping sound goes on";
    media::Stop(music);
    EXPECT_FALSE(media::Playing(music));
    media::Shutdown();
    media::SetVolume(music, 1.0f);  // after shutdown: still harmless
    EXPECT_FALSE(media::Playing(music));
}

// Waits, while the mixer runs in real time, for a channel's sound to end; false after a minute.
bool EndsWithin(const media::Channel& channel) {
    for (int tries = 0; tries < 60000 && media::Playing(channel); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return !media::Playing(channel);
}

TEST(ChannelTest, StreamedTunesStopPromptlyAndDamagedOnesEndEarly) {
    ASSERT_TRUE(media::Init({.headless = true}));
    ASSERT_TRUE(media::SelectAudioDriver("OpenAL"));
    TempFolder folder("stream");
    // Six seconds of 96 kHz stereo decode to over two megabytes, and half of them to one: long
    // enough to be streamed.
    const std::vector<std::uint8_t> ogg = MakeOgg(2, 96000, 6.0);
    WriteBytes(folder / "tune.ogg", ogg);
    const media::Sound tune = media::LoadSound(folder / "tune.ogg", media::LOOPINGSOUND);
    ASSERT_NE(tune, nullptr);
    EXPECT_NEAR(media::SoundLength(tune), 6.0, 0.01);

    const media::Channel channel = media::Cue(tune);
    EXPECT_TRUE(media::Playing(channel)) << "cued and paused";
    media::SetPaused(channel, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    media::Stop(channel);
    EXPECT_FALSE(media::Playing(channel));
    media::Cue(tune, channel);
    media::SetPaused(channel, false);
    WriteBytes(folder / "beep.wav", MakeWav(1, 16, 8000, media_test::ToneSamples(8000, 0.1, 440)));
    EXPECT_EQ(media::Cue(media::LoadSound(folder / "beep.wav", 0), channel), channel)
        << "a short sound takes over the streaming channel";
    media::SetPaused(channel, false);
    EXPECT_TRUE(EndsWithin(channel)) << "the channel stopped looping with the tune";

    // Cut short or spoiled in the middle, a tune plays what decodes and ends.
    WriteBytes(folder / "cut.ogg", {ogg.begin(), ogg.begin() + static_cast<long>(ogg.size() / 2)});
    std::vector<std::uint8_t> spoiled = ogg;
    for (size_t i = spoiled.size() / 3; i < spoiled.size() / 2; i += 7) spoiled[i] ^= 0x5A;
    WriteBytes(folder / "spoiled.ogg", spoiled);
    for (const char* name : {"cut.ogg", "spoiled.ogg"}) {
        const media::Sound damaged = media::LoadSound(folder / name, 0);
        ASSERT_NE(damaged, nullptr) << name;
        const media::Channel played = media::Cue(damaged);
        media::SetRate(played, 8.0f);
        media::SetPaused(played, false);
        EXPECT_TRUE(EndsWithin(played)) << name;
    }
    // Headers and nothing to play: refused, as a short file is.
    const size_t headers = 4000;
    WriteBytes(folder / "headers.ogg", {ogg.begin(), ogg.begin() + static_cast<long>(headers)});
    EXPECT_EQ(media::LoadSound(folder / "headers.ogg", 0), nullptr);

    // Closing the device under running streams stops them; the channels outlive it harmlessly.
    const media::Channel left = media::Cue(tune);
    media::SetPaused(left, false);
    media::Cue(tune, channel);
    media::SetPaused(channel, false);
    media::Shutdown();
    EXPECT_FALSE(media::Playing(left));
    media::SetPaused(channel, false);
    EXPECT_FALSE(media::Playing(channel));
}

}  // namespace
