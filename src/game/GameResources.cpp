#include "game/GameResources.h"

#include <string>

#include "presentation/TResources.h"

namespace {

constexpr int DefaultFlags = -1;
constexpr int Centred = 1;
constexpr int TopLeft = 0;

struct Strip {
    const char* Name;
    int CellWidth, CellHeight, Frames, Handle;
};

constexpr Strip Strips[] = {
    {"zindles", 48, 48, 13, Centred},     {"zindlesCB", 48, 48, 13, Centred},
    {"next", 24, 24, 13, Centred},        {"nextCB", 24, 24, 13, Centred},
    {"explode", 64, 64, 16, Centred},     {"TokenVortex", 58, 58, 3, Centred},
    {"TokenPalette", 58, 58, 3, Centred}, {"TokenBomb", 58, 58, 3, Centred},
    {"paint", 39, 23, 10, TopLeft},
};

struct Single {
    const char* Name;
    int Handle;
};

// The machine's cover, the tutorial's box and pointer and the brush are placed by their corner.
constexpr Single Singles[] = {
    {"select", Centred},       {"dot", Centred},       {"empty", TopLeft},
    {"lsempty", TopLeft},      {"welldone", Centred},  {"machine", Centred},
    {"particle1", Centred},    {"particle2", Centred}, {"ball", Centred},
    {"particlering", Centred}, {"power", Centred},     {"ind", Centred},
    {"moi", Centred},          {"hint", TopLeft},      {"hintp", TopLeft},
    {"padlock", Centred},      {"brush", TopLeft},
};

constexpr const char* Sounds[] = {"buttonclick", "deal",  "boom", "paint", "click",
                                  "error",       "level", "fail", "score", "win"};

}  // namespace

void LoadGameSounds(TResources& resources) {
    for (const char* name : Sounds) resources.SoundBank.Load(name, 1.0f, 1.0f, "", 0);
}

void LoadGameImages(TResources& resources) {
    TImageBank& images = resources.ImageBank;
    images.Load("paused", "", DefaultFlags, Centred);
    for (const Strip& s : Strips) {
        images.LoadAnim(s.Name, s.CellWidth, s.CellHeight, 0, s.Frames, DefaultFlags, s.Handle);
    }
    for (const Single& s : Singles) images.Load(s.Name, "", DefaultFlags, s.Handle);
    for (int n = 5; n <= 20; ++n) images.Load(NumberedName("score", n), "", DefaultFlags, Centred);
    for (int n = 30; n <= 50; n += 10) {
        images.Load(NumberedName("score", n), "", DefaultFlags, Centred);
    }
    for (int n = 2; n <= 8; ++n) images.Load(NumberedName("x", n), "", DefaultFlags, Centred);
}

std::string NumberedName(const std::string& stem, int number) {
    std::string name = stem;
    name += std::to_string(number);
    return name;
}
