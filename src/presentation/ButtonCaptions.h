#pragma once
// The captions drawn into the button pictures, as the generator lists them beside the pictures
// ("captions.txt": a picture's name, a tab and its English caption, a line each), so that a
// state dump can say what each button reads in the player's language.

#include <map>
#include <string>

// By the upper-cased picture name; empty when the file is missing.
[[nodiscard]] std::map<std::string, std::string> ReadButtonCaptions(const std::string& menuFolder);
