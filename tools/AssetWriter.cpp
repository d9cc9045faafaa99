#include "AssetWriter.h"

#include <filesystem>
#include <fstream>

namespace quillox::assets {

AssetWriter::AssetWriter(std::string dataDir, const Typeface& bold, const Typeface& regular)
    : dataDir_(std::move(dataDir)), bold_(bold), regular_(regular) {}

const ImageAsset& AssetWriter::Image(std::string_view folder, std::string_view name) {
    static const ImageAsset kUnknown{"", "", 1, 1, 1};
    const ImageAsset* a = FindImage(folder, name);
    if (a == nullptr) {
        Fail("picture not in the manifest: " + std::string(folder) + "/" + std::string(name));
        return kUnknown;
    }
    return *a;
}

std::string AssetWriter::PathOf(std::string_view folder, std::string_view name,
                                std::string_view language) const {
    std::string dir = folder.empty() ? std::string() : std::string(folder) + "/";
    if (!language.empty()) dir += std::string(language) + "/";
    return dataDir_ + "/" + dir + std::string(name) +
           (scale_ == 1 ? "" : "@" + std::to_string(scale_) + "x") + ".png";
}

void AssetWriter::Save(const Canvas& canvas, std::string_view folder, std::string_view name,
                       std::string_view language) {
    const ImageAsset& a = Image(folder, name);
    const std::string path = PathOf(folder, name, language);
    const std::string rel = path.substr(dataDir_.size() + 1);
    if (!language.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    }
    if (canvas.Scale() != scale_) {
        Fail(rel + " drawn at scale " + std::to_string(canvas.Scale()) + ", not " +
             std::to_string(scale_));
        return;
    }
    if (canvas.Width() != a.Width() || canvas.Height() != a.Height()) {
        Fail(rel + " drawn at " + std::to_string(canvas.Width()) + "x" +
             std::to_string(canvas.Height()) + ", manifest says " + std::to_string(a.Width()) +
             "x" + std::to_string(a.Height()));
        return;
    }
    if (!canvas.SavePng(path)) {
        Fail("cannot write " + rel);
        return;
    }
    ++written_;
}

void AssetWriter::SaveBytes(const std::string& relativePath, const std::string& bytes) {
    std::ofstream out(dataDir_ + "/" + relativePath, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        Fail("cannot write " + relativePath);
        return;
    }
    ++written_;
}

std::vector<const Catalogue*> AssetWriter::Wordings() const {
    std::vector<const Catalogue*> all = {nullptr};
    for (const Catalogue& c : languages_) all.push_back(&c);
    return all;
}

cairo_font_face_t* AssetWriter::FaceFor(const std::string& text) const {
    for (int code : CodePoints(text)) {
        if (FT_Get_Char_Index(bold_.Face(), static_cast<FT_ULong>(code)) == 0 &&
            scriptFallback_ != nullptr) {
            return scriptFallback_->CairoFace();
        }
    }
    return bold_.CairoFace();
}

void AssetWriter::Fail(const std::string& message) {
    errors_.push_back(message);
}

}  // namespace quillox::assets
