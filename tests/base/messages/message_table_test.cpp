#include <gtest/gtest.h>

#include "base/messages/messages.h"
#include "base/text/windows1252.h"

namespace oltoma {
namespace {

std::string Utf8Text(int number) {
    return Utf8FromWindows1252(msgtext(number));
}

TEST(MessageTable, NumberRangesAndTheirFallbacks) {
    const std::pair<int, const char*> cases[] = {
        {-16, "Okänt nummer i msgtextanrop=    -16"},
        {-15, "Ogiltigt drivrutinnummer"},
        {-1, "Grafik ej initierad"},
        {0, "Inget fel!"},
        {7, "Okänt nummer i msgtextanrop=      7"},  // empty entries count as unknown
        {32, "Okänt nummer i msgtextanrop=     32"},
        {99, "."},
        {216, "Generellt skyddsfel GPfault"},
        {217, "Okänt nummer i msgtextanrop=    217"},
        {251, "SB: tag field, wrong variant"},
        {300, "Okänt nummer i msgtextanrop=    300"},
        {404, "Minnet slut! Kan ej lagra screenfil"},
        {546, "Skidlottat!"},
        {547, "Okänt nummer i msgtextanrop=    547"},
        {995, "Ange datafilens programtyp med piltangenterna:"},
        {9499, "Okänt nummer i msgtextanrop=   9499"},
        {9500, "Btree: IOresult=  0"},
        {9501, "Btree: errornr=  9501"},
        {10135, "Btree: errornr= 10135"},
        {10412, "Btree: Reorg: Dataposten större än 65535"},
        {10499, "Btree: errornr= 10499"},
        {10500, "Okänt nummer i msgtextanrop=  10500"},
        {-1234567, "Okänt nummer i msgtextanrop= -12345"},  // cut to 35
    };
    for (const auto& [number, text] : cases) {
        EXPECT_EQ(Utf8Text(number), text) << number;
    }
}

TEST(MessageTable, TextsAreVerbatimWithTheirSpacesQuotesAndSwedishLetters) {
    const std::pair<int, const char*> cases[] = {
        {-9, "Minne räcker inte för att ladda font"},
        {5, "Filåtkomst förvägras"},
        {17, "Kan ej göra namnbyte mellan skivenheter"},
        {303, " existerar redan. Kopiera "},
        {305, "Önskas möjlighet att ändra färger?"},
        {324, "Datafiler saknas/ ej i aktuellt bibliotek"},
        {328, " <Esc> avbryter..."},
        {362, "  Tryck <CR>"},
        {365, "Printererror. ÅÅtgärda! Printerutskriften klar att fortsätta?"},
        {502, "Raderad!              "},
        {518, "Kan ej \"Rename\" fil "},
        {519, " misslyckad \"indexBuild\" "},
        {522, "Kan ej bygga ytterligare index om inte \"OlBas\" vald!"},
        {10150, "Btree: Ogiltigt \"opening mode\""},
        {10020, "Btree: MakeFileBlock: 21<DataStorleken>2147MB"},
        {10265, "Btree: PrevKey: Sekevensiellt anrop ej tillåten"},
    };
    for (const auto& [number, text] : cases) {
        EXPECT_EQ(Utf8Text(number), text) << number;
    }
    // Stored as Windows-1252: ä is one byte.
    EXPECT_EQ(msgtext(-9).substr(6, 2), "r\xE4");
}

// Guards the table as a whole: the number of texts in each range.
TEST(MessageTable, EveryRangeHoldsItsTextsAndEveryTextFits) {
    const struct {
        int first;
        int last;
        int texts;
    } ranges[] = {{-15, -1, 15},  {0, 216, 50},  {251, 287, 11},   {301, 404, 83},
                  {501, 546, 46}, {990, 995, 6}, {9500, 10499, 69}};
    const std::string unknown = Windows1252FromUtf8("Okänt nummer");
    const std::string btreeUnknown = "Btree: errornr=";
    for (const auto& range : ranges) {
        int texts = 0;
        for (int number = range.first; number <= range.last; ++number) {
            const std::string text = msgtext(number);
            EXPECT_FALSE(text.empty()) << number;
            EXPECT_LE(text.size(), 100u) << number;
            if (text.rfind(unknown, 0) != 0 && text.rfind(btreeUnknown, 0) != 0) {
                ++texts;
            }
        }
        EXPECT_EQ(texts, range.texts) << range.first << ".." << range.last;
    }
}

}  // namespace
}  // namespace oltoma
