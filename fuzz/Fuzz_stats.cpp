// Any bytes as "stats.dat": the best-results table must stay usable (names printable and no
// longer than a name entry allows, values not negative) and save back to a file that reads the
// same.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "store/TSaveBest.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TSaveBest best;
    best.ReadBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    const TBestResults& results = best.Results;
    for (int level = 0; level < LevelCount; ++level) {
        FUZZ_CHECK(results.BestLevelScores[level] >= 0);
        FUZZ_CHECK(results.BestLevelTimes[level] >= 0);
        FUZZ_CHECK(PrintableName(results.BestLevelScoreNames[level], 12));
        FUZZ_CHECK(PrintableName(results.BestLevelTimeNames[level], 12));
    }
    const std::string saved = best.Bytes();
    best.ReadBytes(saved);
    FUZZ_CHECK(best.Bytes() == saved);
    return 0;
}
