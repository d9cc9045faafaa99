#include "system/LocalNumber.h"

#include "system/Translate.h"

namespace {

// Four-digit numbers stay whole, as most of the languages' own typography has them.
constexpr long long FirstGrouped = 10000;

std::string GroupMark() {
    // TRANSLATORS: the number 12345 as your language writes it with its thousands grouped
    // (12.345, 12 345, ...); the mark between "12" and "345" groups every score the game shows.
    // Leave it as 12345 to group none.
    const std::string sample = Tr("12345");
    const size_t length = sample.size();
    if (length <= 5 || length > 9 || sample.compare(0, 2, "12") != 0 ||
        sample.compare(length - 3, 3, "345") != 0) {
        return {};
    }
    return sample.substr(2, length - 5);
}

}  // namespace

std::string LocalNumber(long long value) {
    std::string digits = std::to_string(value < 0 ? -(value + 1) + 1ULL : value);
    const std::string mark = GroupMark();
    if (!mark.empty() && (value >= FirstGrouped || value <= -FirstGrouped)) {
        for (size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, mark);
    }
    return value < 0 ? "-" + digits : digits;
}
