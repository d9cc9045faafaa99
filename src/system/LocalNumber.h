#pragma once
// Scores as the player's language writes them: the catalogue's way of writing 12345 tells the
// mark that groups thousands ("12.345" in German, "12 345" in French); English, whose catalogue
// is the texts as written, keeps its numbers whole, as ever.

#include <string>

[[nodiscard]] std::string LocalNumber(long long value);
