#include "presentation/TValueList.h"

#include <charconv>

#include "system/CheckedLoaders.h"
#include "system/TextLines.h"

namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Leading digits with an optional sign; 0 when there are none.
int ParseInt(const std::string& text) {
    int value = 0;
    const char* begin = text.data();
    if (!text.empty() && text[0] == '+') ++begin;
    std::from_chars(begin, text.data() + text.size(), value);
    return value;
}

}  // namespace

std::shared_ptr<TValueList> TValueList::Create(const std::string& file) {
    auto list = std::make_shared<TValueList>();
    list->Read(file);
    return list;
}

void TValueList::Read(const std::string& file) {
    ReadText(OpenFileChecked(file));
}

void TValueList::ReadText(const std::string& text) {
    for (const std::string& line : SplitLines(text)) {
        const auto equals = line.find('=');
        if (equals == std::string::npos) continue;
        AddValue(Trim(line.substr(0, equals)), ParseInt(Trim(line.substr(equals + 1))));
    }
}

void TValueList::AddValue(const std::string& name, int value) {
    AddTValue(TValue::Create(name, value));
}

void TValueList::AddTValue(std::shared_ptr<TValue> value) {
    Values.push_back(std::move(value));
}

std::shared_ptr<TValue> TValueList::GetValueByIndex(int index) const {
    if (index < 0 || index >= static_cast<int>(Values.size())) return nullptr;
    return Values[static_cast<size_t>(index)];
}

std::shared_ptr<TValue> TValueList::GetValueByName(const std::string& name) const {
    for (const auto& value : Values) {
        if (value->name == name) return value;
    }
    return nullptr;
}

void TValueList::PrintList() const {
    for (const auto& value : Values) value->PrintValue();
}
