// The file a first start writes, read back byte for byte against the
// defaults of every record.
#include "base/settings/settings_defaults.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/settings/configuration_file.h"
#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "configuration_fixture.h"

namespace oltoma {
namespace {

constexpr std::size_t kGlobal = 0;
constexpr std::size_t kLabel = 60352;   // label setting 1
constexpr std::size_t kPrint = 158112;  // print setting 1
constexpr std::size_t kLabelSize = 9776;
constexpr std::size_t kPrintSize = 16016;
constexpr std::size_t kLabelPrinter = kLabel + 40;
constexpr std::size_t kPrintPrinter = kPrint + 1096;

struct IntegerField {
    const char* what;
    std::size_t offset;
    int width;
    std::int64_t expected;
};

// clang-format off
const IntegerField kIntegerFields[] = {
    {"current number", kGlobal + 4, 4, 0},
    {"label number", kGlobal + 8, 1, 1},
    {"print number", kGlobal + 9, 1, 1},
    {"route description format", kGlobal + 7217, 1, 1},
    {"current number of kind 5", kGlobal + 7220 + 5 * 4, 4, 0},
    {"settings page", kGlobal + 60220, 4, 1},
    {"scale", kGlobal + 60224, 2, 1},
    {"window left", kGlobal + 60228, 4, 0},
    {"window top", kGlobal + 60232, 4, 0},

    {"label 1 left", kLabel + 0, 4, -50},
    {"label 1 height", kLabel + 4, 2, 320},
    {"label 1 row pitch", kLabel + 6, 2, 360},
    {"label 1 column pitch", kLabel + 8, 2, 703},
    {"label 1 width", kLabel + 10, 2, 600},
    {"label 1 top", kLabel + 12, 4, -20},
    {"label 1 reserved 16", kLabel + 16, 2, 30},
    {"label 1 across", kLabel + 18, 2, 3},
    {"label 1 rows", kLabel + 20, 2, 8},
    {"label 1 reserved 24", kLabel + 24, 4, 10},
    {"label 1 reserved 28", kLabel + 28, 4, 10},
    {"label 1 reserved 32", kLabel + 32, 1, 0},
    {"label 1 copies", kLabel + 9640, 4, 1},
    {"label 1 reserved 9644", kLabel + 9644, 1, 1},
    {"label 1 columns", kLabelPrinter + 9592, 4, 1},
    {"label 1 valid", kLabelPrinter + 544, 1, 1},
    {"label 1 margin unit", kLabelPrinter + 9000, 4, 8},
    {"label 1 margin left", kLabelPrinter + 9028, 4, 0},
    {"label 1 margin bottom", kLabelPrinter + 9040, 4, 0},
    {"label 1 paper", kLabelPrinter + 630, 2, 9},
    {"label 1 stor charset", kLabelPrinter + 244, 4, 0},
    {"label 1 stor colour", kLabelPrinter + 248, 4, 0},
    {"label 1 stor height", kLabelPrinter + 252, 4, 16},
    {"label 1 stor size", kLabelPrinter + 256, 4, 16},
    {"label 1 stor pitch", kLabelPrinter + 244 + 97, 1, 0},
    {"label 1 stor style", kLabelPrinter + 244 + 98, 1, 1},
    {"label 1 mellan size", kLabelPrinter + 344 + 12, 4, 12},
    {"label 1 liten height", kLabelPrinter + 444 + 8, 4, 10},
    {"label 1 liten style", kLabelPrinter + 444 + 98, 1, 1},

    {"label 3 across", kLabel + 2 * kLabelSize + 18, 2, 2},
    {"label 3 column pitch", kLabel + 2 * kLabelSize + 8, 2, 1060},
    {"label 4 reserved 16", kLabel + 3 * kLabelSize + 16, 2, 0},
    {"label 4 reserved 9644", kLabel + 3 * kLabelSize + 9644, 1, 0},
    {"label 4 rows", kLabel + 3 * kLabelSize + 20, 2, 11},
    {"label 4 fanfold", kLabel + 3 * kLabelSize + 40 + 630, 2, 40},
    {"label 4 stor size", kLabel + 3 * kLabelSize + 40 + 244 + 12, 4, 15},
    {"label 4 stor height", kLabel + 3 * kLabelSize + 40 + 244 + 8, 4, 16},
    {"label 4 stor pitch", kLabel + 3 * kLabelSize + 40 + 244 + 97, 1, 2},
    {"label 4 mellan height", kLabel + 3 * kLabelSize + 40 + 344 + 8, 4, 12},
    {"label 4 liten height", kLabel + 3 * kLabelSize + 40 + 444 + 8, 4, 10},
    {"label 4 liten size", kLabel + 3 * kLabelSize + 40 + 444 + 12, 4, 15},
    {"label 4 liten style", kLabel + 3 * kLabelSize + 40 + 444 + 98, 1, 0},
    {"label 5 left", kLabel + 4 * kLabelSize + 0, 4, -100},
    {"label 5 stor pitch", kLabel + 4 * kLabelSize + 40 + 244 + 97, 1, 2},
    {"label 6 fanfold", kLabel + 5 * kLabelSize + 40 + 630, 2, 40},
    {"label 6 stor pitch", kLabel + 5 * kLabelSize + 40 + 244 + 97, 1, 0},
    {"label 9 width", kLabel + 8 * kLabelSize + 10, 2, 1850},
    {"label 10 height", kLabel + 9 * kLabelSize + 4, 2, 1016},
    {"label 10 rows", kLabel + 9 * kLabelSize + 20, 2, 3},
    {"label 10 paper", kLabel + 9 * kLabelSize + 40 + 630, 2, 9},

    {"print 1 reserved 0", kPrint + 0, 1, 0},
    {"print 1 reserved 10696", kPrint + 10696, 1, 0},
    {"print 1 reserved 10697", kPrint + 10697, 1, 1},
    {"print 1 reserved 10698", kPrint + 10698, 1, 0},
    {"print 1 orientation", kPrintPrinter + 628, 2, 1},
    {"print 1 margin unit", kPrintPrinter + 9000, 4, 8},
    {"print 1 margin left", kPrintPrinter + 9028, 4, 500},
    {"print 1 margin top", kPrintPrinter + 9032, 4, 500},
    {"print 1 margin right", kPrintPrinter + 9036, 4, 100},
    {"print 1 margin bottom", kPrintPrinter + 9040, 4, 0},
    {"print 1 columns", kPrintPrinter + 9592, 4, 1},
    {"print 1 stor size", kPrintPrinter + 244 + 12, 4, 14},
    {"print 1 stor height", kPrintPrinter + 244 + 8, 4, 14},
    {"print 1 stor style", kPrintPrinter + 244 + 98, 1, 1},
    {"print 1 mellan size", kPrintPrinter + 344 + 12, 4, 11},
    {"print 1 liten height", kPrintPrinter + 444 + 8, 4, 8},
    {"print 1 picture 0 active", kPrint + 10720 + 1025, 1, 1},
    {"print 1 picture 0 size", kPrint + 10720 + 1028, 4, 6},
    {"print 1 picture 1 active", kPrint + 10720 + 1032 + 1025, 1, 0},
    {"print 1 picture 1 size", kPrint + 10720 + 1032 + 1028, 4, 4},
    {"print 1 picture 2 size", kPrint + 10720 + 2 * 1032 + 1028, 4, 5},
    {"print 1 picture 4 size", kPrint + 10720 + 4 * 1032 + 1028, 4, 5},
    {"print 1 picture 4 active", kPrint + 10720 + 4 * 1032 + 1025, 1, 0},
    {"print 2 orientation", kPrint + kPrintSize + 1096 + 628, 2, 2},
    {"print 3 stor size", kPrint + 2 * kPrintSize + 1096 + 244 + 12, 4, 16},
    {"print 3 stor height", kPrint + 2 * kPrintSize + 1096 + 244 + 8, 4, 14},
    {"print 3 liten size", kPrint + 2 * kPrintSize + 1096 + 444 + 12, 4, 8},
    {"print 4 orientation", kPrint + 3 * kPrintSize + 1096 + 628, 2, 2},
    {"print 4 mellan size", kPrint + 3 * kPrintSize + 1096 + 344 + 12, 4, 14},
    {"print 4 mellan height", kPrint + 3 * kPrintSize + 1096 + 344 + 8, 4, 11},
    {"print 4 liten size", kPrint + 3 * kPrintSize + 1096 + 444 + 12, 4, 10},
    {"print 6 orientation", kPrint + 5 * kPrintSize + 1096 + 628, 2, 2},
    {"print 7 orientation", kPrint + 6 * kPrintSize + 1096 + 628, 2, 1},
    {"print 10 margin left", kPrint + 9 * kPrintSize + 1096 + 9028, 4, 500},
};

struct TextField {
    const char* what;
    std::size_t offset;
    bool shortString;      // length byte first, else NUL-terminated
    const char* expected;  // UTF-8
};

const TextField kTextFields[] = {
    {"reserved text", kGlobal + 10, false, "c:\\windows\\command\\system32"},
    {"file mask", kGlobal + 2060, false, "*.*"},
    {"communication text", kGlobal + 59359, true, "Com3:96,n,8,1"},
    {"label name 1", kGlobal + 59359 + 41, true, "Laser 3x8"},
    {"label name 4", kGlobal + 59359 + 4 * 41, true, "Löpande 2x12 I"},
    {"label name 5", kGlobal + 59359 + 5 * 41, true, "Löpande 2x12 II"},
    {"label name 9", kGlobal + 59359 + 9 * 41, true, "Resultatremsor III"},
    {"label name 10", kGlobal + 59359 + 10 * 41, true, "Giro/Startkort"},
    {"print name 1", kGlobal + 59810, true, "arial.stående"},
    {"print name 4", kGlobal + 59810 + 3 * 41, true, "Courier.liggande"},
    {"print name 7", kGlobal + 59810 + 6 * 41, true, "Proprinter.A3.40,36,16"},
    {"print name 10", kGlobal + 59810 + 9 * 41, true, "brumlekvarn"},
    {"label 1 stor", kLabelPrinter + 244 + 16, true, "Courier New"},
    {"label 4 stor", kLabel + 3 * kLabelSize + 40 + 244 + 16, true, "Courier 5cpi"},
    {"label 5 liten", kLabel + 4 * kLabelSize + 40 + 444 + 16, true, "Courier 17cpi"},
    {"label 1 device", kLabelPrinter + 81, false, "laser"},
    {"print 1 footer", kPrint + 1026, true, kDefaultFooterText},
    {"print 1 stor", kPrintPrinter + 244 + 16, true, "Arial"},
    {"print 3 mellan", kPrint + 2 * kPrintSize + 1096 + 344 + 16, true, "Courier New"},
    {"print 1 picture 0 path", kPrint + 10720, false, ""},
};
// clang-format on

// Reserved ranges of GlobalSettings that a new file leaves zero.
struct ZeroRange {
    std::size_t begin;
    std::size_t end;
};
const ZeroRange kZeroRanges[] = {
    {0, 4},       {1035, 2060},   {3117, 5167},   {6192, 7217},
    {7218, 7220}, {39119, 59359}, {60226, 60228}, {60236, 60352},
};

using SettingsDefaultsTest = testing::ConfigurationTest;

TEST_F(SettingsDefaultsTest, FirstStartWritesEveryDefault) {
    ASSERT_TRUE(LoadConfiguration(5));
    const std::vector<unsigned char> bytes = FileBytes();
    ASSERT_EQ(bytes.size(), 318272u);

    for (const auto& field : kIntegerFields) {
        EXPECT_EQ(Integer(bytes, field.offset, field.width), field.expected) << field.what;
    }
    for (const auto& field : kTextFields) {
        const std::string text =
            field.shortString ? ShortText(bytes, field.offset) : NulText(bytes, field.offset);
        EXPECT_EQ(text, Windows1252FromUtf8(field.expected)) << field.what;
    }
    for (const auto& range : kZeroRanges) {
        for (std::size_t i = range.begin; i < range.end; ++i) {
            ASSERT_EQ(bytes[i], 0) << "GlobalSettings byte " << i;
        }
    }
    const std::string computer = ShortText(bytes, 3085);
    EXPECT_LE(computer.size(), 31u);
    EXPECT_TRUE(computer.ends_with(".DatorID.ejdef")) << computer;

    EXPECT_EQ(NulText(bytes, 5167), DefaultDataDirectory());
    EXPECT_EQ(NulText(bytes, 7344 + 5 * 1025), DefaultDataDirectory());
    EXPECT_EQ(NulText(bytes, 7344 + 4 * 1025), "");
    EXPECT_TRUE(std::filesystem::is_directory(home + "/Documents/OltomaW64/text"));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SettingsDefaultsTest, StringsBeyondTheirLengthAreZero) {
    ASSERT_TRUE(LoadConfiguration(5));
    const std::vector<unsigned char> bytes = FileBytes();
    // Name 1 was "Etikettinställning01 default" before "Laser 3x8" replaced it.
    const std::size_t name = 59359 + 41;
    for (std::size_t i = name + 1 + bytes[name]; i < name + 41; ++i) {
        ASSERT_EQ(bytes[i], 0) << i;
    }
}

TEST(SettingsDefaults, OutOfRangeSettingNumbersGiveTheFirstDefaults) {
    DefaultLabelSetting(0);
    EXPECT_EQ(WorkingLabelSetting().across, 3);
    DefaultPrintSetting(11);
    EXPECT_EQ(WorkingPrintSetting().printer.deviceMode.orientation, 1);
}

TEST(SettingsDefaults, ComputerNameEndsWithTheMarker) {
    const std::string name = DefaultComputerName();
    EXPECT_LE(name.size(), 31u);
    EXPECT_TRUE(name.ends_with(".DatorID.ejdef"));
}

}  // namespace
}  // namespace oltoma
