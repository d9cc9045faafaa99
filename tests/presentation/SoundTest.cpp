// Channel round robin and volume balancing, sound switches, music fades and the sound bank.
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
        host_.game->ChangeSoundDriver("OpenAL Generic Software", 0);
        if (host_.game->SoundDriver == "None") GTEST_SKIP() << "no sound device";
        host_.game->MusicChannel = media::AllocChannel();
        host_.game->Presentation.SpeechChannel = media::AllocChannel();
        tone_ = TGameSound::Create(*folder_ / "Tone.wav", 0);
    }
    void TearDown() override {
        if (host_.game->Channels) host_.game->ChannelsKill();
        host_.game->StopChannels();
    }

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
    host_.game->ChannelsCreate(8);
    TChannelArray& array = *host_.game->Channels;
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

TEST_F(SoundTest, SwitchesDecideWhatIsCued) {
    media::Channel channel;
    host_.game->SoundOff();
    host_.game->GameSoundPlay(channel, *tone_, 0);
    EXPECT_EQ(channel, nullptr) << "nothing is cued with sound off";
    host_.game->SoundOn();
    host_.game->GameSoundPlay(channel, *tone_, -1);
    ASSERT_NE(channel, nullptr);
    EXPECT_TRUE(media::Playing(channel));
    const media::Channel reused = channel;
    host_.game->GameSoundPlay(channel, *tone_, 1);
    EXPECT_EQ(channel, reused) << "the given channel is played on again";
    // Played with no channel of the caller's, the sound is still heard to its end.
    host_.game->SoundPlay(tone_->sound);
    ASSERT_EQ(host_.game->LooseChannels.size(), 1u);
    EXPECT_TRUE(media::Playing(host_.game->LooseChannels[0]));

    host_.game->SpeechOff();
    host_.game->SpeechPlay(*tone_, 0);
    EXPECT_FALSE(media::Playing(host_.game->Presentation.SpeechChannel));
    host_.game->SpeechOn();
    host_.game->SpeechPlay(*tone_, 0);
    EXPECT_TRUE(media::Playing(host_.game->Presentation.SpeechChannel));
    host_.game->SpeechStop();
    EXPECT_FALSE(media::Playing(host_.game->Presentation.SpeechChannel));
    host_.game->SpeechSetVolume(140, 0);
    EXPECT_EQ(host_.game->Presentation.SpeechVolume, 100);
    host_.game->SoundSetVolume(-5, 0);
    EXPECT_EQ(host_.game->Presentation.SoundVolume, 0);
}

TEST_F(SoundTest, MusicFadesInAndOutOverItsLengths) {
    TGame& game = *host_.game;
    game.MusicPath = folder_->Path();
    game.Presentation.MusicVolume = 50;
    game.MusicLoad("Tone.wav", 1);
    EXPECT_EQ(game.MusicRestart, 1);
    EXPECT_EQ(game.MusicName, "none");
    game.MusicPlay(1);
    EXPECT_EQ(game.MusicName, "Tone.wav");
    EXPECT_EQ(game.MusicRestart, 0);
    EXPECT_TRUE(media::Playing(game.MusicChannel));
    // 50 ms of fade-in: the counter starts at 49 ms worth and the total is 10 steps.
    EXPECT_NEAR(game.MusicFadeInCalc(), 0.5f * 0.2f / 10, 1e-5);
    for (int step = 0; step < 5; ++step) game.MusicFadeInManage();
    EXPECT_NEAR(game.MusicFadeInCalc(), 0.5f * 5.2f / 10, 1e-5);
    for (int step = 0; step < 5; ++step) game.MusicFadeInManage();
    EXPECT_FLOAT_EQ(game.MusicFadeInCounter, 0);
    EXPECT_FLOAT_EQ(game.MusicFadeInCalc(), 0.5f);

    game.MusicFadeOutSet(1000);  // 200 steps
    for (int step = 0; step < 50; ++step) game.MusicFadeOutManage();
    EXPECT_NEAR(game.MusicFadeOutCalc(), 0.5f * 150 / 200, 1e-5);
    for (int step = 0; step < 200; ++step) game.MusicFadeOutManage();
    EXPECT_FLOAT_EQ(game.MusicFadeOutCalc(), 0);

    game.MusicFadeIn = 0;
    game.MusicPlay(1);
    EXPECT_FLOAT_EQ(game.MusicFadeInCalc(), 0.5f) << "no fade-in length plays at full volume";
}

TEST_F(SoundTest, MusicOffAndOnResumeOrReload) {
    TGame& game = *host_.game;
    game.MusicPath = folder_->Path();
    game.MusicNone();
    EXPECT_EQ(game.MusicOff(), 0) << "nothing started yet";
    game.Music = 0;
    EXPECT_EQ(game.MusicOn(), 1) << "switching on with no music chosen loads nothing";
    EXPECT_EQ(game.MusicOn(), 0);

    game.MusicLoad("Tone.wav", 1);
    game.MusicPlay(0);
    EXPECT_EQ(game.MusicOff(), 1);
    EXPECT_EQ(game.Music, 0);
    const media::Channel paused = game.MusicChannel;
    EXPECT_EQ(game.MusicOn(), 1);
    EXPECT_EQ(game.MusicChannel, paused) << "resumed, not reloaded";
    EXPECT_TRUE(media::Playing(game.MusicChannel)) << "resumed where it was";
    game.MusicStop();
    EXPECT_FALSE(media::Playing(game.MusicChannel));
    EXPECT_EQ(game.MusicRestart, 1);
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
