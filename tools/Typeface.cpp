#include "Typeface.h"

#include <cairo-ft.h>

namespace quillox::assets {
namespace {

// One FreeType library for the whole run: Cairo may release a face only after the last
// picture using it is gone, so the library must outlive every face.
FT_Library Library() {
    static FT_Library library = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0) l = nullptr;
        return l;
    }();
    return library;
}

const cairo_user_data_key_t kFaceKey{};

}  // namespace

Typeface::Typeface(const std::string& path) {
    FT_Library library = Library();
    if (library == nullptr || FT_New_Face(library, path.c_str(), 0, &face_) != 0) {
        face_ = nullptr;
        return;
    }
    cairoFace_ = cairo_ft_font_face_create_for_ft_face(face_, 0);
    // Cairo frees the FreeType face when its own face dies, which may be after this object.
    cairo_font_face_set_user_data(cairoFace_, &kFaceKey, face_,
                                  [](void* f) { FT_Done_Face(static_cast<FT_Face>(f)); });
}

Typeface::~Typeface() {
    if (cairoFace_ != nullptr) cairo_font_face_destroy(cairoFace_);
}

}  // namespace quillox::assets
