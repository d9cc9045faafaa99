#pragma once
// The images, sounds, fonts and particle lists the screens share, with one owner: start-up
// makes one, loads it once the display is open, hands it by reference to the screens that draw
// with it, and unloads it before the media layer shuts down (the destructor unloads what is
// still held). Unload releases in the reverse order of loading.

#include <memory>
#include <string>

#include "media/Media.h"
#include "presentation/TBitmapFont.h"
#include "presentation/TImageBank.h"
#include "presentation/TParticleList.h"
#include "presentation/TSoundBank.h"

class TResources {
public:
    TResources() = default;
    TResources(const TResources&) = delete;
    TResources& operator=(const TResources&) = delete;
    ~TResources();

    TImageBank ImageBank;
    TSoundBank SoundBank;
    // "font_lg" and "font_md"; null until LoadFonts.
    std::shared_ptr<TBitmapFont> FontLarge;
    std::shared_ptr<TBitmapFont> FontMedium;
    // The tutorial's TrueType font "tut.ttf" at 16 and 12 points; empty until LoadFonts.
    media::Font FontTutorial;
    media::Font FontTutorialSmall;
    // The particle lists of the play screen's effects.
    TParticleList DrainParticles, ScoreParticles, RingParticles, BurstParticles, SurfaceParticles,
        TrailParticles, ExtraParticles;

    // The folders the banks load from, each ending in "/".
    void SetPaths(const std::string& imagePath, const std::string& soundPath);
    // The bitmap fonts and the tutorial's font of `fontFolder` (ending in "/"); a missing font
    // is fatal.
    void LoadFonts(const std::string& fontFolder);
    // The tutorial's face for `language` (a code): "tut-CODE.ttf" where the language has a face
    // of its own (one with its script), else "tut.ttf".
    void LoadTutorialFont(const std::string& fontFolder, const std::string& language);
    // Drops every particle, then the fonts, the sounds and the images.
    void Unload();
};
