// Any bytes as the high-score file: the table must always hold ten rows in rank order with
// printable names, scores not below 0 and levels of the game, and save back to a file that
// reads the same. Entering a new score must keep it in order.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "store/THighScoreList.h"

namespace {

void CheckTable(const THighScoreList& list) {
    FUZZ_CHECK(list.Count() == THighScoreList::TableSize);
    const auto& rows = list.Entries();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        FUZZ_CHECK(rows[i].score >= 0);
        FUZZ_CHECK(rows[i].level >= 0 && rows[i].level <= THighScoreList::MaxLevel);
        FUZZ_CHECK(PrintableName(rows[i].name, 12));
        if (i > 0) FUZZ_CHECK(rows[i - 1].score >= rows[i].score);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    THighScoreList list = THighScoreList::Create("/nonexistent/zindles", 12);
    list.ReadBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    CheckTable(list);

    const std::string saved = list.Bytes();
    THighScoreList again = THighScoreList::Create("/nonexistent/zindles", 12);
    again.ReadBytes(saved);
    FUZZ_CHECK(again.Bytes() == saved);

    // The name-entry dialog's step: drop the last row, insert, and the table is still ranked.
    const int score = size >= 4 ? static_cast<int>(data[0] | data[1] << 8 | data[2] << 16) : 55;
    again.RemoveLast();
    const int position = again.Insert("Fuzz", score, 1);
    FUZZ_CHECK(position >= 1 && position <= static_cast<int>(THighScoreList::TableSize));
    FUZZ_CHECK(again.Entries()[static_cast<std::size_t>(position - 1)].name == "Fuzz");
    CheckTable(again);
    return 0;
}
