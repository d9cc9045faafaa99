// Decoding sounds and driving channels on the null sound device.
#include <gtest/gtest.h>
#include <vorbis/vorbisenc.h>

#include <cmath>
#include <cstdlib>
#include <thread>

#include "TestFiles.h"
#include "media/Media.h"

namespace {

using media_test::MakeWav;
using media_test::WriteBytes;

// An Ogg Vorbis file of mono noise (which, unlike a pure tone, does not shrink to almost
// nothing, so cutting the file in half leaves audio behind the headers).
std::vector<std::uint8_t> MakeOgg(int rate, double seconds) {
    std::vector<std::uint8_t> out;
    const auto put = [&](const ogg_page& page) {
        out.insert(out.end(), page.header, page.header + page.header_len);
        out.insert(out.end(), page.body, page.body + page.body_len);
    };
    vorbis_info info;
    vorbis_info_init(&info);
    EXPECT_EQ(vorbis_encode_init_vbr(&info, 1, rate, 0.4f), 0);
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);
    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0) put(page);

    const int frames = static_cast<int>(rate * seconds);
    std::uint32_t noise = 1;
    for (int done = 0; done <= frames;) {
        const int count = std::min(1024, frames - done);
        if (count > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp, count);
            for (int i = 0; i < count; ++i) {
                noise = noise * 1664525u + 1013904223u;
                buffer[0][i] = static_cast<float>(noise >> 8) / 16777216.0f - 0.5f;
            }
        }
        vorbis_analysis_wrote(&dsp, count);  // 0 marks the end
        done += count > 0 ? count : 1;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) put(page);
            }
        }
    }
    while (ogg_stream_flush(&stream, &page) != 0) put(page);
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

TEST(SoundFileTest, OggVorbisDecodesAndACutFileKeepsItsStart) {
    TempFolder folder("ogg");
    const std::vector<std::uint8_t> ogg = MakeOgg(22050, 4.0);
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
    ASSERT_FALSE(media::AudioAvailable());
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
    EXPECT_FALSE(media::AudioAvailable());
    media::SetVolume(music, 1.0f);  // after shutdown: still harmless
    EXPECT_FALSE(media::Playing(music));
}

}  // namespace
