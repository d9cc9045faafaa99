// Any bytes as a text table: it is either refused as a whole (a block without its header) or
// read into keys that are upper-cased and found in any case, with no entry swallowing a header,
// and the table written back as blocks reads the same.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "presentation/TTextTable.h"
#include "system/StringHelpers.h"
#include "system/TextLines.h"

namespace {

std::string LowerCase(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// Only a text whose first line and every line opening with "[" are headers is a table.
bool EveryBlockHasItsHeader(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool opens = !lines[i].empty() && lines[i][0] == '[';
        if ((i == 0 || opens) && UpperCase(lines[i]) != "[TEXT]") return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    TTextTable table;
    const bool read = table.ReadText(text);
    FUZZ_CHECK(read == EveryBlockHasItsHeader(SplitLines(text)));
    if (!read) return 0;

    std::string written;
    for (const auto& [key, lines] : table.Texts) {
        FUZZ_CHECK(key == UpperCase(key));
        FUZZ_CHECK(key.empty() || key[0] != '[');
        FUZZ_CHECK(table.Find(LowerCase(key)) == lines);
        std::string joined;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            FUZZ_CHECK(lines[i].find('\n') == std::string::npos);
            FUZZ_CHECK(lines[i].empty() || lines[i][0] != '[');
            joined += (i > 0 ? "\r\n" : "") + lines[i];
        }
        FUZZ_CHECK(table.FindString(key) == joined);
        written += "[TEXT]\r\n" + key + "\r\n";
        for (const std::string& line : lines) written += line + "\r\n";
    }

    TTextTable again;
    FUZZ_CHECK(again.ReadText(written));
    FUZZ_CHECK(again.Texts == table.Texts);
    return 0;
}
