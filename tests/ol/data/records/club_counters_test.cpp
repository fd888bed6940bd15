#include "ol/data/records/club_counters.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace oltoma::ol {
namespace {

struct Case {
    const char* designation;
    bool open;
    const char* firstName;
    std::int32_t clubRc;
    int sign;
    int counter;  // index into EntryCounters; -1: nothing may change
    int delta;
};

TEST(ClubCounters, CountsTheEntryInTheClubAndTheTotals) {
    const Case cases[] = {
        {"H21E", false, "Anna Svensson", 1, +1, 0, 1},
        {"D14", false, "Eva Berg", 900, +1, 1, 1},
        {"H35", false, "Per Ek", 17, -1, 2, -1},
        {"H21E", true, "Per Ek/Ola Ek", 5, +1, 3, 2},  // a pair counts twice
        {"INS", true, "Lisa/Kalle", 5, -1, 4, -2},
        {"DIR", true, "Ola Ek", 5, +1, 5, 1},
        // Club numbers outside the table change nothing.
        {"H21E", false, "Per Ek", 0, +1, -1, 0},
        {"H21E", false, "Per Ek", 901, +1, -1, 0},
        {"H21E", false, "Per Ek", -3, +1, -1, 0},
    };
    InfoRec competition;
    ClearInfoRec(competition);
    for (const Case& c : cases) {
        auto table = std::make_unique<CmpClubRec>();
        ClearCmpClubRec(*table, competition);
        table->Clubs[0].EntryCounters[2] = 40;
        auto before = std::make_unique<CmpClubRec>(*table);

        DeltRec participant;
        ClearDeltRec(participant, competition);
        participant.Oppen = c.open ? 1 : 0;
        participant.Namn[0] = c.firstName;
        participant.ClubRc = c.clubRc;

        const bool counted = CountClubEntry(*table, participant, c.designation, c.sign);
        EXPECT_EQ(counted, c.counter >= 0) << c.designation << " club " << c.clubRc;
        if (c.counter >= 0) {
            EXPECT_EQ(table->Clubs[c.clubRc].EntryCounters[c.counter],
                      before->Clubs[c.clubRc].EntryCounters[c.counter] + c.delta)
                << c.designation;
            EXPECT_EQ(table->Clubs[0].EntryCounters[c.counter],
                      before->Clubs[0].EntryCounters[c.counter] + c.delta)
                << c.designation;
            // Nothing else moves.
            table->Clubs[c.clubRc].EntryCounters[c.counter] =
                before->Clubs[c.clubRc].EntryCounters[c.counter];
            table->Clubs[0].EntryCounters[c.counter] = before->Clubs[0].EntryCounters[c.counter];
        }
        EXPECT_EQ(std::memcmp(table.get(), before.get(), sizeof(CmpClubRec)), 0) << c.designation;
    }
}

}  // namespace
}  // namespace oltoma::ol
