#include "ol/reports/result_text.h"

#include <gtest/gtest.h>

#include "base/text/windows1252.h"
#include "ol/data/records/info_rec.h"

namespace oltoma::ol {
namespace {

KlassRec ClassWithCancelledStage(int stage) {
    InfoRec competition{};
    ClearInfoRec(competition);
    KlassRec klass{};
    ClearKlassRec(klass, competition);
    if (stage >= 0) {
        klass.Struken[stage] = true;
    }
    return klass;
}

TEST(ResultText, TimesCodesAndCancelledStages) {
    struct Case {
        int cancelledStage;  // -1: none
        int form;
        std::int32_t seconds;
        int stage;
        const char* expectedUtf8;
    };
    const Case cases[] = {
        {-1, 4, 2730, 1, "045:30  "},      {-1, 4, 2700, 1, "045:00  "},
        {-1, 3, 2700, 1, "0045:00  "},     {-1, 6, 3600, 1, "01:00:00  "},
        {-1, 2, 2700, 1, "000045  "},      {-1, 4, 5999941, 1, "FELSTÄMPL "},
        {-1, 4, 5999948, 1, "EJSTART   "}, {2, 4, 2730, 2, "Struken"},
        {2, 4, 5999941, 2, "Struken"},     {2, 4, 2730, 1, "045:30  "},
        {-1, 4, 2730, 9, "045:30  "},
    };
    for (const Case& c : cases) {
        const KlassRec klass = ClassWithCancelledStage(c.cancelledStage);
        EXPECT_EQ(ResultText(klass, c.form, c.seconds, c.stage),
                  Windows1252FromUtf8(c.expectedUtf8))
            << c.form << " " << c.seconds << " " << c.stage;
    }
}

}  // namespace
}  // namespace oltoma::ol
