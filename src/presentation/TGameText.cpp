#include "presentation/TGameText.h"

#include "presentation/TPresentationContext.h"
#include "system/CheckedLoaders.h"
#include "system/ReportError.h"

std::shared_ptr<TGameText> TGameText::Create(const std::string& file) {
    auto text = std::make_shared<TGameText>();
    text->Read(file);
    return text;
}

void TGameText::Read(const std::string& file) {
    const std::string folder = PresentationContext().TextPath;
    if (!ReadText(OpenFileChecked(folder + file))) {
        ReportError("[" + HeaderName + "] header hot found", true);
    }
}
