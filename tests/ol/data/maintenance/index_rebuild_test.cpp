#include "ol/data/maintenance/index_rebuild.h"

#include <gtest/gtest.h>

#include <functional>

#include "base/text/number_format.h"
#include "file_set_fixture.h"
#include "ol/data/files/file_formats.h"
#include "ol/data/files/fileblock_handles.h"
#include "ol/data/maintenance/data_file_records.h"
#include "ol/data/maintenance/file_set_check.h"
#include "ol/data/records/real48.h"
#include "ol/data/records/result_codes.h"
#include "storage/fault_injection.h"
#include "storage/file_primitives.h"

namespace oltoma::ol {
namespace {

using platform::MessageResult;

// Clubs ALFA, BETA (deleted), ÖÖÖ and DELTA; classes H21E (deleted), D16 and
// H40; participants 1 (ALFA, D16), 2 (BETA, H40, a pair in an open class), 3
// (deleted) and 4 (DELTA, H40); controls 31, 32 (deleted), 33; courses A
// (31 33), B (deleted) and C (33 and the unknown 99). Counters hold
// leftovers that the rebuild must replace.
class Rebuild : public testing::FileSetTest {
protected:
    void SetUp() override {
        FileSetTest::SetUp();
        AddClub("Alfa OK");
        AddClub("Beta IF");
        AddClub("ÖÖÖ okänd klubb");
        AddClub("Delta SK");
        DeleteClub(2);
        ASSERT_EQ(NewCompetition("Test"), 1);

        AddClass("H21E");
        AddClass("D16");
        AddClass("H40");
        DeleteClass(1);
        KlassRec h40;
        storage::GetRec(Ol().classFile, 3, &h40);
        h40.FrstStTid[0] = 3600;
        AddToCount(h40.Count, 0, 0, 50);
        storage::PutRec(Ol().classFile, 3, &h40);

        AddParticipant(1, 1, 2, "Anna");
        AddParticipant(2, 2, 3, "Bo/Berit");
        AddParticipant(3, 4, 2);
        const std::int32_t fourth = AddParticipant(4, 4, 3, "Dan");
        DeleteParticipant(3);
        DeltRec participant;
        storage::GetRec(Ol().participantFile, 2, &participant);
        participant.Oppen = 1;
        storage::PutRec(Ol().participantFile, 2, &participant);
        storage::GetRec(Ol().participantFile, fourth, &participant);
        participant.StTid[0] = 120;
        storage::PutRec(Ol().participantFile, fourth, &participant);

        CmpClubRec& table = Ol().clubTable;
        DoubleToReal48(150.5, table.Clubs[4].FirstAmount);
        DoubleToReal48(75.0, table.Clubs[2].FirstAmount);
        table.Clubs[0].Reserv1[0] = 7;
        table.Clubs[4].EntryCounters[0] = 33;
        SetEntryCount(table, 1, 40);
        AddToCount(Ol().competition.rec.Count, 0, 0, 99);

        ASSERT_TRUE(OpenDefinitionFiles());
        for (const char* code : {"31", "32", "33"}) {
            ClearControl();
            Ol().control.rec.KodNr = code;
            std::int32_t rc = 0;
            ASSERT_TRUE(SaveControl(true, rc));
        }
        ASSERT_TRUE(DeleteControl(FindMode::kByNumber, {}, 2, true));
        AddCourse("A", {"31", "33"});
        AddCourse("B", {"31"});
        AddCourse("C", {"33", "99"});
        ASSERT_TRUE(DeleteCourse(FindMode::kByNumber, {}, 2, true));
        AddControlUse(Ol().clubTable, 5, 9);
        CloseDefinitionFiles();
        ASSERT_TRUE(OpenParticipantFiles());
    }

    std::int32_t AddCourse(std::string_view name, std::vector<std::string_view> codes) {
        ClearCourse();
        TrackRec& course = Ol().course.rec;
        course.Bana = name;
        course.Antal = static_cast<std::int16_t>(codes.size());
        for (std::size_t i = 0; i < codes.size(); ++i) {
            course.KodNr[i] = codes[i];
        }
        std::int32_t rc = 0;
        EXPECT_TRUE(SaveCourse(true, rc));
        return rc;
    }

