// Any bytes as the settings file: every line must split and parse, numbers must read without
// overflow, and a value written back as the game writes it must read the same.

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "store/TIniLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const std::string& text : TIniLine::SplitFileLines(bytes)) {
        FUZZ_CHECK(text.find('\n') == std::string::npos);
        FUZZ_CHECK(text.find('\r') == std::string::npos);
        const TIniLine line = TIniLine::Parse(text);
        FUZZ_CHECK(line.Name.find('=') == std::string::npos);
        for (const char c : line.Name) FUZZ_CHECK(c < 'a' || c > 'z');
        (void)line.IntValue();

        const std::string written = "PROFILE NAME=" + line.Value + "\r\n";
        const auto back = TIniLine::SplitFileLines(written);
        FUZZ_CHECK(!back.empty());
        const TIniLine reread = TIniLine::Parse(back.front());
        FUZZ_CHECK(reread.Name == "PROFILE NAME");
        FUZZ_CHECK(reread.Value == line.Value);
    }
    return 0;
}
