#include "platform/print/jpeg_decoder.h"

#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <cstdlib>
#include <fstream>

#include "platform/print/picture_loader.h"

namespace oltoma::platform {
namespace {

// A 16 x 8 fixture of two flat 8 x 8 blocks, red and blue, compressed at the
// highest quality without chroma subsampling, so every decoded pixel lies
// within a few steps of its block's colour.
std::vector<unsigned char> RedBlueJpeg() {
    std::vector<unsigned char> rgb(16 * 8 * 3);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) {
            unsigned char* p = &rgb[(y * 16 + x) * 3];
            p[0] = x < 8 ? 220 : 20;
            p[1] = 30;
            p[2] = x < 8 ? 40 : 200;
        }
    }
    tjhandle handle = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    EXPECT_EQ(
        tjCompress2(handle, rgb.data(), 16, 16 * 3, 8, TJPF_RGB, &jpeg, &size, TJSAMP_444, 100, 0),
        0);
    std::vector<unsigned char> bytes(jpeg, jpeg + size);
    tjFree(jpeg);
    tjDestroy(handle);
    return bytes;
}

void ExpectNear(std::uint32_t argb, int r, int g, int b) {
    EXPECT_EQ(argb >> 24, 0xFFu);
    EXPECT_NEAR(static_cast<int>((argb >> 16) & 0xFF), r, 3);
    EXPECT_NEAR(static_cast<int>((argb >> 8) & 0xFF), g, 3);
    EXPECT_NEAR(static_cast<int>(argb & 0xFF), b, 3);
}

TEST(JpegDecoder, DecodesSizeAndPixels) {
    const std::vector<unsigned char> jpeg = RedBlueJpeg();
    const Picture picture = DecodeJpeg(jpeg.data(), jpeg.size());
    ASSERT_EQ(picture.width(), 16);
    ASSERT_EQ(picture.height(), 8);
    for (const auto& [x, y] : {std::pair{0, 0}, {7, 7}, {3, 4}}) {
        ExpectNear(picture.Pixel(x, y), 220, 30, 40);
    }
    for (const auto& [x, y] : {std::pair{8, 0}, {15, 7}, {12, 3}}) {
        ExpectNear(picture.Pixel(x, y), 20, 30, 200);
    }
}

TEST(JpegDecoder, LoadsFileByExtensionInAnyCase) {
    const std::vector<unsigned char> jpeg = RedBlueJpeg();
    std::ofstream("fixture.JpEg", std::ios::binary)
        .write(reinterpret_cast<const char*>(jpeg.data()),
               static_cast<std::streamsize>(jpeg.size()));
    const Picture picture = LoadPictureFile("fixture.JpEg");
    EXPECT_EQ(picture.width(), 16);
    EXPECT_EQ(picture.height(), 8);
}

TEST(JpegDecoder, BadDataGivesEmptyPicture) {
    std::vector<unsigned char> truncated = RedBlueJpeg();
    truncated.resize(truncated.size() / 3);
    const unsigned char garbage[] = {0xFF, 0xD8, 0xFF, 0x00, 1, 2, 3};
    EXPECT_TRUE(DecodeJpeg(truncated.data(), truncated.size()).empty());
    EXPECT_TRUE(DecodeJpeg(garbage, sizeof garbage).empty());
    EXPECT_TRUE(DecodeJpeg(nullptr, 0).empty());
    EXPECT_TRUE(LoadPictureFile("missing.jpg").empty());
    EXPECT_TRUE(LoadPictureFile("no-reader-bound.bmp").empty());
}

TEST(JpegDecoder, ExtensionRule) {
    EXPECT_TRUE(HasJpegExtension("a/b.jpg"));
    EXPECT_TRUE(HasJpegExtension("B.JPEG"));
    EXPECT_FALSE(HasJpegExtension("a.jpg.bmp"));
    EXPECT_FALSE(HasJpegExtension("dir.jpg/file"));
    EXPECT_FALSE(HasJpegExtension("jpg"));
}

}  // namespace
}  // namespace oltoma::platform
