#include "presentation/TImageBank.h"

#include "presentation/Names.h"
#include "system/ReportError.h"

void TImageBank::SetPath(const std::string& path) {
    Path = FolderPrefix(path);
}

std::shared_ptr<TGameImage> TImageBank::Load(const std::string& file, const std::string& key,
                                             int flags, int midHandle) {
    std::string extension = FileExtension(file);
    if (extension.empty()) extension = Ext;
    auto image = TGameImage::Create(Path + WithoutExtension(file) + extension, flags, midHandle);
    if (!key.empty()) image->name = UpperCase(key);
    Images[image->name] = image;
    return image;
}

std::shared_ptr<TGameImage> TImageBank::LoadAnim(const std::string& file, int cellWidth,
                                                 int cellHeight, int firstCell, int cellCount,
                                                 int flags, int midHandle) {
    auto image = std::make_shared<TGameImage>();
    image->LoadAnim(Path + file + Ext, cellWidth, cellHeight, firstCell, cellCount, flags,
                    midHandle);
    Images[image->name] = image;
    return image;
}

std::shared_ptr<TGameImage> TImageBank::Find(const std::string& name) const {
    const std::string key = UpperCase(name);
    const auto found = Images.find(key);
    if (found == Images.end()) {
        ReportError("Image '" + key + "' was Not found in the ImageBank", true);
        return nullptr;
    }
    return found->second;
}

void TImageBank::Clear() {
    Images.clear();
}
