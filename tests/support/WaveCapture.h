#pragma once
// Listening to what OpenAL Soft mixes: its "wave" back end writes the mix to a WAV file, which
// these helpers set up and read back. The back end is chosen when the device opens, so a test
// that uses it needs an executable of its own.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <thread>
#include <vector>

struct WaveCapture {
    int channels = 0;
    int rate = 0;
    size_t first = 0;                   // the frame of the mix that samples begin with
    std::vector<std::int16_t> samples;  // interleaved

    // A stretch of the mix, in seconds from its start.
    struct Span {
        double from = 0, to = 0;
    };

    size_t Frames() const { return channels ? samples.size() / static_cast<size_t>(channels) : 0; }
    std::int16_t At(size_t frame, int side) const {
        return samples[(frame - first) * static_cast<size_t>(channels) + static_cast<size_t>(side)];
    }

    // Root-mean-square level of one side over [from, to) seconds.
    double Level(int side, double from, double to) const {
        const auto begin = std::max(first, static_cast<size_t>(from * rate));
        const auto end = std::min(first + Frames(), static_cast<size_t>(to * rate));
        double sum = 0;
        for (size_t f = begin; f < end; ++f) sum += static_cast<double>(At(f, side)) * At(f, side);
        return end > begin ? std::sqrt(sum / static_cast<double>(end - begin)) : 0.0;
    }

    // The stretches in which something is heard, from `from` seconds on, so that a test finds
    // when a sound started, paused, came back or ended in the mix itself rather than from when
    // its own thread got round to looking. A frame is heard when either side passes `floor`;
    // a stretch ends at `gap` seconds with nothing heard, longer than noise or a tone ever
    // stays near zero, while dithered silence never comes near the floor.
    std::vector<Span> Heard(double from, int floor = 200, double gap = 0.002) const {
        std::vector<Span> heard;
        const auto quiet = static_cast<size_t>(gap * rate);
        const auto seconds = [&](size_t frame) { return static_cast<double>(frame) / rate; };
        size_t start = 0, last = 0;
        bool any = false;
        for (size_t f = std::max(first, static_cast<size_t>(from * rate)); f < first + Frames();
             ++f) {
            bool loud = false;
            for (int side = 0; side < channels; ++side)
                loud = loud || std::abs(At(f, side)) > floor;
            if (!loud) continue;
            if (any && f - last > quiet) heard.push_back({seconds(start), seconds(last + 1)});
            if (!any || f - last > quiet) start = f;
            any = true;
            last = f;
        }
        if (any) heard.push_back({seconds(start), seconds(last + 1)});
        return heard;
    }

    // Sends the mix of the next device opened to `wav` (stereo 16-bit at 44.1 kHz).
    static void RouteMixTo(const std::filesystem::path& conf, const std::filesystem::path& wav) {
        std::ofstream(conf) << "[general]\ndrivers = wave\nchannels = stereo\nsample-type = int16\n"
                               "frequency = 44100\nhrtf = false\n[wave]\nfile = "
                            << wav.string() << "\n";
        ::setenv("ALSOFT_CONF", conf.c_str(), 1);
        ::unsetenv("ALSOFT_DRIVERS");
    }

    // Waits until the back end has mixed `seconds` of sound into `wav` (it writes a 68-byte
    // header, its format chunk in the extensible form, then stereo 16-bit frames) and returns the
    // frames written, so a test marks points of the mix by what was mixed rather than by how long
    // it slept. Gives up after a minute of a stalled mixer.
    static size_t WaitForMix(const std::filesystem::path& wav, double seconds) {
        const auto wanted = static_cast<std::uintmax_t>(seconds * 44100);
        for (int tries = 0; tries < 60000; ++tries) {
            std::error_code error;
            const std::uintmax_t size = std::filesystem::file_size(wav, error);
            const std::uintmax_t frames = !error && size > 68 ? (size - 68) / 4 : 0;
            if (frames >= wanted) return static_cast<size_t>(frames);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return 0;
    }

    // Waits until the mix in `wav` holds a stretch heard without a break for `seconds` from
    // `after` seconds on, and returns where it starts (not before `after`); negative if a
    // minute of mix goes by without one. Each look reads only what could still hold it, so a
    // test thread that falls behind the mixer catches up rather than reading ever more.
    static double WaitForHeard(const std::filesystem::path& wav, double after, double seconds) {
        double from = after;
        for (double mixed = after; mixed < after + 60;) {
            const size_t frames = WaitForMix(wav, mixed + 0.05);
            if (frames == 0) break;
            mixed = static_cast<double>(frames) / 44100;
            const WaveCapture tail = Read(wav, from);
            for (const Span& span : tail.Heard(from)) {
                if (span.to - span.from >= seconds) return span.from;
            }
            // A stretch that began earlier than this has already ended too short.
            if (tail.rate > 0) {
                const double end = static_cast<double>(tail.first + tail.Frames()) / tail.rate;
                from = std::max(from, end - seconds - 0.01);
            }
        }
        return -1;
    }

    // Reads the mix from `from` seconds on; the writer may still be adding to it.
    static WaveCapture Read(const std::filesystem::path& path, double from = 0) {
        std::ifstream in(path, std::ios::binary);
        std::vector<std::uint8_t> bytes(4096);
        in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<size_t>(in.gcount()));
        WaveCapture capture;
        const auto u16 = [&](size_t at) { return bytes[at] | (bytes[at + 1] << 8); };
        const auto u32 = [&](size_t at) {
            return static_cast<std::uint32_t>(u16(at)) | static_cast<std::uint32_t>(u16(at + 2))
                                                             << 16;
        };
        for (size_t at = 12; at + 8 <= bytes.size(); at += 8 + u32(at + 4)) {
            if (std::memcmp(&bytes[at], "fmt ", 4) == 0 && at + 16 <= bytes.size()) {
                capture.channels = u16(at + 10);
                capture.rate = static_cast<int>(u32(at + 12));
            } else if (std::memcmp(&bytes[at], "data", 4) == 0 && capture.channels > 0) {
                // The writer may not have filled in the length; take what is there.
                capture.first = static_cast<size_t>(from * capture.rate);
                const auto start = static_cast<std::streamoff>(
                    at + 8 + capture.first * 2 * static_cast<size_t>(capture.channels));
                in.clear();
                in.seekg(0, std::ios::end);
                const std::streamoff end = in.tellg();
                bytes.assign(static_cast<size_t>(std::max<std::streamoff>(end - start, 0)), 0);
                in.seekg(start);
                in.read(reinterpret_cast<char*>(bytes.data()),
                        static_cast<std::streamsize>(bytes.size()));
                bytes.resize(static_cast<size_t>(in.gcount()));
                capture.samples.reserve(bytes.size() / 2);
                for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
                    capture.samples.push_back(static_cast<std::int16_t>(u16(i)));
                }
                break;
            }
        }
        return capture;
    }
};
