#include "labels/giro_file.h"

#include <gtest/gtest.h>

#include "label_store_fixture.h"
#include "platform/process_state.h"
#include "storage/isam_status.h"

namespace oltoma::labels {
namespace {

using testing::LabelStoreTest;

class GiroFileTest : public LabelStoreTest {
protected:
    void TearDown() override {
        CloseGiroFile();
        LabelStoreTest::TearDown();
    }

    std::int32_t Add(std::string_view payee, std::string_view littera,
                     std::string_view tillG = "") {
        GiroRec() = TGiroRec{};
        GiroRec().Mottagare = payee;
        GiroRec().Lnr = littera;
        GiroRec().TillG = tillG;
        std::int32_t rc = 0;
        return GiroFile().Add(true, rc) ? rc : 0;
    }
};

// The process-state reset leaves no giro file open and the plusgiro file
// chosen, as at start.
TEST_F(GiroFileTest, TheProcessResetForgetsTheOpenFile) {
    ASSERT_TRUE(OpenGiroFile(Tgirotyp::bankgiro));
    EXPECT_EQ(Add("Klubben", "A"), 1);
    platform::ResetProcessState();
    EXPECT_FALSE(GiroFile().IsOpen());
    EXPECT_EQ(GiroFile().BaseName(), GiroFileBase(Tgirotyp::plusgiro));
    EXPECT_TRUE(GiroRec().Mottagare.empty());

    LabelStoreTest::SetUp();
    ASSERT_TRUE(OpenGiroFile(Tgirotyp::bankgiro));
    EXPECT_TRUE(GiroKeyTaken("Klubben_A"));
}

TEST_F(GiroFileTest, PlusgiroAndPostgiroShareAFileBankgiroHasItsOwn) {
    ASSERT_TRUE(OpenGiroFile(Tgirotyp::plusgiro));
    Add("Klubben", "A");
    CloseGiroFile();
    ASSERT_TRUE(OpenGiroFile(Tgirotyp::postgiro));
    EXPECT_TRUE(GiroKeyTaken("Klubben_A"));
    EXPECT_FALSE(GiroKeyTaken("Klubben"));
    CloseGiroFile();
    ASSERT_TRUE(OpenGiroFile(Tgirotyp::bankgiro));
    EXPECT_FALSE(GiroKeyTaken("Klubben_A"));
    EXPECT_EQ(Add("Klubben", "A"), 1);
    EXPECT_TRUE(Exists("giroP.DAT"));
    EXPECT_TRUE(Exists("giroB.DAT"));
    EXPECT_EQ(storage::RecordLength(GiroFile().Block()), 1708);
}

TEST_F(GiroFileTest, ListLineKeyAndDeletionNotice) {
    ASSERT_TRUE(OpenGiroFile(Tgirotyp::plusgiro));
    const std::int32_t withLittera = Add("Klubben", "A", "123-4");
    EXPECT_EQ(GiroRegStr(GiroRec()), "123-4........... Klubben_A");
    const std::int32_t without = Add("", "", "12345678901234567890");
    EXPECT_EQ(GiroRegStr(GiroRec()), "12345678901234567890 XXX");
    EXPECT_TRUE(GiroKeyTaken("XXX"));

    EXPECT_TRUE(GiroFile().Delete(registers::RcRtn, "", without, true));
    EXPECT_EQ(Message(), "Girot \"XXX_\", raderad...");
    EXPECT_TRUE(GiroFile().Delete(registers::FindRtn, "Klubben_A", 0, true));
    EXPECT_EQ(Message(), "Girot \"Klubben_A\", raderad...");
    EXPECT_EQ(GiroFile().UsedRecords(), 0);
    EXPECT_NE(withLittera, 0);
}

TEST_F(GiroFileTest, AFileThatDoesNotOpenIsLeftAsItIs) {
    ASSERT_TRUE(OpenGiroFile(Tgirotyp::bankgiro));
    Add("Klubben", "");
    CloseGiroFile();
    const std::string data = Bytes("giroB.DAT");
    std::filesystem::remove(folder / "giroB.IX");
    EXPECT_FALSE(OpenGiroFile(Tgirotyp::bankgiro));
    EXPECT_EQ(GiroFileFailureText().rfind("fel med girofilerna: Btree: ", 0), 0u);
    EXPECT_EQ(Bytes("giroB.DAT"), data);
}

TEST_F(GiroFileTest, FullAt199Slips) {
    ASSERT_TRUE(OpenGiroFile(Tgirotyp::postgiro));
    for (int i = 1; i < kMaxGiroSlips; ++i) {
        ASSERT_GT(Add("Mottagare " + std::to_string(i), ""), 0);
    }
    EXPECT_FALSE(GiroRegisterFull());
    Add("Den sista", "");
    EXPECT_TRUE(GiroRegisterFull());
}

}  // namespace
}  // namespace oltoma::labels