    template <typename Record>
    Record Read(storage::FileBlock* file, std::int32_t rc) {
        Record record{};
        storage::GetRec(file, rc, &record);
        EXPECT_TRUE(storage::IsamSucceeded());
        return record;
    }
};

TEST_F(Rebuild, RenumbersClubsAndClassesAndTheParticipantsFollow) {
    ASSERT_EQ(RebuildIndexes(), MaintenanceResult::done) << Message();
    ASSERT_TRUE(Ol().ParticipantFilesOpen);
    EXPECT_EQ(Ol().CurrentCompetition, 1);

    EXPECT_EQ(storage::FileLen(Ol().clubFile), 4);
    EXPECT_EQ(Read<ClubRec>(Ol().clubFile, 1).Namn, "ALFA OK");
    EXPECT_EQ(Read<ClubRec>(Ol().clubFile, 2).Namn, Windows1252FromUtf8("ÖÖÖ OKÄND KLUBB"));
    EXPECT_EQ(Read<ClubRec>(Ol().clubFile, 3).Namn, "DELTA SK");
    EXPECT_EQ(storage::FileLen(Ol().classFile), 3);
    EXPECT_EQ(Read<KlassRec>(Ol().classFile, 1).Bet, "D16");
    EXPECT_EQ(Read<KlassRec>(Ol().classFile, 2).Lnr, "02");

    struct Expected {
        const char* number;
        std::int32_t club;
        std::int32_t klass;
    };
    const Expected expected[] = {{"0001", 1, 1}, {"0002", 2, 2}, {"0004", 3, 2}};
    ASSERT_EQ(storage::FileLen(Ol().participantFile), 4);
    for (std::int32_t rc = 1; rc <= 3; ++rc) {
        const DeltRec participant = Read<DeltRec>(Ol().participantFile, rc);
        const Expected& want = expected[rc - 1];
        EXPECT_EQ(participant.NrStr, want.number) << rc;
        EXPECT_EQ(participant.ClubRc, want.club) << rc;
        EXPECT_EQ(participant.KlassRc, want.klass) << rc;
        EXPECT_EQ(participant.Rc, rc);
    }
    // Participant 2's club was deleted: the replacement club, and a line.
    EXPECT_TRUE(StatusLineShown("Nummer: \"0002\" Bo/Berit felaktig klubb!"));
    EXPECT_TRUE(StatusLineShown(" indexerar fil: /OL01.Dat Recs:0004"));
    CloseCommonFiles();
    EXPECT_EQ(CheckFileSet(folder.string()), std::vector<std::string>{});
}

TEST_F(Rebuild, RecomputesCountersAndMovesClubEntriesWithTheirClubs) {
    ASSERT_EQ(RebuildIndexes(), MaintenanceResult::done) << Message();
    const CmpClubRec& table = Ol().clubTable;
    EXPECT_EQ(EntryCountOf(table, 0), 3);
    for (std::int32_t club = 1; club <= 3; ++club) {
        EXPECT_EQ(EntryCountOf(table, club), 1) << club;
    }
    EXPECT_EQ(EntryCountOf(table, 4), 0);
    // DELTA's amount went with it from 4 to 3; BETA's went away with BETA.
    EXPECT_DOUBLE_EQ(Real48ToDouble(table.Clubs[3].FirstAmount), 150.5);
    EXPECT_DOUBLE_EQ(Real48ToDouble(table.Clubs[2].FirstAmount), 0.0);
    EXPECT_EQ(table.Clubs[0].Reserv1[0], 7);
    // D16 youth; H40 other, the pair in an open class counting 2.
    EXPECT_EQ(table.Clubs[1].EntryCounters[1], 1);
    EXPECT_EQ(table.Clubs[2].EntryCounters[5], 2);
    EXPECT_EQ(table.Clubs[3].EntryCounters[2], 1);
    EXPECT_EQ(table.Clubs[3].EntryCounters[0], 0);
    const std::int16_t totals[6] = {0, 1, 1, 0, 0, 2};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(table.Clubs[0].EntryCounters[i], totals[i]) << i;
    }
    const InfoRec& info = Ol().competition.rec;
    EXPECT_EQ(CountAt(info.Count, 0, 0), 3);
    EXPECT_EQ(CountAt(info.Count, 1, 25), 3);
    EXPECT_EQ(info.StTidCount[0], 3720);
    EXPECT_EQ(CountAt(Read<KlassRec>(Ol().classFile, 2).Count, 0, 0), 2);
    EXPECT_EQ(CountAt(Read<KlassRec>(Ol().classFile, 1).Count, 1, 3), 1);

