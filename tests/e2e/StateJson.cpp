#include "StateJson.h"

#include <cctype>
#include <cstdlib>

class StateJsonReader {
public:
    explicit StateJsonReader(const std::string& text) : text_(text) {}

    bool Value(StateJson& out) {
        Blanks();
        if (pos_ >= text_.size()) return false;
        const char c = text_[pos_];
        if (c == '{') return Object(out);
        if (c == '[') return Array(out);
        if (c == '"') {
            out.kind_ = StateJson::Kind::String;
            return String(out.text_);
        }
        if (Word("true") || Word("false")) {
            out.kind_ = StateJson::Kind::Bool;
            out.number_ = c == 't' ? 1 : 0;
            return true;
        }
        if (Word("null")) return true;
        const char* start = text_.c_str() + pos_;
        char* end = nullptr;
        out.number_ = std::strtod(start, &end);
        if (end == start) return false;
        out.kind_ = StateJson::Kind::Number;
        pos_ += static_cast<size_t>(end - start);
        return true;
    }
    bool AtEnd() {
        Blanks();
        return pos_ == text_.size();
    }

private:
    void Blanks() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    }
    bool Take(char c) {
        Blanks();
        if (pos_ >= text_.size() || text_[pos_] != c) return false;
        ++pos_;
        return true;
    }
    bool Word(const char* word) {
        const std::string w(word);
        if (text_.compare(pos_, w.size(), w) != 0) return false;
        pos_ += w.size();
        return true;
    }
    bool String(std::string& out) {
        if (!Take('"')) return false;
        while (pos_ < text_.size() && text_[pos_] != '"') {
            char c = text_[pos_++];
            if (c == '\\' && pos_ < text_.size()) {
                const char e = text_[pos_++];
                if (e == 'n') {
                    c = '\n';
                } else if (e == 't') {
                    c = '\t';
                } else if (e == 'r') {
                    c = '\r';
                } else if (e == 'u' && pos_ + 4 <= text_.size()) {
                    c = static_cast<char>(std::strtol(text_.substr(pos_, 4).c_str(), nullptr, 16));
                    pos_ += 4;
                } else {
                    c = e;
                }
            }
            out += c;
        }
        return Take('"');
    }
    bool Array(StateJson& out) {
        out.kind_ = StateJson::Kind::Array;
        Take('[');
        if (Take(']')) return true;
        do {
            out.items_.emplace_back();
            if (!Value(out.items_.back())) return false;
        } while (Take(','));
        return Take(']');
    }
    bool Object(StateJson& out) {
        out.kind_ = StateJson::Kind::Object;
        Take('{');
        if (Take('}')) return true;
        do {
            Blanks();
            std::string key;
            if (!String(key) || !Take(':')) return false;
            out.keys_.push_back(key);
            out.items_.emplace_back();
            if (!Value(out.items_.back())) return false;
        } while (Take(','));
        return Take('}');
    }

    const std::string& text_;
    size_t pos_ = 0;
};

namespace {

const StateJson& Null() {
    static const StateJson null;
    return null;
}

}  // namespace

StateJson StateJson::Parse(const std::string& text) {
    StateJson value;
    StateJsonReader reader(text);
    if (!reader.Value(value) || !reader.AtEnd()) return {};
    return value;
}

const StateJson& StateJson::operator[](size_t index) const {
    return kind_ == Kind::Array && index < items_.size() ? items_[index] : Null();
}

const StateJson& StateJson::operator[](const std::string& key) const {
    for (size_t i = 0; i < keys_.size(); ++i) {
        if (keys_[i] == key) return items_[i];
    }
    return Null();
}

std::vector<int> StateJson::Ints() const {
    std::vector<int> values;
    for (const StateJson& item : items_) values.push_back(item.Int());
    return values;
}

std::vector<std::string> StateJson::Texts() const {
    std::vector<std::string> values;
    for (const StateJson& item : items_) values.push_back(item.text_);
    return values;
}

std::vector<std::string> StateJson::Keys() const {
    return keys_;
}
