#include "store/IniValues.h"

#include "media/Platform.h"
#include "store/TIniLine.h"
#include "system/AtomicFile.h"
#include "system/Paths.h"
#include "system/StringHelpers.h"

std::string ReadIniValue(const std::string& path, const std::string& key) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return "";
    const std::string wanted = UpperCase(key);
    for (const auto& text : TIniLine::SplitFileLines(*bytes)) {
        const TIniLine line = TIniLine::Parse(text);
        if (line.Name == wanted) return line.Value;
    }
    return "";
}

int CopyIniWithValue(const std::string& source, const std::string& target, const std::string& key,
                     const std::string& value) {
    // The shipped defaults may be spelled "data/default.ini" or "Data/Default.ini".
    const auto bytes = ReadWholeFile(media::ResolvePath(source));
    if (!bytes) return 0;
    const std::string wanted = UpperCase(key);
    std::string copy;
    for (const auto& text : TIniLine::SplitFileLines(*bytes)) {
        if (TIniLine::Parse(text).Name == wanted) {
            copy += wanted + "=" + value + "\r\n";
        } else {
            copy += text + "\r\n";
        }
    }
    return WriteFileAtomic(target, copy) ? 1 : 0;
}
