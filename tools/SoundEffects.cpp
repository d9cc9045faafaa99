// The sound effects, synthesised from oscillators, noise and simple filters.
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "Generators.h"
#include "Rng.h"
#include "WaveFile.h"

namespace quillox::assets {
namespace {

constexpr double kRate = WaveFile::kRate;

std::vector<float> Render(double seconds, const std::function<double(double t, int i)>& f) {
    std::vector<float> s(static_cast<std::size_t>(seconds * kRate));
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = static_cast<float>(f(i / kRate, int(i)));
    return s;
}

double Env(double t, double attack, double decay) {
    if (t < 0) return 0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}

double MidiHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

// A soft bell: a sine with a decaying inharmonic partial for shimmer.
double Bell(double t, double hz, double decay) {
    if (t < 0) return 0;
    const double mod = std::sin(2 * M_PI * hz * 3.5 * t) * 1.2 * std::exp(-t / (decay * 0.4));
    return std::sin(2 * M_PI * hz * t + mod) * Env(t, 0.002, decay);
}

// Filtered noise: a one-pole low pass whose cutoff follows a function of time.
std::vector<float> Noise(double seconds, unsigned seed, const std::function<double(double)>& cutoff,
                         const std::function<double(double)>& amp) {
    Rng rng(seed);
    std::vector<float> s(static_cast<std::size_t>(seconds * kRate));
    double low = 0, low2 = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = i / kRate;
        const double a = 1 - std::exp(-2 * M_PI * cutoff(t) / kRate);
        low += a * (rng.Range(-1, 1) - low);
        low2 += a * (low - low2);
        s[i] = static_cast<float>(low2 * amp(t));
    }
    return s;
}

void Add(std::vector<float>& a, const std::vector<float>& b, double gain) {
    if (a.size() < b.size()) a.resize(b.size());
    for (std::size_t i = 0; i < b.size(); ++i) a[i] += static_cast<float>(b[i] * gain);
}

void Write(AssetWriter& out, std::string_view name, std::vector<float> samples) {
    WaveFile w(std::move(samples));
    w.Finish();
    out.SaveBytes("sound/" + std::string(name) + ".wav", w.Bytes());
}

}  // namespace

void GenerateSounds(AssetWriter& out) {
    Write(out, "buttonclick", Render(0.09, [](double t, int) {
              const double hz = 520 + 900 * std::exp(-t / 0.012);
              return std::sin(2 * M_PI * hz * t) * Env(t, 0.001, 0.022) +
                     0.3 * std::sin(2 * M_PI * 2 * hz * t) * Env(t, 0.001, 0.008);
          }));
    Write(out, "buttonMO", Render(0.07, [](double t, int) {
              return std::sin(2 * M_PI * 1760 * t) * Env(t, 0.002, 0.014) * 0.6 +
                     std::sin(2 * M_PI * 2640 * t) * Env(t, 0.002, 0.008) * 0.4;
          }));
    Write(out, "click", Render(0.05, [](double t, int) {
              return std::sin(2 * M_PI * 950 * t) * Env(t, 0.0005, 0.007) +
                     0.5 * std::sin(2 * M_PI * 2300 * t) * Env(t, 0.0005, 0.004);
          }));
    {
        auto deal = Noise(
            0.42, 3, [](double t) { return 600 + 5000 * std::sin(M_PI * t / 0.42); },
            [](double t) { return std::sin(M_PI * t / 0.42); });
        Add(deal,
            Render(0.42,
                   [](double t, int) {
                       return 0.25 *
                              (Bell(t - 0.05, MidiHz(79), 0.08) + Bell(t - 0.14, MidiHz(83), 0.08) +
                               Bell(t - 0.23, MidiHz(86), 0.12));
                   }),
            1.0);
        Write(out, "deal", deal);
    }
    {
        auto boom = Noise(
            1.3, 5, [](double t) { return 200 + 3000 * std::exp(-t / 0.08); },
            [](double t) { return Env(t, 0.003, 0.35) * 2.5; });
        Add(boom,
            Render(1.3,
                   [](double t, int) {
                       const double hz = 38 + 90 * std::exp(-t / 0.12);
                       return std::sin(2 * M_PI * hz * t) * Env(t, 0.004, 0.4);
                   }),
            0.9);
        Write(out, "boom", boom);
    }
    Write(out, "paint",
          Noise(
              0.9, 7, [](double t) { return 1800 + 1400 * std::sin(2 * M_PI * 4.5 * t); },
              [](double t) {
                  return std::sin(M_PI * t / 0.9) * (0.6 + 0.4 * std::sin(2 * M_PI * 9 * t));
              }));
    Write(out, "error", Render(0.36, [](double t, int) {
              double v = 0;
              for (int k : {1, 3, 5}) v += std::sin(2 * M_PI * 155 * k * t) / k;
              const double gate = (t < 0.13 ? Env(t, 0.004, 0.08) : 0) +
                                  (t > 0.17 ? Env(t - 0.17, 0.004, 0.09) : 0);
              return v * gate;
          }));
    Write(out, "fail", Render(0.22, [](double t, int) {
              const double hz = 620 * std::exp(-t * 3.2);
              return std::sin(2 * M_PI * hz * t) * Env(t, 0.003, 0.07);
          }));
    Write(out, "score", Render(0.8, [](double t, int) {
              const double notes[] = {76, 79, 83, 88};
              double v = 0;
              for (int k = 0; k < 4; ++k) v += Bell(t - k * 0.06, MidiHz(notes[k]), 0.25);
              return v;
          }));
    Write(out, "level", Render(1.4, [](double t, int) {
              const double notes[] = {60, 64, 67, 72, 76};
              double v = 0;
              for (int k = 0; k < 5; ++k) v += Bell(t - k * 0.11, MidiHz(notes[k]), 0.4);
              return v;
          }));
    Write(out, "win", Render(2.8, [](double t, int) {
              // A short brass-like fanfare over a ringing major chord.
              struct Note {
                  double start, length, midi;
              };
              const Note lead[] = {{0.0, 0.16, 72}, {0.18, 0.16, 72}, {0.36, 0.16, 72},
                                   {0.54, 0.5, 77}, {1.1, 0.3, 76},   {1.45, 1.2, 81}};
              double v = 0;
              for (const Note& n : lead) {
                  const double lt = t - n.start;
                  if (lt < 0 || lt > n.length + 0.4) continue;
                  const double env = (lt < n.length ? std::min(1.0, lt / 0.02) : 1.0) *
                                     (lt > n.length ? std::exp(-(lt - n.length) / 0.12) : 1.0);
                  const double hz = MidiHz(n.midi) * (1 + 0.004 * std::sin(2 * M_PI * 5.5 * lt));
                  double tone = 0;
                  for (int k = 1; k <= 6; ++k) {
                      tone += std::sin(2 * M_PI * hz * k * lt) / (k * k * 0.7 + 0.3);
                  }
                  v += tone * env * 0.5;
              }
              for (double m : {53.0, 57.0, 60.0, 65.0}) v += 0.35 * Bell(t - 1.45, MidiHz(m), 0.9);
              return v;
          }));
}

}  // namespace quillox::assets
