#include "ol/data/records/class_designation.h"

#include <gtest/gtest.h>

#include "base/text/windows1252.h"

namespace oltoma::ol {
namespace {

TEST(ClassDesignation, AgeAndCategory) {
    struct Case {
        const char* designation;
        int age;
        ClassCategory category;
    };
    const Case cases[] = {
        {"H21E", 21, ClassCategory::elite},
        {"D20E", 20, ClassCategory::elite},
        {"HU21E", 21, ClassCategory::other},  // a youth word spoils elite
        {"U1E", 1, ClassCategory::youth},
        {"D16", 16, ClassCategory::youth},
        {"H10K", 10, ClassCategory::youth},
        {"H17", 17, ClassCategory::other},
        {"D0", 0, ClassCategory::other},
        {"INS", 0, ClassCategory::youth},
        {"SKOLA", 0, ClassCategory::youth},
        {"UNGDSKOL", 0, ClassCategory::youth},
        {"INS18", 18, ClassCategory::other},  // an age above 16 wins over the word
        {"DIR", 0, ClassCategory::other},
        {"ÖPPEN", 0, ClassCategory::elite},  // the rule looks only for the letter
        {"H35-2", 35, ClassCategory::other},
        {"", 0, ClassCategory::other},
        {"99999999", 99999999, ClassCategory::other},
    };
    for (const Case& c : cases) {
        const std::string designation = Windows1252FromUtf8(c.designation);
        EXPECT_EQ(ClassAge(designation), c.age) << c.designation;
        EXPECT_EQ(CategoryOfClass(designation), c.category) << c.designation;
    }
}

TEST(ClassDesignation, FilterMatchesWordBeginnings) {
    struct Case {
        const char* filter;
        const char* designation;
        bool matches;
    };
    const Case cases[] = {
        {"Ö DIR", "ÖPPEN 1", true},
        {"Ö DIR", "DIREKT", true},
        {"Ö DIR", "DIR", true},
        {"Ö DIR", "DI", false},  // the word is longer than the designation
        {"Ö DIR", "D10", false},
        {"Ö DIR", "öppen", false},       // case-sensitive
        {"  H21   D21 ", "D21E", true},  // runs of blanks hold no word
        {"", "H21", false},
        {"   ", "H21", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(
            ClassFilterMatches(Windows1252FromUtf8(c.filter), Windows1252FromUtf8(c.designation)),
            c.matches)
            << '"' << c.filter << "\" " << c.designation;
    }
}

}  // namespace
}  // namespace oltoma::ol