    // The courses count their controls by the controls' new numbers.
    EXPECT_EQ(ControlUseOf(table, 1), 1);
    EXPECT_EQ(ControlUseOf(table, 2), 2);
    EXPECT_EQ(ControlUseOf(table, 3), 0);
    EXPECT_EQ(ControlUseOf(table, 5), 0);
}

TEST_F(Rebuild, WithoutACompetitionRebuildsTheCommonRegistersOnly) {
    CloseParticipantFiles();
    const std::string participantsBefore = FileBytes("OL01.DAT");
    ASSERT_EQ(RebuildIndexes(), MaintenanceResult::done);
    EXPECT_EQ(storage::FileLen(Ol().clubFile), 4);
    EXPECT_EQ(FileBytes("OL01.DAT"), participantsBefore);
    EXPECT_EQ(Message(), "Kan ej bygga ytterligare index om inte \"OlBas\" vald!");
}

TEST_F(Rebuild, WithoutCommonFilesNothingHappens) {
    CloseCommonFiles();
    EXPECT_EQ(RebuildIndexes(), MaintenanceResult::failed);
    EXPECT_EQ(Message(), "Databas ej vald/ datafiler saknas!");
    EXPECT_TRUE(progress.windows.empty());
}

// A damaged fileblock is rebuilt from its data file.
TEST_F(Rebuild, RepairsARegisterWhoseIndexIsMissing) {
    CloseCommonFiles();
    std::filesystem::remove(folder / "CLUBAR.IX");
    ASSERT_FALSE(OpenCommonFiles());
    ASSERT_EQ(RebuildFileSet(1), MaintenanceResult::done) << Message();
    ASSERT_TRUE(Ol().ParticipantFilesOpen);
    EXPECT_EQ(storage::FileLen(Ol().clubFile), 4);
    CloseCommonFiles();
    EXPECT_EQ(CheckFileSet(folder.string()), std::vector<std::string>{});
}

// The files the rebuild writes are those the register add operations
// (journalled, one at a time) write for the same records.
TEST_F(Rebuild, WritesExactlyTheFilesTheAddOperationsWrite) {
    for (int i = 0; i < 150; ++i) {
        AddClub("Klubb " + std::to_string(997 * i % 1000));
    }
    for (int i = 5; i <= 400; ++i) {
        AddParticipant(7919 * i % 10000, 1 + i % 150, 2);
    }
    ASSERT_EQ(RebuildIndexes(), MaintenanceResult::done) << Message();
    CloseCommonFiles();

    ASSERT_TRUE(CreateIndexedFile("CLUBSAME", ClubRegisterFormat()));
    ASSERT_TRUE(CreateIndexedFile("OLSAME", ParticipantFileFormat()));
    storage::FileBlock* rebuiltClubs = nullptr;
    storage::FileBlock* rebuiltParticipants = nullptr;
    ASSERT_TRUE(OpenDataFile(rebuiltClubs, "CLUBAR"));
    ASSERT_TRUE(OpenDataFile(rebuiltParticipants, "OL01"));
    ASSERT_TRUE(OpenDataFile(Ol().clubFile, "CLUBSAME"));
    ASSERT_TRUE(OpenDataFile(Ol().participantFile, "OLSAME"));
    for (std::int32_t rc = 1; rc < storage::FileLen(rebuiltClubs); ++rc) {
        Ol().club.rec = Read<ClubRec>(rebuiltClubs, rc);
        std::int32_t added = 0;
        ASSERT_TRUE(SaveClub(true, added));
    }
    for (std::int32_t rc = 1; rc < storage::FileLen(rebuiltParticipants); ++rc) {
        Ol().participant.rec = Read<DeltRec>(rebuiltParticipants, rc);
        std::int32_t added = 0;
        ASSERT_TRUE(SaveParticipant(true, added));
    }
    for (storage::FileBlock** file :
         {&rebuiltClubs, &rebuiltParticipants, &Ol().clubFile, &Ol().participantFile}) {
        storage::CloseFileBlock(*file);
    }
    EXPECT_EQ(FileBytes("CLUBSAME.DAT"), FileBytes("CLUBAR.DAT"));
    EXPECT_EQ(FileBytes("CLUBSAME.IX"), FileBytes("CLUBAR.IX"));
    EXPECT_EQ(FileBytes("OLSAME.DAT"), FileBytes("OL01.DAT"));
    EXPECT_EQ(FileBytes("OLSAME.IX"), FileBytes("OL01.IX"));
}

// Anything the rebuild cannot do is found before a file moves.
struct Refusal {
    const char* name;
    void (*prepare)(testing::FileSetTest& test, const std::filesystem::path& folder);
    const char* reason;
};

void AddRawRecords(storage::FileBlock* file, std::size_t length, int count) {
    std::vector<std::uint8_t> record(length, 0);
    for (int i = 0; i < count; ++i) {
        storage::AddRec(file, record.data());
    }
}

const Refusal kRefusals[] = {
    {"LeftoverTemporary",
     [](testing::FileSetTest&, const std::filesystem::path& folder) {
         std::ofstream(folder / "filetmp.dat") << "x";
     },
     "ett avbrutet indexbygge har lämnat filer i \"filetmp\" (filetmp.dat); registrets poster "
     "kan finnas bara där."},
    {"LeftoverClubsInTemporary",
     [](testing::FileSetTest&, const std::filesystem::path& folder) {
         std::filesystem::copy_file(folder / "CLUBAR.DAT", folder / "filetmp.DAT");
     },
     "ett avbrutet indexbygge har lämnat registret CLUBAR i \"filetmp\" (filetmp.DAT); "
     "registrets poster kan finnas bara där."},
    {"TooManyClubSlots",
     [](testing::FileSetTest&, const std::filesystem::path&) {
         AddRawRecords(Ol().clubFile, sizeof(ClubRec), 898);
     },
     "CLUBAR har 901 poster, högst 900 kan indexbyggas."},
    {"TooManyClassSlots",
     [](testing::FileSetTest&, const std::filesystem::path&) {
         AddRawRecords(Ol().classFile, sizeof(KlassRec), 79);
     },
     "KLASS01 har 81 poster, högst 80 kan indexbyggas."},
    {"TooManyLiveDistricts",
     [](testing::FileSetTest&, const std::filesystem::path&) {
         AddRawRecords(Ol().districtFile, sizeof(DistrRec), 101);
     },
     "DISTR har 101 poster, högst 100 kan indexbyggas."},
    {"MissingControls",
     [](testing::FileSetTest&, const std::filesystem::path& folder) {
         std::filesystem::remove(folder / "KONTR01.DAT");
     },
     "KONTR01 saknas."},
    {"FileHeldOpen",
     [](testing::FileSetTest&, const std::filesystem::path& folder) {
         static storage::FileHandle held;
         storage::OpenFile(held, (folder / "KONTR01.IX").string(), true, false);
     },
     "KONTR01 används av ett annat program."},
};

class RebuildRefusal : public Rebuild, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RebuildRefusal, ChangesNothing) {
    GetParam().prepare(*this, folder);
    CloseParticipantFiles();
    ASSERT_TRUE(OpenParticipantFiles());
    CloseParticipantFiles();  // the club table and competition are on disk
    const auto before = FolderContents();
    ASSERT_TRUE(OpenParticipantFiles());
    EXPECT_EQ(RebuildIndexes(), MaintenanceResult::failed);
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(Utf8FromWindows1252(boxes.shown.back().text),
              std::string("Kan ej indexbygga: ") + GetParam().reason);
    EXPECT_TRUE(Ol().ParticipantFilesOpen);
    CloseParticipantFiles();
    EXPECT_EQ(FolderContents(), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, RebuildRefusal, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

// Runs `arm` when progress line 2 names a file (its files have just been
// moved to the temporary names), to make the rest of its rebuild fail.
class FaultAtFile final : public ProgressWindows {
public:
    FaultAtFile(std::string file, std::function<void()> arm)
        : file_(std::move(file)), arm_(std::move(arm)) {}
    std::unique_ptr<ProgressWindow> Create(const ProgressWindowOptions&) override {
        return std::make_unique<Window>(*this);
    }

private:
    class Window final : public ProgressWindow {
    public:
        explicit Window(FaultAtFile& owner) : owner_(owner) {}
        void SetStatusLine(int line, std::string_view text) override {
            if (line == 1 && text.ends_with("/" + owner_.file_)) {
                owner_.arm_();
            }
        }
        void ProcessPendingEvents() override {}

    private:
        FaultAtFile& owner_;
    };
    std::string file_;
    std::function<void()> arm_;
};

// A rebuild that fails half way changes no register: the new files are
// built aside and thrown away.
TEST_F(Rebuild, AFailedRebuildChangesNothing) {
    CloseParticipantFiles();
    const auto before = FolderContents();
    ASSERT_TRUE(OpenParticipantFiles());
    FaultAtFile fault("OL01", [] { storage::fault::FailFlushAt(1); });
    oltoma::testing::BoundProgressWindows bound(fault);
    EXPECT_EQ(RebuildIndexes(), MaintenanceResult::failed);
    EXPECT_EQ(Utf8FromWindows1252(boxes.shown.back().text),
              "Indexbygget misslyckades; registren är oförändrade.");
    ASSERT_TRUE(Ol().ParticipantFilesOpen);
    CloseParticipantFiles();
    EXPECT_EQ(FolderContents(), before);
}

// A plan that is damaged or belongs to another data directory is refused,
// and nothing changes.
TEST_F(Rebuild, APlanThatCannotBeTrustedIsRefused) {
    const struct {
        const char* plan;
        const char* text;
    } cases[] = {
        {"OLTOMA indexbygge 1\nfolder /x\ncompetition 1\nfile CLUBAR.DAT\ncheck 00000000\n",
         "Indexbyggets plan (indexbygge.plan) är skadad. Inget har ändrats; återställ "
         "datakatalogen från en säkerhetskopia."},
        {"OLTOMA indexbygge 1\nfolder /elsewhere\ncompetition 1\nfile CLUBAR.DAT\ncheck "
         "96cd1e29\n",
         "Indexbyggets plan (indexbygge.plan) gäller en annan datakatalog (/elsewhere). Inget har "
         "ändrats."},
    };
    for (const auto& c : cases) {
        CloseParticipantFiles();
        std::ofstream(folder / "indexbygge.plan", std::ios::binary) << c.plan;
        const auto before = FolderContents();
        ASSERT_TRUE(OpenParticipantFiles());
        EXPECT_EQ(RebuildIndexes(), MaintenanceResult::failed);
        EXPECT_EQ(Utf8FromWindows1252(boxes.shown.back().text), c.text);
        CloseParticipantFiles();
        EXPECT_EQ(FolderContents(), before);
        std::filesystem::remove(folder / "indexbygge.plan");
        ASSERT_TRUE(OpenParticipantFiles());
    }
}

}  // namespace
}  // namespace oltoma::ol
