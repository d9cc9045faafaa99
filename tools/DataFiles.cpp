// The fonts and the plain files: bitmap fonts baked from DejaVu, the TrueType faces the game
// draws with (the tutorial's and the plain text face) with their licences, and the default
// settings.
#include <fstream>
#include <sstream>

#include <set>

#include "Catalogues.h"
#include "FontBaker.h"
#include "FontSources.h"
#include "Generators.h"

namespace quillox::assets {
namespace {

bool ReadFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    bytes = s.str();
    return true;
}

// Latin-1 as ever, then what the name field offers besides (the Latin and Cyrillic letters of
// the languages players type their names in) and every character of the translations.
std::vector<int> FontCodes(const AssetWriter& out) {
    std::set<int> codes;
    for (int c = kFirstFontChar; c <= kLastFontChar; ++c) codes.insert(c);
    for (int c = 160; c <= 255; ++c) codes.insert(c);
    for (const auto& [first, last] : kNameLetterRanges) {
        for (int c = first; c <= last; ++c) codes.insert(c);
    }
    const std::set<int> translated = CataloguesCharacters(out.Languages());
    codes.insert(translated.begin(), translated.end());
    return {codes.begin(), codes.end()};
}

void BitmapFont(AssetWriter& out, std::string_view name, int pixelSize, double outline) {
    const Typeface& face = out.Bold();
    const std::vector<int> codes = FontCodes(out);
    FontBaker baker(face, pixelSize, outline, out.Scale(), out.ScriptFallback());
    // Latin-1 alone fits the narrow texture of old; more scripts spread wider.
    if (!baker.Bake(codes, codes.size() <= 192 ? 512 : 1024)) {
        out.Fail("cannot render " + std::string(name) + ": no glyph for U+" +
                 std::to_string(baker.MissingCode()));
        return;
    }
    const std::string base = "fonts/" + std::string(name);
    const std::string picture = out.PathOf("fonts", name);
    if (!baker.Texture()->SavePng(picture)) {
        out.Fail("cannot write " + picture);
        return;
    }
    // One description serves the texture at every scale.
    if (out.Scale() == 1)
        out.SaveBytes(base + ".fnt", baker.FntText("DejaVu Sans Bold", std::string(name) + ".png"));
}

void CopyFile(AssetWriter& out, const char* from, std::string_view to) {
    std::string bytes;
    if (!ReadFile(from, bytes)) {
        out.Fail(std::string("cannot read ") + from);
        return;
    }
    out.SaveBytes(std::string(to), bytes);
}

// A language whose tutorial texts the tutorial's face cannot draw gets the script face as its
// own "tut-CODE.ttf", which the game loads in that language.
void TutorialFaces(AssetWriter& out) {
    const Typeface tutorial(kTutorialFontSource);
    bool copied = false;
    for (const Catalogue& catalogue : out.Languages()) {
        bool complete = tutorial.Ok();
        for (const auto& [english, translated] : catalogue.texts) {
            for (int code : CodePoints(translated)) {
                complete = complete &&
                           (code < 32 ||
                            FT_Get_Char_Index(tutorial.Face(), static_cast<FT_ULong>(code)) != 0);
            }
        }
        if (complete) continue;
        CopyFile(out, kScriptFontSource, "fonts/tut-" + catalogue.code + ".ttf");
        copied = true;
    }
    if (copied) CopyFile(out, kScriptLicenceSource, kScriptFontLicence);
}

}  // namespace

void GenerateFonts(AssetWriter& out) {
    BitmapFont(out, "font_lg", 30, 2.0);
    BitmapFont(out, "font_md", 20, 1.4);
    // The typefaces ship once, whatever the scale of the pictures.
    if (out.Scale() != 1) return;
    CopyFile(out, kTutorialFontSource, kTutorialFont);
    CopyFile(out, kTutorialLicenceSource, kTutorialFontLicence);
    CopyFile(out, kRegularFontSource, kTextFont);
    CopyFile(out, kDejaVuLicenceSource, kTextFontLicence);
    TutorialFaces(out);
}

void GenerateTextFiles(AssetWriter& out) {
    std::string ini;
    for (std::string_view line : kDefaultIniLines) {
        ini += line;
        ini += "\r\n";
    }
    out.SaveBytes(std::string(kDefaultIni), ini);
}

}  // namespace quillox::assets
