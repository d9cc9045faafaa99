#include "presentation/TGameImage.h"

#include "presentation/TPresentationContext.h"

#include "presentation/Names.h"
#include "system/CheckedLoaders.h"
#include "system/StringHelpers.h"

std::shared_ptr<TGameImage> TGameImage::Create(const std::string& path, int flags, int midHandle) {
    auto made = std::make_shared<TGameImage>();
    made->Load(path, flags, midHandle);
    return made;
}

std::shared_ptr<TGameImage> TGameImage::CreateAuto(const std::string& path, int cellWidth,
                                                   int cellHeight, int firstCell, int cellCount,
                                                   int flags, int midHandle) {
    auto made = std::make_shared<TGameImage>();
    if (cellCount < 2) {
        made->Load(path, flags, midHandle);
    } else {
        made->LoadAnim(path, cellWidth, cellHeight, firstCell, cellCount, flags, midHandle);
    }
    return made;
}

std::shared_ptr<TGameImage> TGameImage::CreateFromImage(const media::Image& image,
                                                        const std::string& name, int midHandle) {
    auto made = std::make_shared<TGameImage>();
    made->image = image;
    made->name = name;
    made->GetSize();
    made->MidHandle(midHandle);
    return made;
}

void TGameImage::Load(const std::string& path, int flags, int midHandle) {
    name = BaseNameUpper(path);
    image = LoadImageChecked(InPlayersLanguage(path), flags);
    GetSize();
    MidHandle(midHandle);
}

void TGameImage::LoadAnim(const std::string& path, int cellWidth, int cellHeight, int firstCell,
                          int cellCount, int flags, int midHandle) {
    name = BaseNameUpper(path);
    image = LoadAnimImageChecked(InPlayersLanguage(path), cellWidth, cellHeight, firstCell,
                                 cellCount, flags);
    GetSize();
    MidHandle(midHandle);
}

void TGameImage::GetSize() {
    if (!image) return;
    w = media::ImageWidth(image);
    h = media::ImageHeight(image);
    w2 = static_cast<float>(w / 2);
    h2 = static_cast<float>(h / 2);
}

void TGameImage::MidHandle(int flag) {
    if (!image) return;
    if (flag) {
        media::MidHandleImage(image);
        midhandled = 1;
    } else {
        media::SetImageHandle(image, 0, 0);
        midhandled = 0;
    }
}

int TGameImage::Frames() const {
    return image ? media::ImageFrames(image) : 0;
}
