#include "presentation/TResources.h"

#include <filesystem>

#include "media/Platform.h"

#include "system/CheckedLoaders.h"

TResources::~TResources() {
    Unload();
}

void TResources::SetPaths(const std::string& imagePath, const std::string& soundPath) {
    ImageBank.SetPath(imagePath);
    SoundBank.SetPath(soundPath);
}

void TResources::LoadFonts(const std::string& fontFolder) {
    FontLarge = TBitmapFont::Create(fontFolder + "font_lg", -1);
    FontMedium = TBitmapFont::Create(fontFolder + "font_md", -1);
    LoadTutorialFont(fontFolder, "");
}

void TResources::LoadTutorialFont(const std::string& fontFolder, const std::string& language) {
    std::string face = fontFolder + "tut.ttf";
    std::error_code error;
    if (const std::string own = fontFolder + "tut-" + language + ".ttf";
        !language.empty() && std::filesystem::exists(media::ResolvePath(own), error)) {
        face = own;
    }
    FontTutorial = LoadFontChecked(face, 16, media::SMOOTHFONT);
    FontTutorialSmall = LoadFontChecked(face, 12, media::SMOOTHFONT);
}

void TResources::Unload() {
    for (TParticleList* list :
         {&ExtraParticles, &TrailParticles, &SurfaceParticles, &BurstParticles, &RingParticles,
          &ScoreParticles, &DrainParticles}) {
        list->KillAll();
    }
    FontTutorialSmall.reset();
    FontTutorial.reset();
    FontMedium.reset();
    FontLarge.reset();
    SoundBank.Clear();
    ImageBank.Clear();
}
