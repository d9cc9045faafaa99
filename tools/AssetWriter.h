// Where generated files go: checks every picture against the manifest before writing it and
// remembers failures so the run can report them all and fail once at the end.
#pragma once

#include <string>
#include <vector>

#include "AssetManifest.h"
#include "Canvas.h"
#include "Catalogues.h"
#include "Typeface.h"

namespace quillox::assets {

class AssetWriter {
public:
    AssetWriter(std::string dataDir, const Typeface& bold, const Typeface& regular);

    const std::string& DataDir() const { return dataDir_; }
    const Typeface& Bold() const { return bold_; }
    const Typeface& Regular() const { return regular_; }
    // The shipped translations, and the face of the scripts the others lack (null: none).
    void SetLanguages(std::vector<Catalogue> languages, const Typeface* scriptFallback) {
        languages_ = std::move(languages);
        scriptFallback_ = scriptFallback;
    }
    const std::vector<Catalogue>& Languages() const { return languages_; }
    const Typeface* ScriptFallback() const { return scriptFallback_; }
    // English (null) and then each language, for pictures drawn once per language.
    std::vector<const Catalogue*> Wordings() const;
    // The bold face, or the script face where the bold one lacks a character of `text`.
    cairo_font_face_t* FaceFor(const std::string& text) const;

    // Device pixels per picture pixel of the pictures drawn now: 1 for the ones the game draws
    // on an 800x600 canvas, 2 for their twins with "@2x" before ".png", which it draws on a
    // canvas of twice the resolution. Every canvas is made at this scale; Save refuses others.
    int Scale() const { return scale_; }
    void SetScale(int scale) { scale_ = scale; }
    // Data/<folder>/<name>.png (Data/<folder>/<language>/<name>.png with a language code), or
    // <name>@2x.png at scale 2: where a picture of this scale goes.
    std::string PathOf(std::string_view folder, std::string_view name,
                       std::string_view language = {}) const;

    // The manifest entry of a picture; records an error when the name is not listed.
    const ImageAsset& Image(std::string_view folder, std::string_view name);
    // Writes the picture to PathOf(folder, name, language) after checking its size against the
    // manifest and its scale against this run's.
    void Save(const Canvas& canvas, std::string_view folder, std::string_view name,
              std::string_view language = {});
    // Writes raw bytes to a path below the data folder.
    void SaveBytes(const std::string& relativePath, const std::string& bytes);
    void Fail(const std::string& message);

    const std::vector<std::string>& Errors() const { return errors_; }
    int FilesWritten() const { return written_; }

private:
    std::string dataDir_;
    const Typeface& bold_;
    const Typeface& regular_;
    std::vector<Catalogue> languages_;
    const Typeface* scriptFallback_ = nullptr;
    std::vector<std::string> errors_;
    int written_ = 0;
    int scale_ = 1;
};

}  // namespace quillox::assets
