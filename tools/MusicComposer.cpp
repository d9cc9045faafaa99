// The title tune: 32 bars at 120 beats a minute (64 seconds) in F major, built from a pad,
// a bass, a bell arpeggio, a lead melody and light drums, with an echo. The loop is
// rendered twice and the second pass kept, with its overhang folded back to the start, so
// every tail that crosses the end continues at the beginning and the loop is seamless.
#include <algorithm>
#include <cmath>
#include <vector>

#include "Generators.h"
#include "OggEncoder.h"
#include "Rng.h"

namespace quillox::assets {
namespace {

constexpr int kRate = 44100;
constexpr double kBeat = 0.5;
constexpr int kBars = 32;
constexpr double kLoop = kBars * 4 * kBeat;

double MidiHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

struct Mix {
    std::vector<float> left, right;
    explicit Mix(double seconds)
        : left(static_cast<std::size_t>(seconds * kRate) + 1),
          right(static_cast<std::size_t>(seconds * kRate) + 1) {}

    // Adds a voice from `start` for `length` seconds; pan -1 left .. 1 right.
    template <typename F>
    void Voice(double start, double length, double gain, double pan, F&& wave) {
        const std::size_t i0 = static_cast<std::size_t>(start * kRate);
        const std::size_t n = static_cast<std::size_t>(length * kRate);
        const double gl = gain * std::sqrt(0.5 * (1 - pan)), gr = gain * std::sqrt(0.5 * (1 + pan));
        for (std::size_t k = 0; k < n && i0 + k < left.size(); ++k) {
            const double v = wave(k / double(kRate));
            left[i0 + k] += static_cast<float>(v * gl);
            right[i0 + k] += static_cast<float>(v * gr);
        }
    }
};

// Chords by bar of the eight-bar round: root and the three chord tones (MIDI).
struct Chord {
    int root;
    int tones[3];
};
constexpr Chord kRound[8] = {{41, {65, 69, 72}}, {38, {62, 65, 69}}, {46, {65, 70, 74}},
                             {36, {64, 67, 72}}, {41, {65, 69, 72}}, {45, {64, 69, 72}},
                             {46, {62, 65, 70}}, {36, {64, 67, 70}}};
constexpr int kScale[] = {65, 67, 69, 72, 74, 77, 79, 81};  // F major pentatonic, two octaves

void Compose(Mix& mix, double offset) {
    Rng rng(2024);
    for (int bar = 0; bar < kBars; ++bar) {
        const Chord& ch = kRound[bar % 8];
        const int section = bar / 8;  // 0 intro, 1 arpeggio, 2 melody, 3 melody and more
        const double t0 = offset + bar * 4 * kBeat;
        // Warm pad: detuned sines with a slow swell, held for the bar.
        for (int tone : ch.tones) {
            const double hz = MidiHz(tone - 12);
            mix.Voice(t0, 4 * kBeat + 0.6, 0.055, (tone % 3 - 1) * 0.4, [hz](double t) {
                const double env =
                    std::min(1.0, t / 0.35) * (t > 2.0 ? std::exp(-(t - 2.0) / 0.25) : 1);
                return env *
                       (std::sin(2 * M_PI * hz * t) + 0.6 * std::sin(2 * M_PI * hz * 1.003 * t) +
                        0.25 * std::sin(2 * M_PI * hz * 2 * t));
            });
        }
        // Bass on beats one and three, a walk up on beat four.
        const int bassNotes[3] = {ch.root, ch.root, ch.root + 7};
        const double bassBeats[3] = {0, 2, 3};
        for (int k = 0; k < 3; ++k) {
            const double hz = MidiHz(bassNotes[k]);
            mix.Voice(t0 + bassBeats[k] * kBeat, 1.1, 0.22, 0, [hz](double t) {
                return (std::sin(2 * M_PI * hz * t) + 0.35 * std::sin(4 * M_PI * hz * t)) *
                       std::min(1.0, t / 0.01) * std::exp(-t / 0.45);
            });
        }
        // Bell arpeggio in eighths from the second round on.
        if (section >= 1) {
            for (int k = 0; k < 8; ++k) {
                const int order[8] = {0, 1, 2, 1, 0, 2, 1, 2};
                const double hz = MidiHz(ch.tones[order[k]] + 12);
                mix.Voice(t0 + k * kBeat / 2, 0.9, 0.05, k % 2 == 0 ? -0.5 : 0.5, [hz](double t) {
                    const double mod = std::sin(2 * M_PI * hz * 2 * t) * 0.8 * std::exp(-t / 0.15);
                    return std::sin(2 * M_PI * hz * t + mod) * std::min(1.0, t / 0.003) *
                           std::exp(-t / 0.28);
                });
            }
        }
        // Lead melody in the last two rounds: chord tone on the downbeat, steps after.
        if (section >= 2) {
            int idx = 2;
            for (int k = 0; k < 8; ++k) {
                if (k > 0 && rng.Int(0, 3) == 0) continue;
                int note;
                if (k == 0) {
                    note = ch.tones[rng.Int(0, 2)] + 12;
                    while (note > 81) note -= 12;
                } else {
                    idx = std::max(0, std::min(7, idx + rng.Int(-2, 2)));
                    note = kScale[idx];
                }
                const double len = (k % 2 == 0 ? 0.45 : 0.22) + (section == 3 ? 0.1 : 0);
                const double hz = MidiHz(note);
                mix.Voice(t0 + k * kBeat / 2, len + 0.3, 0.075, 0.15, [hz, len](double t) {
                    const double vib =
                        1 + 0.004 * std::sin(2 * M_PI * 5 * t) * std::min(1.0, t / 0.2);
                    const double env =
                        std::min(1.0, t / 0.02) * (t > len ? std::exp(-(t - len) / 0.08) : 1);
                    double v = 0;
                    for (int h = 1; h <= 5; h += 2)
                        v += std::sin(2 * M_PI * hz * vib * h * t) / (h * h);
                    return v * env;
                });
            }
        }
        // Drums: kick on one and three, soft clap on two and four, shaker in eighths.
        Rng noise(static_cast<unsigned>(bar) + 99);
        for (int beat = 0; beat < 4; ++beat) {
            const double bt = t0 + beat * kBeat;
            if (beat % 2 == 0 && section >= 1) {
                mix.Voice(bt, 0.3, 0.3, 0, [](double t) {
                    return std::sin(2 * M_PI * (45 + 80 * std::exp(-t / 0.03)) * t) *
                           std::exp(-t / 0.09);
                });
            }
            if (beat % 2 == 1 && section >= 1) {
                mix.Voice(bt, 0.2, 0.07, 0.1,
                          [&noise](double t) { return noise.Range(-1, 1) * std::exp(-t / 0.04); });
            }
            for (int half = 0; half < 2; ++half) {
                mix.Voice(bt + half * kBeat / 2, 0.08, 0.025, 0.4,
                          [&noise](double t) { return noise.Range(-1, 1) * std::exp(-t / 0.015); });
            }
        }
    }
}

}  // namespace

void GenerateMusic(AssetWriter& out) {
    const double tail = 3.0;
    Mix mix(2 * kLoop + tail);
    Compose(mix, 0);
    Compose(mix, kLoop);
    // A ping-pong echo of three eighths, over the whole two-pass render.
    const std::size_t delay = static_cast<std::size_t>(3 * kBeat / 2 * kRate);
    for (std::size_t i = delay; i < mix.left.size(); ++i) {
        const float l = mix.left[i - delay], r = mix.right[i - delay];
        mix.left[i] += 0.28f * r;
        mix.right[i] += 0.28f * l;
    }
    const std::size_t n = static_cast<std::size_t>(kLoop * kRate);
    const std::size_t extra = mix.left.size() - 2 * n;
    std::vector<float> left(mix.left.begin() + n, mix.left.begin() + 2 * n);
    std::vector<float> right(mix.right.begin() + n, mix.right.begin() + 2 * n);
    for (std::size_t i = 0; i < extra && i < n; ++i) {
        left[i] += mix.left[2 * n + i];
        right[i] += mix.right[2 * n + i];
    }
    float peak = 0;
    for (std::size_t i = 0; i < n; ++i)
        peak = std::max({peak, std::abs(left[i]), std::abs(right[i])});
    const float gain = peak > 0 ? 0.8f / peak : 1.0f;
    for (std::size_t i = 0; i < n; ++i) {
        left[i] *= gain;
        right[i] *= gain;
    }
    const std::string ogg = OggEncoder(kRate, 0.35f).Encode(left, right);
    if (ogg.empty()) {
        out.Fail("the Vorbis encoder refused the music settings");
        return;
    }
    out.SaveBytes(std::string(kTitleMusic), ogg);
}

}  // namespace quillox::assets
