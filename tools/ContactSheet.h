// Lays every generated picture onto one labelled sheet for a quick look at the whole set.
#pragma once

#include <string>

#include "Typeface.h"

namespace quillox::assets {

class ContactSheet {
public:
    ContactSheet(std::string dataDir, const Typeface& labelFace)
        : dataDir_(std::move(dataDir)), labelFace_(labelFace) {}

    // Writes the sheet; false when it cannot be written or a picture is missing.
    [[nodiscard]] bool Write(const std::string& path) const;

private:
    std::string dataDir_;
    const Typeface& labelFace_;
};

}  // namespace quillox::assets
