// Channel round robin and volume balancing, sound switches and volumes, music and the sound
// bank.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "presentation/TChannelArray.h"
#include "presentation/TSoundBank.h"

namespace {

using presentation_test::HostAtNormalSpeed;

class SoundTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(media::Init({.headless = true}));
        folder_ = std::make_unique<TempFolder>("sound");
        presentation_test::WriteToneWav(*folder_ / "Tone.wav", 3.0);
    }
    static void TearDownTestSuite() {
        folder_.reset();
        media::Shutdown();
    }
    void SetUp() override {
        host_.game->Audio.Open(4);
        if (host_.game->Settings.SoundDriver == "None") GTEST_SKIP() << "no sound device";
        tone_ = TGameSound::Create(*folder_ / "Tone.wav", 0);
    }
    void TearDown() override { host_.game->Audio.Kill(); }

    static inline std::unique_ptr<TempFolder> folder_;
    HostAtNormalSpeed host_;
    std::shared_ptr<TGameSound> tone_;
};

TEST_F(SoundTest, ChannelsAreHandedOutInTurnSkippingReservedAndBusyOnes) {
    auto array = TChannelArray::Create(3);
    const auto first = array->ChannelByIndex(1);
    const auto second = array->ChannelByIndex(2);
    const auto third = array->ChannelByIndex(3);
    EXPECT_EQ(array->ChannelByIndex(0), nullptr);
    EXPECT_EQ(array->ChannelByIndex(4), nullptr);
    EXPECT_EQ(array->GetChannel(), second) << "the walk starts after the current channel";
    EXPECT_EQ(array->GetChannel(), third);
    EXPECT_EQ(array->GetChannel(), first);
    third->Reserved = 1;
    EXPECT_EQ(array->GetChannel(), second);
    EXPECT_EQ(array->GetChannel(), first);

    // A busy channel is skipped unless it may be taken over.
    array->PlayGameSound(*tone_, second, 1, 0);
    EXPECT_EQ(array->GetChannel(), nullptr)
        << "second busy, third reserved, and first, used last, is not handed out again at once";
    second->PlayWhenFinished = 0;
    EXPECT_EQ(array->GetChannel(), second);

    auto single = TChannelArray::Create(1);
    single->PlayGameSound(*tone_, single->ChannelByIndex(1), 1, 0);
    EXPECT_EQ(single->GetChannel(), nullptr);
    single->Kill();

    // A stopped channel is replaced by a fresh one that becomes current.
    array->StopGameChannel(second);
    EXPECT_EQ(array->Channels.size(), 3u);
    EXPECT_NE(array->ChannelByIndex(3), second);
    EXPECT_EQ(array->Current, array->ChannelByIndex(3));
    array->Kill();
    EXPECT_EQ(array->Channels.size(), 0u);
    EXPECT_EQ(array->GetChannel(), nullptr);
}

TEST_F(SoundTest, VolumesAreBalancedOverTheSoundsPlayingAtOnce) {
    host_.game->Audio.ChannelsCreate(8);
    TChannelArray& array = *host_.game->Audio.Channels;
    EXPECT_FLOAT_EQ(array.BalanceVolumes(0), 1.0f);
    EXPECT_FLOAT_EQ(array.BalanceVolumes(1), 1.0f);
    tone_->volume = 0.8f;
    for (int i = 0; i < 3; ++i) ASSERT_NE(array.PlayGameSound(*tone_, nullptr, 1, 0), nullptr);
    EXPECT_EQ(array.CountPlaying(), 3);
    EXPECT_FLOAT_EQ(array.BalanceVolumes(0), 0.5f);
    EXPECT_FLOAT_EQ(array.BalanceVolumes(1), 0.375f);
    EXPECT_FLOAT_EQ(tone_->volume, 0.8f) << "the bank's sound keeps its own volume";
    array.StopGameChannel(array.Current);
    EXPECT_FLOAT_EQ(array.BalanceVolumes(0), 0.75f) << "the others get louder again";
}

