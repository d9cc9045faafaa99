#include "system/TextLines.h"

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        size_t stop = end;
        if (stop > start && text[stop - 1] == '\r') --stop;
        lines.push_back(text.substr(start, stop - start));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> WrapLines(const std::vector<std::string>& lines, float maxWidth,
                                   const std::function<float(const std::string&)>& measure) {
    std::vector<std::string> wrapped;
    for (std::string line : lines) {
        if (line.empty()) {
            wrapped.emplace_back();
            continue;
        }
        for (auto pos = line.find("  "); pos != std::string::npos; pos = line.find("  ", pos)) {
            line.erase(pos, 1);
        }

        std::string current;
        bool first = true;
        size_t start = 0;
        while (start <= line.size()) {
            size_t end = line.find(' ', start);
            if (end == std::string::npos) end = line.size();
            const std::string word = line.substr(start, end - start);
            start = end + 1;
            if (first) {
                current = word;
                first = false;
            } else if (measure(current + " " + word) <= maxWidth) {
                current += " " + word;
            } else {
                wrapped.push_back(current);
                current = word;
            }
        }
        wrapped.push_back(current);
    }
    return wrapped;
}
