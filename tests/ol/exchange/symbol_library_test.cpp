// The shipped symbol library: its drawing, its rules for keys, and the
// generated file imported into an empty route description register.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "base/text/windows1252.h"
#include "exchange_fixture.h"
#include "ol/exchange/symbol_drawing.h"
#include "ol/exchange/symbol_library.h"

namespace oltoma::ol::testing {
namespace {

std::vector<SymbolSource> Parsed(const std::string& utf8) {
    std::vector<SymbolSource> symbols;
    std::string error;
    EXPECT_TRUE(ParseSymbolSources(utf8, symbols, error)) << error;
    return symbols;
}

std::string Slurp(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST(SymbolDrawing, ShapesCoverThePixelsWhoseCentresTheyHold) {
    // A pixel is 3 units wide and 2 high; pixel (c, r) has its centre at
    // (3c + 1.5, 2r + 1).
    const auto symbols = Parsed(
        "symbol A a\n"
        "  width 2\n"
        "  line 60 100 90 100\n"  // half width 1: rows whose centre is 99..101
        "  disc 30 30 4\n"
        "  polygon 120 10 140 10 140 30 120 30\n"
        "end\n");
    ASSERT_EQ(symbols.size(), 1u);
    const SymbolPicture picture = DrawSymbol(symbols[0].shapes, false);
    EXPECT_TRUE(PixelSet(picture, 20, 49));   // centre (61.5, 99)
    EXPECT_TRUE(PixelSet(picture, 29, 50));   // centre (88.5, 101)
    EXPECT_FALSE(PixelSet(picture, 20, 48));  // centre (61.5, 97)
    EXPECT_FALSE(PixelSet(picture, 30, 49));  // centre (91.5, 99): beyond the end
    EXPECT_TRUE(PixelSet(picture, 9, 14));    // centre (28.5, 29), 1.8 from the disc's centre
    EXPECT_FALSE(PixelSet(picture, 8, 12));   // centre (25.5, 25)
    EXPECT_TRUE(PixelSet(picture, 40, 5));    // centre (121.5, 11)
    EXPECT_FALSE(PixelSet(picture, 47, 15));  // centre (142.5, 31)
    EXPECT_FALSE(PixelSet(picture, 0, 0));

    const SymbolPicture framed = DrawSymbol({}, true);
    for (int row = 0; row < kSymbolPixelHeight; ++row) {
        EXPECT_TRUE(PixelSet(framed, 0, row));
    }
    for (int column = 0; column < kSymbolPixelWidth; ++column) {
        EXPECT_TRUE(PixelSet(framed, column, 0));
    }
    EXPECT_FALSE(PixelSet(framed, 1, 1));
}

TEST(SymbolDrawing, RotatedDrawingsMakeEightSymbols) {
    const auto symbols = Parsed(
        "column G\n"
        "rotated {K}SIDA 11.1 {A} sidan\n  disc 72 20 6\nend\n"
        "rotated {A} 0.1/0.2 {A}\n  disc 72 20 6\nend\n");
    ASSERT_EQ(symbols.size(), 16u);
    EXPECT_EQ(symbols[1].key, "NOSIDA");
    EXPECT_EQ(Utf8FromWindows1252(symbols[1].text), "11.1 Nordöstra sidan");
    EXPECT_EQ(symbols[1].column, 'G');
    EXPECT_EQ(Utf8FromWindows1252(symbols[2].key), "OSIDA");
    EXPECT_EQ(symbols[2].shapes[0].points[0].x, 124);  // north turned to east
    EXPECT_EQ(symbols[2].shapes[0].points[0].y, 72);
    EXPECT_EQ(Utf8FromWindows1252(symbols[8].key), "NORRA");
    EXPECT_EQ(Utf8FromWindows1252(symbols[8].text), "0.1 Norra");
    EXPECT_EQ(Utf8FromWindows1252(symbols[13].text), "0.2 Sydvästra");
}

TEST(SymbolDrawing, SourcesThatCannotBeReadSayWhere) {
    const std::pair<const char*, const char*> cases[] = {
        {"symbol A a\n  line 1 2 3\nend\n", "line 2: cannot read \"  line 1 2 3\""},
        {"symbol A a\nend\n", "line 2: a symbol without a drawing"},
        {"\n\nsymbol A a\n  disc 1 1 1\n", "line 4: the last symbol has no end"},
        {"column X\n", "line 1: expected column, symbol or rotated"},
        {"symbol A\n", "line 1: expected column, symbol or rotated"},
    };
    for (const auto& [text, expected] : cases) {
        std::vector<SymbolSource> symbols;
        std::string error;
        EXPECT_FALSE(ParseSymbolSources(text, symbols, error)) << text;
        EXPECT_EQ(error, expected);
    }
}

TEST(SymbolDrawing, KeysAreSearchWords) {
    const std::pair<const char*, bool> cases[] = {
        {"KULLE", true},        {"HÖJD", true},         {"NORDVÄSTRA", true},
        {"LITENRAVIN", true},   {"KULLEKULLEX", false}, {"kulle", false},
        {"LITEN RAVIN", false}, {"A,B", false},         {"1/2", false},
        {"_VU", false},         {"12", false},          {"EXI", false},
        {"NUL", false},         {"NOT", false},         {"", false},
        {"-A", false},
    };
    for (const auto& [key, sound] : cases) {
        EXPECT_EQ(KeyProblem(Windows1252FromUtf8(key)).empty(), sound) << key;
    }
}

class SymbolLibrary : public ExchangeTest {
protected:
    std::vector<SymbolSource> Sources() {
        std::vector<SymbolSource> symbols;
        for (const char* column : {"c", "d", "e", "f", "g", "h"}) {
            std::string error;
            const std::string text =
                Slurp(std::string(OLTOMA_SYMBOL_SOURCES) + "/kolumn_" + column + ".txt");
            EXPECT_FALSE(text.empty()) << column;
            EXPECT_TRUE(ParseSymbolSources(text, symbols, error)) << error;
        }
        return symbols;
    }
};

TEST_F(SymbolLibrary, TheGeneratedFileImportsEveryPictureAsDrawn) {
    const std::string library = FindSymbolLibrary();
    ASSERT_FALSE(library.empty());
    ASSERT_TRUE(Route24RegisterEmpty());
    const std::vector<SymbolSource> sources = Sources();
    ASSERT_GT(sources.size(), 150u);

    boxes.answers = {platform::MessageResult::Yes};
    ASSERT_TRUE(OfferSymbolLibrary(0));
    EXPECT_EQ(Utf8FromWindows1252(boxes.shown.at(0).text),
              "Rutbeskrivningsregistret är tomt. Importera symbolbiblioteket (IOF 2018)?");
    EXPECT_EQ(CountsLine(LogLines()),
              "Adderade: " + std::to_string(sources.size() + 3) +
                  " Modifierade:   0 Rader: " + std::to_string(3 + 28 * (sources.size() + 3)));
    EXPECT_EQ(storage::UsedRecs(Ol().route24File), static_cast<int>(sources.size() + 3));

    std::set<std::string> keys;
    int number = 0;
    for (const SymbolSource& source : sources) {
        SCOPED_TRACE(Utf8FromWindows1252(source.key));
        EXPECT_EQ(KeyProblem(source.key), "");
        EXPECT_TRUE(keys.insert(source.key).second);
        std::int32_t rc = 0;
        bool notFound = true;
        bool ok = false;
        ASSERT_TRUE(FindRoute24(FindMode::kByKey, source.key, rc, notFound, ok));
        const Rutb24Rec& symbol = Ol().route24.rec;
        EXPECT_EQ(symbol.Text, source.text);
        EXPECT_EQ(symbol.Mark, ++number);
        const SymbolPicture drawn = DrawSymbol(source.shapes, true);
        EXPECT_TRUE(std::equal(drawn.begin(), drawn.end(), &symbol.Symbol[0][0][0]));
    }
    number = 901;
    for (const FrameSymbol& frame : FrameSymbols()) {
        std::int32_t rc = 0;
        bool notFound = true;
        bool ok = false;
        ASSERT_TRUE(FindRoute24(FindMode::kByKey, frame.key, rc, notFound, ok)) << frame.key;
        EXPECT_EQ(Ol().route24.rec.Mark, number++);
        EXPECT_TRUE(std::equal(frame.picture.begin(), frame.picture.end(),
                               &Ol().route24.rec.Symbol[0][0][0]));
    }

    // A register that holds symbols is not offered the library again.
    EXPECT_FALSE(Route24RegisterEmpty());
    EXPECT_FALSE(OfferSymbolLibrary(0));
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(SymbolLibrary, DecliningTheOfferImportsNothing) {
    // The older route file is in use: RUTB24 is looked at all the same.
    WorkingGlobalSettings().routeDescriptionFormat = 0;
    ASSERT_TRUE(OpenCommonFiles());
    boxes.answers = {platform::MessageResult::No};
    EXPECT_FALSE(OfferSymbolLibrary(0));
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(Route24RegisterEmpty());
    EXPECT_TRUE(LogLines().empty());
}

}  // namespace
}  // namespace oltoma::ol::testing
