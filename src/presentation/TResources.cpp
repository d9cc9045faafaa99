#include "presentation/TResources.h"

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
    FontTutorial = LoadFontChecked(fontFolder + "tut.ttf", 16, media::SMOOTHFONT);
    FontTutorialSmall = LoadFontChecked(fontFolder + "tut.ttf", 12, media::SMOOTHFONT);
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
