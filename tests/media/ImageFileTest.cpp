// Loading pictures from files: PNG and JPEG, animation strips, damaged files.
#include <gtest/gtest.h>

#include <jpeglib.h>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include "TestFiles.h"
#include "media/Media.h"

namespace {

using media::Image;
using media::Pixmap;
using media_test::WriteBytes;

Pixmap Pattern(int w, int h) {
    Pixmap p;
    p.width = p.pitch = w;
    p.height = h;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            p.pixels.push_back(static_cast<std::uint32_t>((x * 37 + y * 11) & 0xFF) << 24 |
                               static_cast<std::uint32_t>(x * 8) << 16 |
                               static_cast<std::uint32_t>(y * 8) << 8 | 0x5Au);
        }
    }
    return p;
}

std::vector<std::uint8_t> EncodeJpeg(int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(w);
    info.image_height = static_cast<JDIMENSION>(h);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(w) * 3);
    for (int x = 0; x < w; ++x) {
        row[static_cast<size_t>(x) * 3] = r;
        row[static_cast<size_t>(x) * 3 + 1] = g;
        row[static_cast<size_t>(x) * 3 + 2] = b;
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<std::uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

TEST(ImageFileTest, PngRoundTripKeepsEveryPixelAndAlpha) {
    TempFolder folder("png");
    const Pixmap original = Pattern(23, 17);
    const std::vector<std::uint8_t> png = media::EncodePNG(original);
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(png[1], 'P');
    WriteBytes(folder / "shot.png", png);

    const Image image = media::LoadImageFile(folder / "shot.png", 0);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(media::ImageWidth(image), 23);
    EXPECT_EQ(media::ImageHeight(image), 17);
    EXPECT_EQ(media::ImageFrames(image), 1);
    EXPECT_EQ(media::LockImage(image, 0)->pixels, original.pixels);

    Pixmap wide = Pattern(4, 2);  // rows longer than the picture are skipped over
    wide.pitch = 3;
    wide.width = 3;
    wide.pixels.resize(6);
    EXPECT_FALSE(media::EncodePNG(wide).empty());
    EXPECT_TRUE(media::EncodePNG(Pixmap{}).empty());
}

TEST(ImageFileTest, DamagedOrMissingFilesGiveNoImage) {
    TempFolder folder("damaged");
    const std::vector<std::uint8_t> png = media::EncodePNG(Pattern(64, 64));
    WriteBytes(folder / "cut.png", {png.begin(), png.begin() + static_cast<long>(png.size() / 2)});
    EXPECT_EQ(media::LoadImageFile(folder / "cut.png", -1), nullptr);

    std::vector<std::uint8_t> scrambled = png;
    for (size_t i = 40; i < scrambled.size(); i += 7) scrambled[i] ^= 0x5A;
    WriteBytes(folder / "scrambled.png", scrambled);
    EXPECT_EQ(media::LoadImageFile(folder / "scrambled.png", -1), nullptr);

    const std::vector<std::uint8_t> jpeg = EncodeJpeg(32, 32, 10, 20, 30);
    WriteBytes(folder / "cut.jpg",
               {jpeg.begin(), jpeg.begin() + static_cast<long>(jpeg.size() / 2)});
    EXPECT_EQ(media::LoadImageFile(folder / "cut.jpg", -1), nullptr);

    WriteBytes(folder / "text.png", {'h', 'e', 'l', 'l', 'o'});
    EXPECT_EQ(media::LoadImageFile(folder / "text.png", -1), nullptr);
    WriteBytes(folder / "empty.png", {});
    EXPECT_EQ(media::LoadImageFile(folder / "empty.png", -1), nullptr);
    EXPECT_EQ(media::LoadImageFile(folder / "missing.png", -1), nullptr);
    EXPECT_EQ(media::LoadAnimImageFile(folder / "cut.png", 8, 8, 0, 4, -1), nullptr);
}

TEST(ImageFileTest, JpegLoadsOpaque) {
    TempFolder folder("jpeg");
    WriteBytes(folder / "photo.jpg", EncodeJpeg(16, 8, 200, 100, 50));
    const Image image = media::LoadImageFile(folder / "photo.jpg", -1);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(media::ImageWidth(image), 16);
    EXPECT_EQ(media::ImageHeight(image), 8);
    const std::uint32_t p = media::LockImage(image, 0)->At(5, 5);
    EXPECT_EQ(p >> 24, 0xFFu);
    EXPECT_NEAR(static_cast<int>((p >> 16) & 0xFF), 200, 4);
    EXPECT_NEAR(static_cast<int>((p >> 8) & 0xFF), 100, 4);
    EXPECT_NEAR(static_cast<int>(p & 0xFF), 50, 4);
}

TEST(ImageFileTest, AnimationStripsAreCutRowByRow) {
    TempFolder folder("anim");
    // A 3 x 2 sheet of 4 x 4 cells, each cell filled with its own number.
    Pixmap sheet;
    sheet.width = sheet.pitch = 12;
    sheet.height = 8;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 12; ++x) {
            sheet.pixels.push_back(0xFF000000u | static_cast<std::uint32_t>((y / 4) * 3 + x / 4));
        }
    }
    WriteBytes(folder / "strip.png", media::EncodePNG(sheet));

    const Image image = media::LoadAnimImageFile(folder / "strip.png", 4, 4, 2, 3, -1);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(media::ImageFrames(image), 3);
    EXPECT_EQ(media::ImageWidth(image), 4);
    for (int f = 0; f < 3; ++f) {
        EXPECT_EQ(media::LockImage(image, f)->At(1, 2) & 0xFF, static_cast<unsigned>(2 + f));
    }
    EXPECT_EQ(media::LoadAnimImageFile(folder / "strip.png", 4, 4, 4, 3, -1), nullptr)
        << "asks for a seventh cell";
    EXPECT_EQ(media::LoadAnimImageFile(folder / "strip.png", 0, 4, 0, 1, -1), nullptr);
}

TEST(ImageFileTest, HandlesAndAutoMidHandle) {
    TempFolder folder("handle");
    WriteBytes(folder / "Pic.png", media::EncodePNG(Pattern(10, 6)));
    const Image plain = media::LoadImageFile(folder / "pic.PNG", -1);
    ASSERT_NE(plain, nullptr) << "found whatever the case of its name";
    float x = -1, y = -1;
    media::GetImageHandle(plain, x, y);
    EXPECT_EQ(x, 0.0f);

    media::AutoMidHandle(true);
    const Image centred = media::LoadImageFile(folder / "Pic.png", -1);
    media::AutoMidHandle(false);
    media::GetImageHandle(centred, x, y);
    EXPECT_EQ(x, 5.0f);
    EXPECT_EQ(y, 3.0f);
}

}  // namespace
