#pragma once
// The typefaces the generator draws text with and ships, kept in tools/fonts with their
// licences so that the data comes out the same on any build machine.

namespace quillox::assets {

inline constexpr const char* kBoldFontSource = QUILLOX_FONT_SOURCE_DIR "DejaVuSans-Bold.ttf";
inline constexpr const char* kRegularFontSource = QUILLOX_FONT_SOURCE_DIR "DejaVuSans.ttf";
inline constexpr const char* kDejaVuLicenceSource = QUILLOX_FONT_SOURCE_DIR "DejaVu-LICENSE.txt";
// The tutorial box holds lines of up to 27 characters at 16 pixels beside a pointer that the
// play screen places 227 pixels right of the box's corner; a narrow face keeps the longest
// line near 160 pixels, so box and pointer do not crowd each other.
inline constexpr const char* kTutorialFontSource =
    QUILLOX_FONT_SOURCE_DIR "LiberationSansNarrow-Regular.ttf";
inline constexpr const char* kTutorialLicenceSource =
    QUILLOX_FONT_SOURCE_DIR "Liberation-LICENSE.txt";

// Chinese characters: WenQuanYi Micro Hei cut down to the characters the translations use
// (scripts/subset-cjk-font.sh makes it from Debian's fonts-wqy-microhei), for the bitmap
// fonts, the captions and the tutorial of the languages whose script the faces above lack.
inline constexpr const char* kScriptFontSource =
    QUILLOX_FONT_SOURCE_DIR "WenQuanYiMicroHei-Subset.ttf";
inline constexpr const char* kScriptLicenceSource =
    QUILLOX_FONT_SOURCE_DIR "WenQuanYiMicroHei-LICENSE.txt";

}  // namespace quillox::assets
