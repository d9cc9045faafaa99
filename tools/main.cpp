// Writes the whole Data tree: `quillox_assetgen <data folder>`, or lays the written pictures
// onto one sheet: `quillox_assetgen <data folder> --contact-sheet <out.png>`.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "ContactSheet.h"
#include "FontSources.h"
#include "Generators.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: quillox_assetgen <data folder> [--contact-sheet <out.png>]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quillox::assets;
    if (argc != 2 && argc != 4) return Usage();
    const std::string dataDir = argv[1];
    const Typeface bold(kBoldFontSource), regular(kRegularFontSource);
    if (!bold.Ok() || !regular.Ok()) {
        std::fprintf(stderr, "quillox_assetgen: cannot open the fonts in %s\n",
                     QUILLOX_FONT_SOURCE_DIR);
        return 1;
    }
    if (argc == 4) {
        if (std::string(argv[2]) != "--contact-sheet") return Usage();
        if (!ContactSheet(dataDir, regular).Write(argv[3])) {
            std::fprintf(stderr, "quillox_assetgen: contact sheet incomplete: %s\n", argv[3]);
            return 1;
        }
        return 0;
    }
    std::error_code ec;
    std::filesystem::create_directories(dataDir, ec);
    for (std::string_view folder : kFolders) {
        std::filesystem::create_directories(dataDir + "/" + std::string(folder), ec);
        if (ec) {
            std::fprintf(stderr, "quillox_assetgen: cannot create %s/%s\n", dataDir.c_str(),
                         std::string(folder).c_str());
            return 1;
        }
    }
    const auto start = std::chrono::steady_clock::now();
    AssetWriter out(dataDir, bold, regular);
    const Typeface script(kScriptFontSource);
    std::vector<std::string> poErrors;
    out.SetLanguages(LoadCatalogues(QUILLOX_PO_DIR, poErrors), script.Ok() ? &script : nullptr);
    for (const std::string& e : poErrors) out.Fail(e);
    // Every picture the game draws, drawn again at twice the resolution for large screens.
    for (const int scale : {1, 2}) {
        out.SetScale(scale);
        GeneratePieces(out);
        GenerateEffects(out);
        GenerateMachine(out);
        GenerateScreens(out);
        GeneratePanels(out);
        GenerateButtons(out);
        GenerateFonts(out);
    }
    // The desktop's icons come in sizes of their own.
    out.SetScale(1);
    GenerateIcons(out);
    GenerateTextFiles(out);
    GenerateSounds(out);
    GenerateMusic(out);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    for (const std::string& e : out.Errors())
        std::fprintf(stderr, "quillox_assetgen: %s\n", e.c_str());
    std::printf("quillox_assetgen: %d files in %s (%.1f s)\n", out.FilesWritten(), dataDir.c_str(),
                seconds);
    return out.Errors().empty() ? 0 : 1;
}
