#pragma once
// Shared set-up for the presentation tests: a host with the normal 5 ms step, whole steps of
// Delta, and generated samples.

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "host/TGame.h"
#include "presentation/TPresentationContext.h"
#include "store/TIniFile.h"
#include "support/TempFolder.h"

namespace presentation_test {

// A host at normal speed (5 ms steps), keeping every particle, for the length of a test.
struct HostAtNormalSpeed {
    TempFolder Folder{"presentation"};
    std::unique_ptr<TGame> game = std::make_unique<TGame>();
    HostAtNormalSpeed() {
        game->Timing.MS = 5.0f;
        game->Presentation.Particles = 100;
        // Settings saved by the operations under test go to a scratch file.
        game->Settings.File().FileName = Folder.File("settings");
        PresentationContext().Delta = 1.0f;
    }
};

inline void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A mono 16-bit PCM WAV of a sine tone.
inline void WriteToneWav(const std::filesystem::path& path, double seconds, int rate = 44100) {
    const auto frames = static_cast<std::uint32_t>(seconds * rate);
    std::string bytes;
    const auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    const auto u16 = [&](std::uint32_t v) {
        for (int i = 0; i < 2; ++i) bytes += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    bytes += "RIFF";
    u32(36 + frames * 2);
    bytes += "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(static_cast<std::uint32_t>(rate));
    u32(static_cast<std::uint32_t>(rate * 2));
    u16(2);
    u16(16);
    bytes += "data";
    u32(frames * 2);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double v = std::sin(2 * M_PI * 440.0 * i / rate) * 20000;
        u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
    }
    WriteText(path, bytes);
}

}  // namespace presentation_test
