#include "base/files/file_choice.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <fstream>

#include "base/text/windows1252.h"
#include "platform/folders.h"

namespace oltoma {
namespace {

// Writes a file of the given bytes into the test's folder and returns its
// name.
std::string WriteFile(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
    return name;
}

std::string Here() {
    return platform::CurrentDirectory();
}

FileChoiceEntry ImportEntryOf(const std::string& bytes) {
    return DescribeFile(Here(), WriteFile("f.txt", bytes), kImportKeywordList);
}

struct HeaderCase {
    const char* firstHeader;
    const char* entry;
};

TEST(FileChoice, ImportHeadersGetTheirOrderCodes) {
    const HeaderCase cases[] = {
        {"*Bas", "05 *Bas........ f.txt"},
        {"*Klubbar", "01 *Klubbar.... f.txt"},
        {"*Rutbeskr", "03 *Rutbeskr... f.txt"},
        {"*Banor", "08 *Banor...... f.txt"},
        {"*Kontroller", "07 *Kontroller. f.txt"},
        {"*Resultat", "17 *Resultat... f.txt"},
        {"*Etapp=3", "16 *Etapp...... f.txt"},
        {"*Klasser", "06 *Klasser.... f.txt"},
        {"*Namn", "09 *Namn....... f.txt"},
        {"*KlubbLottad", "11 *KlubbLottad f.txt"},
        {"*MotionsLottad", "12 *MotionsLottad f.txt"},
        {"*JaktLottad", "ad *JaktLottad. f.txt"},
        {"*RutB24", "04 *RutB24..... f.txt"},
        {"*Maxdag=2", "15 *Maxdag..... f.txt"},
        {"*ModifieraNamn", "10 *ModifieraNamn f.txt"},
        {"*Distrikt", "02 *Distrikt... f.txt"},
        {"*GruppLottad", "13 *GruppLottad f.txt"},
        {"*SkidLottad", "14 *SkidLottad. f.txt"},
        {"*Emitresultat", "18 *Emitresultat f.txt"},
        // Case, words after the keyword, and keywords the list does not hold.
        {"*kontroller", "07 *kontroller. f.txt"},
        {"*Kontroller från banläggaren", "07 *Kontroller. f.txt"},
        {"*Etapp= 3", "16 *Etapp=..... f.txt"},
        {"*Basdata", "99 *Basdata.... f.txt"},
        {"*Okänd", "99 *Okänd...... f.txt"},
    };
    for (const HeaderCase& c : cases) {
        const std::string header = Windows1252FromUtf8(c.firstHeader);
        SCOPED_TRACE(c.firstHeader);
        const FileChoiceEntry entry = ImportEntryOf("; kommentar\n" + header + "\n1,2,3\n*Banor\n");
        EXPECT_EQ(entry.text, Windows1252FromUtf8(c.entry));
        EXPECT_EQ(entry.fileName, "f.txt");
    }
}

TEST(FileChoice, FindsTheFirstHeaderWhateverTheLineEnds) {
    const std::pair<const char*, const char*> cases[] = {
        {"*Klubbar\r\n1\r\n", "01 *Klubbar.... f.txt"},
        {"1,2\r*Banor\r", "08 *Banor...... f.txt"},
        {"\n\n 31,A\n*Kontroller", "07 *Kontroller. f.txt"},
        {"a*Banor\n*Namn\n", "09 *Namn....... f.txt"},
        {"", "99 ingen importfil, ta bort f.txt"},
        {"1,2,3\n4,5,6\n", "99 ingen importfil, ta bort f.txt"},
    };
    for (const auto& [bytes, entry] : cases) {
        EXPECT_EQ(ImportEntryOf(bytes).text, entry) << bytes;
    }
}

TEST(FileChoice, OemHeadersAreConvertedAsTheImportReadsThem) {
    // "*Öst" written in code page 850.
    EXPECT_EQ(ImportEntryOf("*\x99st\n").text, "99 *\xD6st........ f.txt");
}

TEST(FileChoice, LongNamesAndLinesStayBoundedButTheFileNameIsKept) {
    const std::string header = "*" + std::string(400, 'x');
    const std::string name = std::string(240, 'n') + ".txt";
    const FileChoiceEntry entry = DescribeFile(Here(), WriteFile(name, header), kImportKeywordList);
    EXPECT_EQ(entry.text, "99 " + header.substr(0, 252));
    EXPECT_EQ(entry.fileName, name);

    // Megabytes without a line end are scanned, not held.
    const FileChoiceEntry binary =
        DescribeFile(Here(), WriteFile("big.bin", std::string(5 << 20, 'z')), kImportKeywordList);
    EXPECT_EQ(binary.text, "99 ingen importfil, ta bort big.bin");
}

TEST(FileChoice, FilesThatCannotBeReadAreMarkedAndNeverBlock) {
    ASSERT_EQ(::mkfifo("pipe", 0600), 0);
    ASSERT_EQ(::mkdir("folder", 0700), 0);
    const std::string unreadable = Windows1252FromUtf8("99 fil kan ej läsas, ta bort ");
    for (const char* name : {"missing.txt", "pipe", "folder"}) {
        const FileChoiceEntry entry = DescribeFile(Here(), name, kImportKeywordList);
        EXPECT_EQ(entry.text, unreadable + name);
        EXPECT_EQ(entry.fileName, name);
    }
}

TEST(FileChoice, WithoutAKeywordListNoFileIsRead) {
    EXPECT_EQ(DescribeFile(Here(), "missing.txt", "").text,
              "99 ingen importfil, ta bort missing.txt");
}

TEST(FileChoice, DescriptionsAndCodes) {
    EXPECT_EQ(HeaderDescription("*Etapp=3 dag"), "*Etapp=3");
    EXPECT_EQ(HeaderDescription("*Etapp=3"), "*Etapp");
    EXPECT_EQ(HeaderDescription("*Banor"), "*Banor");
    EXPECT_EQ(OrderCodeOf("*Bas", "*Bas01*Klubbar"), "99");  // no code in front
    EXPECT_EQ(OrderCodeOf("*klubbar", "*Bas01*Klubbar"), "01");
    EXPECT_EQ(OrderCodeOf("", kImportKeywordList), "99");
}

// Each step adds a file of the order code and says whether the list takes it.
struct OnceOnlyCase {
    const char* name;
    std::vector<std::pair<const char*, bool>> steps;
};

TEST(FileChoice, OnceOnlyCodesRefuseASecondFileOfTheirKind) {
    const OnceOnlyCase cases[] = {
        {"base data", {{"05", true}, {"05", false}, {"01", true}}},
        {"results", {{"17", true}, {"17", false}}},
        {"stage", {{"16", true}, {"16", false}}},
        {"day count", {{"15", true}, {"15", false}}},
        {"no import file", {{"99", true}, {"99", false}}},
        {"clubs may repeat", {{"01", true}, {"01", true}, {"01", true}}},
        {"courses may repeat", {{"08", true}, {"08", true}}},
        {"pursuit draw may repeat", {{"ad", true}, {"ad", true}}},
        {"different once-only kinds", {{"05", true}, {"17", true}, {"16", true}, {"15", true}}},
    };
    for (const OnceOnlyCase& c : cases) {
        SCOPED_TRACE(c.name);
        FileChoiceList list(kImportOnceOnlyCodes);
        int taken = 0;
        for (const auto& [code, accepted] : c.steps) {
            const int index = list.Add({EntryText(code, "*X", "f" + std::to_string(taken)), "f"});
            EXPECT_EQ(index >= 0, accepted) << code;
            taken += index >= 0 ? 1 : 0;
        }
        EXPECT_EQ(list.size(), taken);
    }
}

TEST(FileChoice, ListKeepsEntriesInOrderOfTheirCodes) {
    FileChoiceList list(kImportOnceOnlyCodes);
    for (const char* code : {"99", "18", "ad", "01", "07", "05", "01"}) {
        list.Add({EntryText(code, "*X", "file"), std::string("file") + code});
    }
    std::string order;
    for (const FileChoiceEntry& entry : list.entries()) {
        order += std::string(entry.orderCode()) + " ";
    }
    EXPECT_EQ(order, "01 01 05 07 18 99 ad ");

    list.Remove({5, 0, 5, 42, -1});
    ASSERT_EQ(list.size(), 5);
    EXPECT_EQ(list.entries().front().orderCode(), "01");
    EXPECT_EQ(list.entries().back().orderCode(), "ad");
    EXPECT_FALSE(list.Refuses("99"));  // the removed 99 may be chosen again
    list.Clear();
    EXPECT_EQ(list.size(), 0);
}

}  // namespace
}  // namespace oltoma
