#include "platform/print/builtin_pictures.h"

#include <gtest/gtest.h>

#include <set>

namespace oltoma::platform {
namespace {

struct BuiltinCase {
    const char* name;
    int width;
    int height;
    bool monochrome;
};

TEST(BuiltinPictures, SizesAndColoursAsDocumented) {
    const BuiltinCase cases[] = {{"PrBildres0", 236, 173, true},
                                 {"PrBildres1", 380, 220, false},
                                 {"PrBildres2", 300, 150, true},
                                 {"PrBildres3", 32, 32, true},
                                 {"PrBildres4", 160, 160, false}};
    for (const BuiltinCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Picture picture = BuiltinPictureNamed(c.name);
        EXPECT_EQ(picture.width(), c.width);
        EXPECT_EQ(picture.height(), c.height);
        const std::set<std::uint32_t> colours(picture.pixels().begin(), picture.pixels().end());
        EXPECT_GE(colours.size(), 2u) << "a picture of one colour shows nothing";
        if (c.monochrome) {
            EXPECT_EQ(colours, (std::set<std::uint32_t>{0xFF000000, 0xFFFFFFFF}));
        }
    }
}

TEST(BuiltinPictures, UnknownNamesAreEmpty) {
    for (const char* name : {"PrBildres5", "PrBildres", "prbildres0", "PrBildres00", ""}) {
        EXPECT_TRUE(BuiltinPictureNamed(name).empty()) << name;
    }
    EXPECT_TRUE(BuiltinPicture(-1).empty());
}

}  // namespace
}  // namespace oltoma::platform
