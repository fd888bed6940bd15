#include "ol/data/files/club_table_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "data_layer_fixture.h"
#include "ol/data/files/file_groups.h"
#include "storage/fault_injection.h"

namespace oltoma::ol {
namespace {

using storage::fault::CrashKind;

class ClubTableFile : public testing::DataLayerTest {
protected:
    void SetUp() override {
        DataLayerTest::SetUp();
        ASSERT_EQ(NewCompetition("Ett", "OK Gamla"), 1);
        ASSERT_TRUE(ReadClubTable());
    }

    std::string FileBytes() const {
        std::ifstream in(folder / "CLUBS01.Dat", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    void WriteFileBytes(const std::string& bytes) const {
        std::ofstream(folder / "CLUBS01.Dat", std::ios::binary | std::ios::trunc) << bytes;
    }

    std::string ShownText(std::size_t index) const {
        return Utf8FromWindows1252(boxes.shown.at(index).text);
    }

    std::string Quoted(const char* name) const { return "\"" + (folder / name).string() + "\" "; }
};

TEST_F(ClubTableFile, ANewTableHoldsTheOrganiserAndIsReadBackWhole) {
    EXPECT_EQ(FileBytes().size(), sizeof(CmpClubRec));
    EXPECT_EQ(Ol().clubTable.Arr, "OK Gamla");
    Ol().clubTable.Text1 = "5678-1234";
    AddControlUse(Ol().clubTable, 512, 3);
    CloseParticipantFiles();
    EXPECT_FALSE(Exists("CLUBS01.Tmp"));

    ClearClubTable();
    ASSERT_TRUE(OpenParticipantFiles());
    EXPECT_EQ(Ol().clubTable.Text1, "5678-1234");
    EXPECT_EQ(ControlUseOf(Ol().clubTable, 512), 3);
}

TEST_F(ClubTableFile, AFailedWriteKeepsTheOldTable) {
    const std::string before = FileBytes();
    Ol().clubTable.Text1 = "ny text";
    for (long failingWrite : {1L, 2L}) {  // making the temporary file, writing the table
        storage::fault::FailWriteAt(failingWrite);
        boxes.shown.clear();
        EXPECT_FALSE(WriteClubTable()) << failingWrite;
        storage::fault::Reset();
        storage::fault::SkipSyncs(true);
        EXPECT_EQ(FileBytes(), before);
        EXPECT_FALSE(Exists("CLUBS01.Tmp"));
    }
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "info");
    EXPECT_EQ(ShownText(0).rfind("Fel vid skrivning av " + Quoted("CLUBS01.Dat"), 0), 0u)
        << ShownText(0);
}

TEST_F(ClubTableFile, ACrashWhileWritingLeavesTheOldTable) {
    const std::string before = FileBytes();
    Ol().clubTable.Text1 = "ny text";
    for (const CrashKind kind : {CrashKind::KeepWrites, CrashKind::LoseUnsynced}) {
        for (long crashingWrite : {1L, 2L}) {
            storage::fault::CrashAtWrite(crashingWrite, kind);
            WriteClubTable();
            storage::fault::Restart();
            EXPECT_EQ(FileBytes(), before) << crashingWrite;
        }
    }
}

TEST_F(ClubTableFile, AFileOfTheWrongSizeIsReportedAndNotUsed) {
    CloseParticipantFiles();
    const std::string good = FileBytes();
    for (const std::size_t size : {std::size_t{0}, good.size() - 1, good.size() + 1}) {
        WriteFileBytes(std::string(size, '\x07'));
        Ol().clubTable.Text1 = "i minnet";
        boxes.shown.clear();
        EXPECT_FALSE(OpenParticipantFiles()) << size;
        ASSERT_EQ(boxes.shown.size(), 1u) << size;
        EXPECT_EQ(ShownText(0), "Fel vid läsning av " + Quoted("CLUBS01.Dat") +
                                    "Btree: Läsning av fel antal bytes");
        EXPECT_EQ(Ol().clubTable.Text1, "i minnet");
        EXPECT_EQ(FileBytes().size(), size) << "the file is left for repair";
    }
}

TEST_F(ClubTableFile, AMissingFileOnlyLeavesAMessage) {
    CloseParticipantFiles();
    std::filesystem::remove(folder / "CLUBS01.Dat");
    EXPECT_FALSE(OpenParticipantFiles());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(Message(), "Fel vid läsning av " + Quoted("CLUBS01.Dat") + "Hittar ej filen");
    EXPECT_FALSE(Ol().ParticipantFilesOpen);
}

TEST_F(ClubTableFile, AHostileTableIsReadWithinItsFields) {
    CloseParticipantFiles();
    WriteFileBytes(std::string(sizeof(CmpClubRec), '\xFF'));
    ASSERT_TRUE(OpenParticipantFiles());
    const CmpClubRec& table = Ol().clubTable;
    EXPECT_EQ(table.Text1.size(), 32u);
    EXPECT_EQ(table.Arr.size(), 32u);
    EXPECT_EQ(ControlUseOf(table, 512), -1);
    EXPECT_EQ(ControlUseOf(table, 513), 0);
}

}  // namespace
}  // namespace oltoma::ol
