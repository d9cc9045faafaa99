#pragma once
// Reads the game's state dumps: a small JSON reader for objects, arrays, strings, numbers and
// the three words. A missing key or index reads as null, whose numbers are -1 and texts empty,
// so a test fails on the value rather than crashing on the way to it.

#include <string>
#include <vector>

class StateJson {
public:
    enum class Kind { Null, Bool, Number, String, Array, Object };

    // Null when the text is not one JSON value.
    static StateJson Parse(const std::string& text);

    Kind Type() const { return kind_; }
    bool IsNull() const { return kind_ == Kind::Null; }
    int Int() const { return kind_ == Kind::Number ? static_cast<int>(number_) : -1; }
    double Number() const { return kind_ == Kind::Number ? number_ : -1; }
    const std::string& Text() const { return text_; }
    size_t Size() const { return items_.size(); }
    const StateJson& operator[](size_t index) const;
    const StateJson& operator[](const std::string& key) const;
    const StateJson& operator[](const char* key) const { return (*this)[std::string(key)]; }
    std::vector<int> Ints() const;
    std::vector<std::string> Texts() const;
    // Keys of an object, in their order.
    std::vector<std::string> Keys() const;

private:
    friend class StateJsonReader;
    Kind kind_ = Kind::Null;
    double number_ = 0;
    std::string text_;
    std::vector<StateJson> items_;
    std::vector<std::string> keys_;
};
