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

    // The manifest entry of a picture; records an error when the name is not listed.
    const ImageAsset& Image(std::string_view folder, std::string_view name);
    // Writes Data/<folder>/<name>.png after checking its size against the manifest; with a
    // language code, the picture drawn in that language, Data/<folder>/<language>/<name>.png.
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
};

}  // namespace quillox::assets
