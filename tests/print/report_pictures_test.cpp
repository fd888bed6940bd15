// Closing pictures of a one-column report: region width W = 1880, right
// edge 2000, row bottom FooterTop = 2581. A 128 x 64 picture of size
// divisor 4 takes (1880 - 8) div 4 = 468 x 234.
#include <turbojpeg.h>

#include <fstream>

#include "report_fixture.h"

namespace oltoma::testing {
namespace {

using Kind = platform::CanvasCall::Kind;
using platform::Rect;

constexpr int kFooterTop = 2581;

void WriteJpeg(const std::string& path, int width, int height) {
    std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * height * 3, 128);
    tjhandle handle = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    ASSERT_EQ(tjCompress2(handle, rgb.data(), width, width * 3, height, TJPF_RGB, &jpeg, &size,
                          TJSAMP_444, 90, 0),
              0);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(jpeg), static_cast<std::streamsize>(size));
    tjFree(jpeg);
    tjDestroy(handle);
}

class ClosingPictures : public ReportFixture {
protected:
    void SetUp() override { WriteJpeg("picture.jpg", 128, 64); }

    void Slot(int i, const char* path, int size) {
        setting->pictures[i].path = path;
        setting->pictures[i].active = 1;
        setting->pictures[i].size = size;
    }

    std::vector<Rect> Frames() const {
        std::vector<Rect> frames;
        for (const platform::CanvasCall& call : CallsOf(Kind::FrameRect)) {
            frames.push_back(call.rect);
        }
        return frames;
    }

    static Rect Place(int x, int y) { return {x, y, x + 468, y + 234}; }
};

TEST_F(ClosingPictures, LaidRightToLeftInRowsGrowingUpwards) {
    for (int i = 0; i < 5; ++i) {
        Slot(i, "picture.jpg", 4);
    }
    ASSERT_TRUE(Open(1));
    WriteLine("one line of text");
    PrintClosingPictures();
    const int row1 = kFooterTop - 234 - 2;
    const int row2 = row1 - 234 - 2;
    EXPECT_EQ(Frames(), (std::vector<Rect>{Place(1530, row1), Place(1060, row1), Place(590, row1),
                                           Place(120, row1), Place(1530, row2)}));
    const auto stretched = CallsOf(Kind::StretchDraw);
    ASSERT_EQ(stretched.size(), 5u);
    EXPECT_EQ(stretched[0].rect, (Rect{1531, row1 + 1, 1530 + 467, row1 + 233}));
    EXPECT_EQ(stretched[0].pictureSize, (platform::Size{128, 64}));
}

TEST_F(ClosingPictures, PictureAboveTheLastTextIsSkippedAndTheRestTried) {
    Slot(0, "picture.jpg", 4);
    Slot(1, "picture.jpg", 1);  // 1878 x 939: a new row reaching far above the text
    Slot(2, "picture.jpg", 4);
    Slot(3, "picture.jpg", 4);
    ASSERT_TRUE(Open(1));
    for (int i = 0; i < 44; ++i) {
        ReserveLines("t", 1);
        WriteLine("text");
    }
    ASSERT_EQ(CurY(), 240 + 44 * 44);
    PrintClosingPictures();
    const int row1 = kFooterTop - 234 - 2;
    EXPECT_EQ(Frames(),
              (std::vector<Rect>{Place(1530, row1), Place(1060, row1), Place(590, row1)}));
    EXPECT_EQ(PageNumber(), 1) << "no page is started for a picture";
}

TEST_F(ClosingPictures, MissingFileIsReplacedByTheBuiltInPicture) {
    Slot(2, "no-such-picture.bmp", 4);
    Slot(3, "picture.jpg", 4);
    ASSERT_TRUE(Open(1));
    PrintClosingPictures();
    const auto stretched = CallsOf(Kind::StretchDraw);
    ASSERT_EQ(stretched.size(), 2u);
    EXPECT_EQ(stretched[0].pictureSize, (platform::Size{300, 150})) << "PrBildres2";
    EXPECT_EQ(stretched[1].pictureSize, (platform::Size{128, 64}));
    ASSERT_EQ(dialog.statuses.size(), 2u);
    EXPECT_EQ(dialog.statuses[0], (std::pair<int, std::string>{5, "PrBildres2"}));
    EXPECT_EQ(dialog.statuses[1], (std::pair<int, std::string>{5, "picture.jpg"}));
}

TEST_F(ClosingPictures, InactiveSlotsAndAnUnreadableFileDrawNothing) {
    Slot(0, "picture.jpg", 4);
    setting->pictures[0].active = 0;
    std::ofstream("broken.jpg") << "not a picture";
    Slot(1, "broken.jpg", 4);
    ASSERT_TRUE(Open(1));
    PrintClosingPictures();
    EXPECT_TRUE(Frames().empty());
}

TEST_F(ClosingPictures, FullColumnSendsPicturesToTheNextEmptyColumn) {
    Slot(0, "picture.jpg", 2);
    ASSERT_TRUE(Open(2));  // column width 916: the picture is (916 - 4) div 2 = 456 wide
    while (UsedHeight() < 2300) {
        ReserveLines("t", 1);
        WriteLine("text");
    }
    ASSERT_EQ(CurrentColumn(), 1);
    PrintClosingPictures();
    const auto frames = Frames();
    ASSERT_EQ(frames.size(), 1u);
    const int column2Right = 120 + 916 + 47 + 916;
    EXPECT_EQ(frames[0].left, column2Right - 456 - 2);
    EXPECT_EQ(frames[0].right - frames[0].left, 456);
}

TEST_F(ReportFixture, DrawBitmapScaledMovesTheCursorPastThePicture) {
    ASSERT_TRUE(Open(1));
    const platform::Picture picture(48, 72);
    DrawBitmapScaled(picture, 3, 2);
    const auto stretched = CallsOf(Kind::StretchDraw);
    ASSERT_EQ(stretched.size(), 1u);
    EXPECT_EQ(stretched[0].rect, (Rect{120, 240, 120 + 144, 240 + 144}));
    EXPECT_EQ(CurX(), 120 + 145);
    EXPECT_EQ(CurY(), 240);
    DrawBitmapScaled(platform::Picture(), 1, 1);
    EXPECT_EQ(CurX(), 120 + 145);
}

}  // namespace
}  // namespace oltoma::testing
