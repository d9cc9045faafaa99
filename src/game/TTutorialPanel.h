#pragma once
// The tutorial's speech box on the play screen: the box, the pointer mirrored toward what it
// teaches, the three lines and the "- click for next -" hint. It remembers what it drew last,
// so that a state dump tells exactly what the player saw.

#include <memory>

#include "game/TTutorialBox.h"
#include "media/Media.h"
#include "presentation/TGameImage.h"
#include "presentation/TImageBank.h"

class JsonObject;
class TLevel;

class TTutorialPanel {
public:
    std::shared_ptr<TGameImage> imgHint;
    std::shared_ptr<TGameImage> imgHintp;
    // The box of the last frame; not shown before the first.
    TTutorialBox Drawn;

    void Load(const TImageBank& images);
    void Kill();
    // `font` is the tutorial font at 16 points, `smallFont` the same at 12.
    void Draw(const TTutorialBox& box, const media::Font& font, const media::Font& smallFont);
    // The tutorial's fields, the box as last drawn, and where the cells and tokens it names
    // are on the screen.
    void AddState(JsonObject& state, const TLevel& level) const;
};
