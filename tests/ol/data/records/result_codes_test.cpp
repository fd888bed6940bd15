#include "ol/data/records/result_codes.h"

#include <gtest/gtest.h>

#include "base/text/windows1252.h"

namespace oltoma::ol {
namespace {

TEST(ResultCodes, EachCodeHasItsTenCharacterWord) {
    struct Case {
        std::int32_t time;
        const char* wordUtf8;  // empty: an ordinary time
    };
    const Case cases[] = {
        {5999939, ""},           {5999940, "FULLFÖLJ  "}, {5999941, "FELSTÄMPL "},
        {5999942, "UTGÅTT    "}, {5999943, "DISKVAL   "}, {5999944, "UPPFLY.   "},
        {5999945, "ÅTERBUD   "}, {5999946, "EJUPPG.   "}, {5999947, "EJSTART   "},
        {5999948, "EJSTART   "}, {5999949, ""},           {0, ""},
        {-5999943, ""},
    };
    for (const Case& c : cases) {
        const std::string expected = Windows1252FromUtf8(c.wordUtf8);
        EXPECT_EQ(IsResultCode(c.time), !expected.empty()) << c.time;
        EXPECT_EQ(ResultCodeWord(c.time), expected) << c.time;
        if (!expected.empty()) {
            EXPECT_EQ(ResultCodeWord(c.time).size(), 10u) << c.time;
        }
    }
    EXPECT_EQ(kEjStartTime, 5999948);
}

}  // namespace
}  // namespace oltoma::ol
