// One entry point per family of generated files; main runs them all in turn.
#pragma once

#include "AssetWriter.h"

namespace quillox::assets {

void GeneratePieces(AssetWriter& out);     // pieces, preview pieces, tokens, paint and brush
void GenerateEffects(AssetWriter& out);    // explosions, particles, rings, popups, markers
void GenerateMachine(AssetWriter& out);    // the empty globes and the celebration pictures
void GenerateScreens(AssetWriter& out);    // the 800x600 backgrounds and the title ring
void GeneratePanels(AssetWriter& out);     // boxes, pointers, headers, loading screen parts
void GenerateButtons(AssetWriter& out);    // every button with its hover look, the slider
void GenerateFonts(AssetWriter& out);      // the bitmap fonts (at every scale), the typefaces
void GenerateSounds(AssetWriter& out);     // the sound effects
void GenerateMusic(AssetWriter& out);      // the title tune
void GenerateIcons(AssetWriter& out);      // the program's icon at each desktop size
void GenerateTextFiles(AssetWriter& out);  // the default settings file

}  // namespace quillox::assets
