#pragma once
// A small ordered JSON object writer for the state dumps of scripted runs.

#include <string>
#include <utility>
#include <vector>

class JsonObject {
public:
    void Set(const std::string& key, int value);
    void Set(const std::string& key, double value);
    void Set(const std::string& key, const std::string& value);
    void Set(const std::string& key, const char* value) { Set(key, std::string(value)); }
    void Set(const std::string& key, const JsonObject& value);
    void Set(const std::string& key, const std::vector<int>& values);
    void Set(const std::string& key, const std::vector<std::string>& values);
    // An array of objects in full.
    void Set(const std::string& key, const std::vector<JsonObject>& values);
    // value must already be valid JSON text.
    void SetRaw(const std::string& key, const std::string& value);
    std::string Text() const;
    // The object on one line.
    std::string InlineText() const;

    static std::string Quote(const std::string& text);

private:
    std::vector<std::pair<std::string, std::string>> fields_;
};
