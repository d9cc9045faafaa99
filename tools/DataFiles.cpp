// The fonts and the plain files: bitmap fonts baked from DejaVu, the TrueType faces the game
// draws with (the tutorial's and the plain text face) with their licences, and the default
// settings.
#include <fstream>
#include <sstream>

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

void BitmapFont(AssetWriter& out, std::string_view name, int pixelSize, double outline) {
    const Typeface& face = out.Bold();
    std::vector<int> codes;
    for (int c = kFirstFontChar; c <= kLastFontChar; ++c) codes.push_back(c);
    for (int c = 160; c <= 255; ++c) codes.push_back(c);
    FontBaker baker(face, pixelSize, outline, out.Scale());
    if (!baker.Bake(codes, 512)) {
        out.Fail("cannot render " + std::string(name));
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
