// A TrueType face loaded through FreeType and handed to Cairo for drawing text, so the
// pictures never depend on which fonts the desktop happens to configure.
#pragma once

#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>

namespace quillox::assets {

class Typeface {
public:
    explicit Typeface(const std::string& path);
    Typeface(const Typeface&) = delete;
    Typeface& operator=(const Typeface&) = delete;
    ~Typeface();

    bool Ok() const { return cairoFace_ != nullptr; }
    FT_Face Face() const { return face_; }
    cairo_font_face_t* CairoFace() const { return cairoFace_; }

private:
    FT_Face face_ = nullptr;
    cairo_font_face_t* cairoFace_ = nullptr;
};

}  // namespace quillox::assets
