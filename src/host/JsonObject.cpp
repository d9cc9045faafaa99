#include "host/JsonObject.h"

#include <cmath>
#include <cstdio>

void JsonObject::SetRaw(const std::string& key, const std::string& value) {
    for (auto& field : fields_) {
        if (field.first == key) {
            field.second = value;
            return;
        }
    }
    fields_.emplace_back(key, value);
}

void JsonObject::Set(const std::string& key, int value) {
    SetRaw(key, std::to_string(value));
}

void JsonObject::Set(const std::string& key, double value) {
    if (!std::isfinite(value)) {
        SetRaw(key, "null");
        return;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.9g", value);
    SetRaw(key, buffer);
}

void JsonObject::Set(const std::string& key, const std::string& value) {
    SetRaw(key, Quote(value));
}

void JsonObject::Set(const std::string& key, const JsonObject& value) {
    // Nested objects are indented one level deeper than their parent's fields.
    std::string text;
    for (const char c : value.Text()) {
        text += c;
        if (c == '\n') text += "  ";
    }
    SetRaw(key, text);
}

void JsonObject::Set(const std::string& key, const std::vector<int>& values) {
    std::string text = "[";
    for (size_t i = 0; i < values.size(); ++i) {
        if (i) text += ",";
        text += std::to_string(values[i]);
    }
    SetRaw(key, text + "]");
}

void JsonObject::Set(const std::string& key, const std::vector<std::string>& values) {
    std::string text = "[";
    for (size_t i = 0; i < values.size(); ++i) {
        if (i) text += ", ";
        text += Quote(values[i]);
    }
    SetRaw(key, text + "]");
}

void JsonObject::Set(const std::string& key, const std::vector<JsonObject>& values) {
    std::string text = "[";
    for (size_t i = 0; i < values.size(); ++i) {
        text += i ? ", " : "";
        for (const char c : values[i].Text()) {
            text += c;
            if (c == '\n') text += "  ";
        }
    }
    SetRaw(key, text + "]");
}

std::string JsonObject::InlineText() const {
    std::string text = "{";
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (i) text += ", ";
        text += Quote(fields_[i].first) + ": " + fields_[i].second;
    }
    return text + "}";
}

std::string JsonObject::Text() const {
    std::string text = "{";
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (i) text += ",";
        text += "\n  " + Quote(fields_[i].first) + ": " + fields_[i].second;
    }
    return text + (fields_.empty() ? "}" : "\n}");
}

std::string JsonObject::Quote(const std::string& text) {
    std::string out = "\"";
    for (const unsigned char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                    out += buffer;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}
