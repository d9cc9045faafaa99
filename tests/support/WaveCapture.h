#pragma once
// Listening to what OpenAL Soft mixes: its "wave" back end writes the mix to a WAV file, which
// these helpers set up and read back. The back end is chosen when the device opens, so a test
// that uses it needs an executable of its own.

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <thread>
#include <vector>

struct WaveCapture {
    int channels = 0;
    int rate = 0;
    std::vector<std::int16_t> samples;  // interleaved

    // Root-mean-square level of one side over [from, to) seconds.
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

    // Sends the mix of the next device opened to `wav` (stereo 16-bit at 44.1 kHz).
    static void RouteMixTo(const std::filesystem::path& conf, const std::filesystem::path& wav) {
        std::ofstream(conf) << "[general]\ndrivers = wave\nchannels = stereo\nsample-type = int16\n"
                               "frequency = 44100\nhrtf = false\n[wave]\nfile = "
                            << wav.string() << "\n";
        ::setenv("ALSOFT_CONF", conf.c_str(), 1);
        ::unsetenv("ALSOFT_DRIVERS");
    }

    // Waits until the back end has mixed `seconds` of sound into `wav` (it writes a 44-byte
    // header, then stereo 16-bit frames) and returns the frames written, so a test marks
    // points of the mix by what was mixed rather than by how long it slept. Gives up after a
    // minute of a stalled mixer.
    static size_t WaitForMix(const std::filesystem::path& wav, double seconds) {
        const auto wanted = static_cast<std::uintmax_t>(seconds * 44100);
        for (int tries = 0; tries < 60000; ++tries) {
            std::error_code error;
            const std::uintmax_t size = std::filesystem::file_size(wav, error);
            const std::uintmax_t frames = !error && size > 44 ? (size - 44) / 4 : 0;
            if (frames >= wanted) return static_cast<size_t>(frames);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return 0;
    }

    static WaveCapture Read(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
        WaveCapture capture;
        const auto u16 = [&](size_t at) { return bytes[at] | (bytes[at + 1] << 8); };
        const auto u32 = [&](size_t at) {
            return static_cast<std::uint32_t>(u16(at)) | static_cast<std::uint32_t>(u16(at + 2))
                                                             << 16;
        };
        for (size_t at = 12; at + 8 <= bytes.size();) {
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
            at += 8 + u32(at + 4);
        }
        return capture;
    }
};
