#include "FlashMeter.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr float kChange = 0.1f;
constexpr float kDarkLimit = 0.8f;
// More than three flashes: seven opposing changes within a second.
constexpr int kTooMany = 7;

const std::array<float, 256>& Linear() {
    static const std::array<float, 256> table = [] {
        std::array<float, 256> t{};
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            t[static_cast<size_t>(i)] =
                static_cast<float>(c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        return t;
    }();
    return table;
}

float Luminance(std::uint32_t argb) {
    const auto& l = Linear();
    return 0.2126f * l[(argb >> 16) & 0xFF] + 0.7152f * l[(argb >> 8) & 0xFF] +
           0.0722f * l[argb & 0xFF];
}

}  // namespace

FlashMeter::FlashMeter(int framesPerSecond) : fps_(framesPerSecond) {}

void FlashMeter::Change(Sample& sample) const {
    sample.recent[sample.count % 8] = frame_;
    ++sample.count;
}

int FlashMeter::Within(const Sample& sample) const {
    int within = 0;
    for (int i = 0; i < std::min(sample.count, 8); ++i) {
        if (frame_ - sample.recent[i] < fps_) ++within;
    }
    return within;
}

void FlashMeter::Add(const media::Pixmap& frame) {
    if (samples_.empty()) {
        columns_ = frame.width / Step;
        rows_ = frame.height / Step;
        samples_.resize(static_cast<size_t>(columns_ * rows_));
    }
    std::vector<int> flashing(samples_.size(), 0);
    bool any = false;
    for (int y = 0; y < rows_; ++y) {
        for (int x = 0; x < columns_; ++x) {
            Sample& s = samples_[static_cast<size_t>(y * columns_ + x)];
            const float l = Luminance(frame.At(x * Step, y * Step));
            if (frame_ == 0) {
                s.low = s.high = l;
                continue;
            }
            if (s.direction >= 0 && s.high - l >= kChange && l < kDarkLimit) {
                Change(s);  // a fall from the brightest since the last change
                s.direction = -1;
                s.low = s.high = l;
            } else if (s.direction <= 0 && l - s.low >= kChange && s.low < kDarkLimit) {
                Change(s);  // a rise from the darkest
                s.direction = 1;
                s.low = s.high = l;
            } else {
                s.low = std::min(s.low, l);
                s.high = std::max(s.high, l);
            }
            const int within = Within(s);
            mostTransitions_ = std::max(mostTransitions_, within);
            if (within >= kTooMany) {
                flashing[static_cast<size_t>(y * columns_ + x)] = 1;
                any = true;
            }
        }
    }
    if (any) MeasureArea(flashing);
    ++frame_;
}

void FlashMeter::MeasureArea(const std::vector<int>& flashing) {
    // Sums over rectangles from a table of sums from the top left.
    const int w = columns_ + 1;
    std::vector<int> sums(static_cast<size_t>(w * (rows_ + 1)), 0);
    for (int y = 0; y < rows_; ++y) {
        for (int x = 0; x < columns_; ++x) {
            sums[static_cast<size_t>((y + 1) * w + x + 1)] =
                flashing[static_cast<size_t>(y * columns_ + x)] +
                sums[static_cast<size_t>(y * w + x + 1)] +
                sums[static_cast<size_t>((y + 1) * w + x)] - sums[static_cast<size_t>(y * w + x)];
        }
    }
    const int fw = FieldWidth / Step, fh = FieldHeight / Step;
    for (int y = 0; y + fh <= rows_; ++y) {
        for (int x = 0; x + fw <= columns_; ++x) {
            const int inside = sums[static_cast<size_t>((y + fh) * w + x + fw)] -
                               sums[static_cast<size_t>(y * w + x + fw)] -
                               sums[static_cast<size_t>((y + fh) * w + x)] +
                               sums[static_cast<size_t>(y * w + x)];
            worst_ = std::max(worst_, static_cast<double>(inside) / (fw * fh));
        }
    }
}
