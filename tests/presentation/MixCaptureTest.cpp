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

namespace {

struct Capture {
    int channels = 0;
    int rate = 0;
    std::vector<std::int16_t> samples;

    double Level(int side, double from, double to) const {
        const auto begin = static_cast<size_t>(from * rate);
        const auto end = static_cast<size_t>(to * rate);
        double sum = 0;
        size_t n = 0;
        for (size_t f = begin; f < end && f * channels + static_cast<size_t>(side) < samples.size();
             ++f, ++n) {
            const double v = samples[f * static_cast<size_t>(channels) + static_cast<size_t>(side)];
            sum += v * v;
        }
        return n ? std::sqrt(sum / static_cast<double>(n)) : 0.0;
    }
};

Capture ReadCapture(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    Capture capture;
    const auto u16 = [&](size_t at) { return bytes[at] | (bytes[at + 1] << 8); };
    const auto u32 = [&](size_t at) {
        return static_cast<std::uint32_t>(u16(at)) | static_cast<std::uint32_t>(u16(at + 2)) << 16;
    };
    for (size_t at = 12; at + 8 <= bytes.size();) {
        if (std::memcmp(&bytes[at], "fmt ", 4) == 0) {
            capture.channels = u16(at + 10);
            capture.rate = static_cast<int>(u32(at + 12));
        } else if (std::memcmp(&bytes[at], "data", 4) == 0) {
            for (size_t i = at + 8; i + 1 < bytes.size(); i += 2) {
                capture.samples.push_back(static_cast<std::int16_t>(u16(i)));
            }
            break;
        }
        at += 8 + u32(at + 4);
    }
    return capture;
}

Capture PlayThroughHost(const std::filesystem::path& folder, float pan) {
    presentation_test::HostAtNormalSpeed host;
    host.game->ChangeSoundDriver("OpenAL Generic Software", 0);
    EXPECT_EQ(host.game->SoundDriver, "OpenAL Generic Software");
    const auto tone = TGameSound::Create((folder / "tone.wav").string(), 0);
    media::Channel channel;
    host.game->GameSoundPlay(channel, *tone, pan);
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    media::Stop(channel);
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    media::Shutdown();  // closing the device finishes the file
    return ReadCapture(folder / "mix.wav");
}

TEST(MixCapture, GameSoundsAreHeardOnTheirSideAndStopCleanly) {
    const auto folder = presentation_test::Scratch("mix");
    presentation_test::WriteToneWav(folder / "tone.wav", 2.0);
    presentation_test::WriteText(folder / "mix.conf",
                                 "[general]\ndrivers = wave\nchannels = stereo\n"
                                 "sample-type = int16\nfrequency = 44100\nhrtf = false\n[wave]\n"
                                 "file = " +
                                     (folder / "mix.wav").string() + "\n");
    ::setenv("ALSOFT_CONF", (folder / "mix.conf").c_str(), 1);
    ::unsetenv("ALSOFT_DRIVERS");

    for (const float pan : {-1.0f, 1.0f}) {
        ASSERT_TRUE(media::Init({}));
        const Capture mix = PlayThroughHost(folder, pan);
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
