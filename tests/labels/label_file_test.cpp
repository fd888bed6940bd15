#include "labels/label_file.h"

#include <gtest/gtest.h>

#include "label_store_fixture.h"
#include "platform/process_state.h"
#include "storage/isam_status.h"

namespace oltoma::labels {
namespace {

using testing::LabelStoreTest;

class LabelFileTest : public LabelStoreTest {
protected:
    void TearDown() override {
        CloseLabelFile();
        LabelStoreTest::TearDown();
    }

    // Adds a label as the register does after OK: returns its record number.
    std::int32_t Add(std::string_view text) {
        EtikettRec() = TEtikettRec{};
        EtikettRec().Etk = text;
        std::int32_t rc = 0;
        return LabelFile().Add(true, rc) ? rc : 0;
    }

    // The list lines with their record numbers, walked as the register
    // fills its list.
    std::vector<std::pair<std::string, std::int32_t>> List() {
        std::vector<std::pair<std::string, std::int32_t>> lines;
        std::int32_t rc = 0;
        bool exists = false;
        bool fileEnd = false;
        LabelFile().Select(registers::ClearRtn, "", rc, exists, fileEnd);
        for (LabelFile().Select(registers::NextRtn, "", rc, exists, fileEnd); !fileEnd;
             LabelFile().Select(registers::NextRtn, "", rc, exists, fileEnd)) {
            if (exists) {
                lines.emplace_back(LabelRegStr(), rc);
            }
        }
        return lines;
    }
};

// A job that ends with the label file open (a failed test, an aborted
// command) leaves no stale fileblock to the next: after the process-state
// reset the file is closed, and the next open opens it afresh.
TEST_F(LabelFileTest, TheProcessResetForgetsTheOpenFile) {
    ASSERT_TRUE(OpenLabelFile());
    EXPECT_EQ(Add("Klubben"), 1);
    platform::ResetProcessState();
    EXPECT_FALSE(LabelFile().IsOpen());
    EXPECT_TRUE(EtikettRec().Etk.empty());

    LabelStoreTest::SetUp();
    ASSERT_TRUE(OpenLabelFile());
    EXPECT_EQ(storage::UsedRecs(LabelFile().Block()), 1);
}

TEST_F(LabelFileTest, CreatedWhenMissingAndKeptByTheList) {
    ASSERT_TRUE(OpenLabelFile());
    EXPECT_TRUE(Exists("Etikett.DAT"));
    EXPECT_TRUE(Exists("Etikett.IX"));
    EXPECT_EQ(storage::RecordLength(LabelFile().Block()), 248);
    EXPECT_EQ(Add("Klubben\r\nStorgatan 1"), 1);
    EXPECT_EQ(Add(""), 2);
    CloseLabelFile();

    ASSERT_TRUE(OpenLabelFile());
    EXPECT_EQ(List(),
              (std::vector<std::pair<std::string, std::int32_t>>{{"Klubben", 1}, {"XXX", 2}}));
    std::int32_t rc = 2;
    bool exists = false;
    bool fileEnd = false;
    LabelFile().Select(registers::RcRtn, "", rc, exists, fileEnd);
    EXPECT_TRUE(exists);
    EXPECT_EQ(EtikettRec().Etk.view(), "XXX");
}

TEST_F(LabelFileTest, AFileThatDoesNotOpenIsLeftAsItIs) {
    ASSERT_TRUE(OpenLabelFile());
    Add("Klubben");
    CloseLabelFile();
    std::filesystem::remove(folder / "Etikett.IX");
    const std::string before = Bytes("Etikett.DAT");

    EXPECT_FALSE(OpenLabelFile());
    EXPECT_FALSE(LabelFile().IsOpen());
    EXPECT_EQ(LabelFileFailureText().rfind("fel med Etikettfilerna: Btree: ", 0), 0u)
        << LabelFileFailureText();
    EXPECT_EQ(Bytes("Etikett.DAT"), before);
    EXPECT_FALSE(Exists("Etikett.IX"));
}

TEST_F(LabelFileTest, AKeyThatFailsLeavesNoRecordBehind) {
    ASSERT_TRUE(OpenLabelFile());
    Add("Klubben\r\nett");
    EXPECT_TRUE(LabelKeyTaken("Klubben\r\ntvå"));
    EXPECT_EQ(Add("Klubben\r\ntvå"), 0);
    EXPECT_FALSE(storage::IsamSucceeded());
    EXPECT_EQ(storage::IsamError(), storage::IsamCode::kKeyExists);
    EXPECT_EQ(Message().rfind("Etikett: ", 0), 0u) << Message();
    EXPECT_EQ(storage::UsedRecs(LabelFile().Block()), 1);
}

TEST_F(LabelFileTest, TheKeyIsCheckedAsItWillBeStored) {
    ASSERT_TRUE(OpenLabelFile());
    Add("");
    EXPECT_TRUE(LabelKeyTaken(""));
    EXPECT_EQ(StoredLabelKey(std::string(40, 'a') + "\r\nb"), std::string(30, 'a'));
    EXPECT_EQ(Utf8FromWindows1252(LabelKeyTakenText("XXX")),
              "Etiketten finns redan registrerad. \"XXX\" Måste vara unik.");
}

TEST_F(LabelFileTest, DeletingAnOrphanKeepsTheOtherLabelsKey) {
    ASSERT_TRUE(OpenLabelFile());
    const std::int32_t first = Add("Klubben");
    // A record whose key belongs to another record: as an older file may
    // hold after a failed add.
    EtikettRec() = TEtikettRec{};
    EtikettRec().Etk = "Klubben";
    const std::int32_t orphan = storage::AddRec(LabelFile().Block(), &EtikettRec());
    ASSERT_TRUE(storage::IsamSucceeded());

    EXPECT_TRUE(LabelFile().Delete(registers::RcRtn, "", orphan, true));
    EXPECT_EQ(Message(), "Etikett \"Klubben\", raderad...");
    EXPECT_EQ(storage::FindKey(LabelFile().Block(), 1, "Klubben"), first);
    EXPECT_EQ(storage::UsedRecs(LabelFile().Block()), 1);
}

TEST_F(LabelFileTest, DeletingOutsideTheFileFails) {
    ASSERT_TRUE(OpenLabelFile());
    Add("Klubben");
    EXPECT_FALSE(LabelFile().Delete(registers::RcRtn, "", 7, true));
    EXPECT_FALSE(storage::IsamSucceeded());
    EXPECT_FALSE(LabelFile().Delete(registers::FindRtn, "Saknas", 0, true));
    EXPECT_EQ(storage::UsedRecs(LabelFile().Block()), 1);
}

TEST_F(LabelFileTest, AnEntryPointingOutsideTheFileIsPassedOver) {
    ASSERT_TRUE(OpenLabelFile());
    Add("Alfa");
    storage::AddKey(LabelFile().Block(), 1, 99, "Beta");
    ASSERT_TRUE(storage::IsamSucceeded());
    Add("Gamma");
    EXPECT_EQ(List(),
              (std::vector<std::pair<std::string, std::int32_t>>{{"Alfa", 1}, {"Gamma", 2}}));
}

TEST_F(LabelFileTest, FullAt299Labels) {
    ASSERT_TRUE(OpenLabelFile());
    for (int i = 1; i < kMaxLabels; ++i) {
        ASSERT_GT(Add("Etikett " + std::to_string(i)), 0);
    }
    EtikettRec().Etk = "kvar";
    EXPECT_FALSE(LabelRegisterFull());
    EXPECT_TRUE(EtikettRec().Etk.empty());
    Add("Etikett 299");
    EXPECT_TRUE(LabelRegisterFull());
}

}  // namespace
}  // namespace oltoma::labels
