// The sound effects and the title tune: valid files, audible, not clipped, clean at both
// ends, and a tune that is long enough and loops without a jump.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "AssetManifest.h"

namespace {

using namespace quillox::assets;

const std::string kData = QUILLOX_DATA_DIR;

struct Wave {
    bool ok = false;
    int channels = 0, rate = 0, bits = 0;
    std::vector<int> samples;
};

std::uint32_t Le32(const std::string& s, std::size_t at) {
    return std::uint32_t(std::uint8_t(s[at])) | std::uint32_t(std::uint8_t(s[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(s[at + 2])) << 16 |
           std::uint32_t(std::uint8_t(s[at + 3])) << 24;
}

Wave ReadWave(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    const std::string s = ss.str();
    Wave w;
    if (s.size() < 44 || s.compare(0, 4, "RIFF") != 0 || s.compare(8, 4, "WAVE") != 0) return w;
    if (Le32(s, 4) != s.size() - 8) return w;
    std::size_t at = 12;
    while (at + 8 <= s.size()) {
        const std::string id = s.substr(at, 4);
        const std::uint32_t size = Le32(s, at + 4);
        if (at + 8 + size > s.size()) return w;
        if (id == "fmt ") {
            if (Le32(s, at + 8) % 65536 != 1) return w;  // PCM
            w.channels = std::uint8_t(s[at + 10]);
            w.rate = static_cast<int>(Le32(s, at + 12));
            w.bits = std::uint8_t(s[at + 22]);
        } else if (id == "data") {
            for (std::size_t i = 0; i + 1 < size; i += 2) {
                w.samples.push_back(static_cast<std::int16_t>(std::uint8_t(s[at + 8 + i]) |
                                                              std::uint8_t(s[at + 9 + i]) << 8));
            }
            w.ok = w.channels > 0;
        }
        at += 8 + size + (size & 1);
    }
    return w;
}

double Db(double level) {
    return 20 * std::log10(std::max(level, 1e-9) / 32768.0);
}

TEST(SoundEffects, AreShortCleanAndPeakJustBelowFullScale) {
    for (const SoundAsset& sound : kSounds) {
        const std::string name(sound.name);
        const Wave w = ReadWave(kData + "/sound/" + name + ".wav");
        ASSERT_TRUE(w.ok) << name;
        EXPECT_EQ(w.channels, 1) << name;
        EXPECT_EQ(w.rate, 44100) << name;
        EXPECT_EQ(w.bits, 16) << name;
        ASSERT_GT(w.samples.size(), 1000u) << name;
        EXPECT_LE(w.samples.size() / 44100.0, sound.maxSeconds) << name;
        int peak = 0;
        double energy = 0;
        int atRail = 0;
        for (int v : w.samples) {
            peak = std::max(peak, std::abs(v));
            energy += double(v) * v;
            atRail += std::abs(v) >= 32767;
        }
        EXPECT_EQ(atRail, 0) << name << " is clipped";
        EXPECT_NEAR(Db(peak), -1.0, 0.3) << name;
        EXPECT_GT(Db(std::sqrt(energy / w.samples.size())), -35.0) << name << " is too quiet";
        // No click: the first and last samples are practically silent.
        EXPECT_LT(std::abs(w.samples.front()), 100) << name;
        EXPECT_LT(std::abs(w.samples.back()), 100) << name;
    }
}

TEST(TitleMusic, LastsAMinuteAndLoopsWithoutAJump) {
    OggVorbis_File vf;
    const std::string path = kData + "/" + std::string(kTitleMusic);
    ASSERT_EQ(ov_fopen(path.c_str(), &vf), 0) << path;
    const vorbis_info* info = ov_info(&vf, -1);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->channels, 2);
    EXPECT_GE(ov_time_total(&vf, -1), kTitleMusicMinSeconds);
    std::vector<short> pcm;
    char buffer[8192];
    int section = 0;
    long got;
    while ((got = ov_read(&vf, buffer, sizeof buffer, 0, 2, 1, &section)) > 0) {
        const short* p = reinterpret_cast<const short*>(buffer);
        pcm.insert(pcm.end(), p, p + got / 2);
    }
    ov_clear(&vf);
    ASSERT_GT(pcm.size(), 44100u * 2 * 60);
    double energy = 0;
    int peak = 0;
    for (short v : pcm) {
        energy += double(v) * v;
        peak = std::max(peak, std::abs(int(v)));
    }
    EXPECT_GT(Db(std::sqrt(energy / pcm.size())), -30.0);
    EXPECT_LT(peak, 32767);
    // Across the loop point the step from the last sample to the first is one the tune
    // makes all the time anyway (below its 99.9th percentile), so no click is heard.
    for (int ch = 0; ch < 2; ++ch) {
        std::vector<double> steps;
        for (std::size_t i = 2 + ch; i < pcm.size(); i += 2) {
            steps.push_back(std::abs(double(pcm[i]) - pcm[i - 2]));
        }
        auto at = steps.begin() + static_cast<std::ptrdiff_t>(steps.size() * 999 / 1000);
        std::nth_element(steps.begin(), at, steps.end());
        const double usual = *at;
        const double seam = std::abs(double(pcm[ch]) - pcm[pcm.size() - 2 + ch]);
        EXPECT_LT(seam, usual) << "channel " << ch;
    }
    auto rms = [&](std::size_t from, std::size_t count) {
        double e = 0;
        for (std::size_t i = from; i < from + count; ++i) e += double(pcm[i]) * pcm[i];
        return std::sqrt(e / count);
    };
    const std::size_t window = 44100 / 5 * 2;
    const double endLevel = rms(pcm.size() - window, window), startLevel = rms(0, window);
    EXPECT_LT(std::abs(Db(endLevel) - Db(startLevel)), 6.0);
}

}  // namespace