TEST_F(SoundTest, SwitchesAndVolumesDecideWhatIsHeard) {
    TAudioBuses& audio = host_.game->Audio;
    media::Channel channel;
    host_.game->Settings.Sound = 0;
    audio.GameSoundPlay(channel, *tone_, 0);
    EXPECT_EQ(channel, nullptr) << "nothing is cued with sound off";
    host_.game->Settings.Sound = 1;
    audio.GameSoundPlay(channel, *tone_, -1);
    ASSERT_NE(channel, nullptr);
    EXPECT_TRUE(media::Playing(channel));
    const media::Channel reused = channel;
    audio.GameSoundPlay(channel, *tone_, 1);
    EXPECT_EQ(channel, reused) << "the given channel is played on again";

    // The three buses share one volume rule: clamped to 0..100.
    audio.SetVolume(TBus::Speech, 140, 0);
    audio.SetVolume(TBus::Sound, -5, 0);
    audio.SetVolume(TBus::Music, 101, 0);
    EXPECT_EQ(host_.game->Presentation.SpeechVolume, 100);
    EXPECT_EQ(host_.game->Presentation.SoundVolume, 0);
    EXPECT_EQ(audio.Volume(TBus::Music), 100);

    // A celebration plays the music quieter without changing the player's choice.
    audio.SetVolume(TBus::Music, 60, 0);
    audio.MusicLowerVolume(10);
    EXPECT_EQ(host_.game->Presentation.MusicVolume, 10);
    EXPECT_EQ(audio.Volume(TBus::Music), 60);
    audio.MusicRestoreVolume();
    EXPECT_EQ(host_.game->Presentation.MusicVolume, 60);
}

TEST_F(SoundTest, MusicOffAndOnResumeOrReload) {
    TGame& game = *host_.game;
    TAudioBuses& audio = game.Audio;
    game.Paths.MusicPath = folder_->Path();
    audio.MusicNone();
    EXPECT_EQ(audio.MusicOff(), 0) << "nothing started yet";
    game.Settings.Music = 0;
    EXPECT_EQ(audio.MusicOn(), 1) << "switching on with no music chosen loads nothing";
    EXPECT_EQ(audio.MusicOn(), 0);

    audio.MusicLoad("Tone.wav", 1);
    audio.MusicPlay(1);
    EXPECT_TRUE(media::Playing(audio.MusicChannel));
    // A pause holds the music and brings it back where it was.
    audio.Hold();
    EXPECT_EQ(game.Settings.Music, 0);
    const media::Channel paused = audio.MusicChannel;
    audio.Release();
    EXPECT_EQ(game.Settings.Music, 1);
    EXPECT_EQ(audio.MusicChannel, paused) << "resumed, not reloaded";
    EXPECT_TRUE(media::Playing(audio.MusicChannel)) << "resumed where it was";
    audio.MusicStop();
    EXPECT_FALSE(media::Playing(audio.MusicChannel));
}

TEST_F(SoundTest, BankFindsSoundsByKeyInAnyCase) {
    TSoundBank bank;
    std::string bare = folder_->Path();
    bare.pop_back();
    bank.SetPath(bare);
    EXPECT_EQ(bank.Path, folder_->Path()) << "a folder always ends in /";
    auto loaded = bank.Load("Tone", 1.5f, 0.5f, "", 0);
    EXPECT_EQ(loaded->name, "TONE");
    EXPECT_FLOAT_EQ(bank.Find("tone")->pitch, 1.5f);
    bank.Load("tone.wav", 1, 1, "click", 0);
    EXPECT_NE(bank.FindSound("CLICK"), nullptr);
    EXPECT_EQ(bank.FindSound("missing"), nullptr);
    EXPECT_EXIT(bank.Find("missing"), ::testing::ExitedWithCode(1), "");
}

}  // namespace
