#include "presentation/ButtonCaptions.h"

#include "media/Platform.h"
#include "system/StringHelpers.h"
#include "system/TextLines.h"
#include "system/WholeFile.h"

std::map<std::string, std::string> ReadButtonCaptions(const std::string& menuFolder) {
    std::map<std::string, std::string> captions;
    const auto text = ReadWholeFile(media::ResolvePath(menuFolder + "captions.txt"));
    if (!text) return captions;
    for (const std::string& line : SplitLines(*text)) {
        const size_t tab = line.find('\t');
        if (tab == std::string::npos || tab == 0) continue;
        captions[UpperCase(line.substr(0, tab))] = line.substr(tab + 1);
    }
    return captions;
}
