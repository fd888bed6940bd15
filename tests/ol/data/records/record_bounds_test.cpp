// Numbers read from files (record numbers, counts, indexes) never reach
// outside the tables they index.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "ol/data/records/cmp_club_rec.h"
#include "ol/data/records/klass_rec.h"
#include "ol/data/records/record_fields.h"
#include "ol/data/records/record_numbers.h"
#include "ol/data/records/track_rec.h"

namespace oltoma::ol {
namespace {

TEST(RecordBounds, ClubTableRefusesNumbersOutsideItsTables) {
    auto table = std::make_unique<CmpClubRec>();
    EXPECT_EQ(ClubEntryOf(*table, 0), &table->Clubs[0]);
    EXPECT_EQ(ClubEntryOf(*table, 900), &table->Clubs[900]);
    ASSERT_TRUE(SetEntryCount(*table, 900, 3));
    ASSERT_TRUE(AddControlUse(*table, 1, 2));
    ASSERT_TRUE(AddControlUse(*table, 512, -1));
    // Club 900's count and control 1's count are neighbours in the file.
    EXPECT_EQ(table->ClubEntryCount[900], 3);
    EXPECT_EQ(ControlUseOf(*table, 1), 2);
    EXPECT_EQ(ControlUseOf(*table, 512), -1);

    auto before = std::make_unique<CmpClubRec>(*table);
    for (const std::int32_t rc : {-1, 901, 1 << 30, INT32_MIN}) {
        EXPECT_EQ(ClubEntryOf(*table, rc), nullptr) << rc;
        EXPECT_EQ(EntryCountOf(*table, rc), 0) << rc;
        EXPECT_FALSE(SetEntryCount(*table, rc, 1)) << rc;
    }
    for (const std::int32_t rc : {0, -1, 513, INT32_MAX}) {
        EXPECT_EQ(ControlUseOf(*table, rc), 0) << rc;
        EXPECT_FALSE(AddControlUse(*table, rc, 1)) << rc;
    }
    EXPECT_EQ(std::memcmp(table.get(), before.get(), sizeof(CmpClubRec)), 0);
}

TEST(RecordBounds, CountsAndIndexesFromFilesAreLimited) {
    TrackRec course{};
    for (const auto& [antal, count] :
         {std::pair{-4, 0}, {0, 0}, {12, 12}, {35, 35}, {36, 35}, {32767, 35}}) {
        course.Antal = static_cast<std::int16_t>(antal);
        EXPECT_EQ(ControlCount(course), count) << antal;
    }
    course.BanSize[25] = 4200;
    EXPECT_EQ(CourseLength(course, 25), 4200);
    EXPECT_EQ(CourseLength(course, 26), 0);
    EXPECT_EQ(CourseLength(course, -1), 0);
    const TrackRec before = course;
    EXPECT_FALSE(SetCourseLength(course, 26, 1));
    EXPECT_FALSE(SetCourseLength(course, -1, 1));
    EXPECT_EQ(std::memcmp(&course, &before, sizeof course), 0);
    EXPECT_TRUE(SetCourseLength(course, 0, 3500));
    EXPECT_EQ(CourseLength(course, 0), 3500);

    EXPECT_EQ(ClampedDayCount(-1), 0);
    EXPECT_EQ(ClampedDayCount(3), 3);
    EXPECT_EQ(ClampedDayCount(6), 5);

    CountType counts{};
    EXPECT_TRUE(AddToCount(counts, 5, 25, 7));
    EXPECT_EQ(CountAt(counts, 5, 25), 7);
    EXPECT_EQ(counts.cell[155], 7);
    EXPECT_FALSE(AddToCount(counts, 6, 0, 1));
    EXPECT_FALSE(AddToCount(counts, 0, 26, 1));
    EXPECT_FALSE(AddToCount(counts, -1, 0, 1));
    EXPECT_EQ(CountAt(counts, 6, 0), 0);

    KlassRec klass{};
    klass.Struken[5] = 1;
    EXPECT_TRUE(IsStruken(klass, 5));
    EXPECT_FALSE(IsStruken(klass, 0));
    EXPECT_FALSE(IsStruken(klass, 6));
    EXPECT_FALSE(IsStruken(klass, -1));

    EXPECT_TRUE(IsRecordNumberInFile(1, 2));
    EXPECT_FALSE(IsRecordNumberInFile(0, 2));
    EXPECT_FALSE(IsRecordNumberInFile(2, 2));
    EXPECT_FALSE(IsRecordNumberInFile(-7, 2));
}

}  // namespace
}  // namespace oltoma::ol
