// Listens to what OpenAL Soft mixes by sending it to a WAV file (its "wave" back end). Its
// own executable, because the back end is chosen once, when the library first starts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>

#include "TestFiles.h"
#include "media/Media.h"

namespace {

using media_test::ScratchFolder;
using media_test::WriteBytes;

struct Capture {
    int channels = 0;
    int rate = 0;
    std::vector<std::int16_t> samples;  // interleaved

    // Root-mean-square level of one side over [from, to) seconds.
    double Level(int side, double from, double to) const {
        const size_t begin = static_cast<size_t>(from * rate), end = static_cast<size_t>(to * rate);
        double sum = 0;
        size_t n = 0;
        for (size_t f = begin; f < end && f * channels + side < samples.size(); ++f, ++n) {
            const double v = samples[f * channels + static_cast<size_t>(side)];
            sum += v * v;
        }
        return n ? std::sqrt(sum / static_cast<double>(n)) : 0.0;
    }
};

Capture ReadCapture(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    Capture capture;
    const auto u16 = [&](size_t at) { return bytes[at] | (bytes[at + 1] << 8); };
    const auto u32 = [&](size_t at) {
        return static_cast<std::uint32_t>(u16(at)) | static_cast<std::uint32_t>(u16(at + 2)) << 16;
    };
    for (size_t at = 12; at + 8 <= bytes.size();) {
        const std::uint32_t length = u32(at + 4);
        if (std::memcmp(&bytes[at], "fmt ", 4) == 0) {
            capture.channels = u16(at + 10);
            capture.rate = static_cast<int>(u32(at + 12));
        } else if (std::memcmp(&bytes[at], "data", 4) == 0) {
            // The writer may not have filled in the length; take what is there.
            for (size_t i = at + 8; i + 1 < bytes.size(); i += 2) {
                capture.samples.push_back(static_cast<std::int16_t>(u16(i)));
            }
            break;
        }
        at += 8 + length;
    }
    return capture;
}

// The library reads its settings once, so every device this process opens writes here.
void SendMixTo(const std::string& conf, const std::string& output) {
    std::ofstream(conf) << "[general]\ndrivers = wave\nchannels = stereo\nsample-type = int16\n"
                           "frequency = 44100\nhrtf = false\n[wave]\nfile = "
                        << output << "\n";
    ::setenv("ALSOFT_CONF", conf.c_str(), 1);
    ::unsetenv("ALSOFT_DRIVERS");
}

// Plays a tone panned to one side for 0.6 s, stops it, and returns what was heard.
Capture PlayPanned(const ScratchFolder& folder, float pan) {
    WriteBytes(folder / "tone.wav",
               media_test::MakeWav(1, 16, 44100, media_test::ToneSamples(44100, 2.0, 440)));
    const media::Sound tone = media::LoadSound(folder / "tone.wav", 0);
    EXPECT_NE(tone, nullptr);
    EXPECT_TRUE(media::SelectAudioDriver("OpenAL"));
    const media::Channel channel = media::Cue(tone);
    media::SetPan(channel, pan);
    media::SetPaused(channel, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    media::Stop(channel);
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    media::Shutdown();  // closes the device, which finishes the file
    return ReadCapture(folder / "mix.wav");
}

TEST(AudioCaptureTest, PanPlacesMonoSoundsAndStopSilencesThem) {
    ScratchFolder folder("capture");
    SendMixTo(folder / "mix.conf", folder / "mix.wav");
    ASSERT_TRUE(media::Init({}));

    const Capture left = PlayPanned(folder, -1.0f);
    ASSERT_EQ(left.channels, 2);
    ASSERT_GT(left.rate, 0);
    ASSERT_GT(left.samples.size(), static_cast<size_t>(left.rate));
    EXPECT_GT(left.Level(0, 0.1, 0.4), 3000.0) << "audible on the left";
    EXPECT_LT(left.Level(1, 0.1, 0.4), left.Level(0, 0.1, 0.4) / 10) << "quiet on the right";
    EXPECT_LT(left.Level(0, 0.9, 1.1), 50.0) << "silent after Stop";

    ASSERT_TRUE(media::Init({}));
    const Capture right = PlayPanned(folder, 1.0f);
    EXPECT_GT(right.Level(1, 0.1, 0.4), 3000.0);
    EXPECT_LT(right.Level(0, 0.1, 0.4), right.Level(1, 0.1, 0.4) / 10);
    EXPECT_LT(right.Level(1, 0.9, 1.1), 50.0);
}

}  // namespace
