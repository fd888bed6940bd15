// Writes the seed corpus of the exchange import fuzzer into a folder: one
// file per section kind, the first records of the shipped symbol library,
// and the inputs other programs and damaged files give: binary bytes, NUL,
// long and unended lines, CR-only line ends, OEM and UTF-8 text, headers in
// lower case or with words after them, data before the first header, symbol
// records cut short, more than 35 codes, numbers with letters or 40 digits;
// and IOF XML course data: the team's own documents (tests/ol/exchange/iof/
// data), with and without a competition and beside a sectioned file, and
// documents that are refused.
//
//   make_exchange_seeds FOLDER
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "exchange_input.h"

namespace {

using oltoma::fuzz::ExchangeInput;

std::string Repeat(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

// A symbol record of the 24-line format: key line and 27 picture lines.
std::string Symbol24(const std::string& key, int lines = 27) {
    std::string record = key + ",1.10 Kulle,12\r\n";
    for (int line = 0; line < lines; ++line) {
        record += "0,1,2,300,-1,255,7,8,9,10,11,12,13,14,15,16\r\n";
    }
    return record;
}

std::string SymbolOlder(const std::string& key) {
    std::string record = key + ",Sten,3\r\n";
    for (int line = 0; line < 9; ++line) {
        record += "1,2,3,4,5,6,7,8,9,10,11,12,13,14\r\n";
    }
    return record;
}

// The first records of the shipped library, as it begins.
std::string LibraryStart() {
    std::ifstream file(OLTOMA_SYMBOL_LIBRARY, std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(file), {});
    std::size_t end = 0;
    for (int line = 0; line < 3 + 28 * 3 && end != std::string::npos; ++line) {
        end = text.find("\r\n", end == 0 ? 0 : end + 2);
    }
    return text.substr(0, end == std::string::npos ? text.size() : end + 2);
}

// The team's CourseData documents.
std::vector<std::string> CourseDataDocuments() {
    std::vector<std::string> documents;
    for (const auto& entry : std::filesystem::directory_iterator(OLTOMA_COURSE_DATA_DOCUMENTS)) {
        if (entry.path().extension() == ".xml") {
            std::ifstream file(entry.path(), std::ios::binary);
            documents.emplace_back(std::istreambuf_iterator<char>(file),
                                   std::istreambuf_iterator<char>());
        }
    }
    return documents;
}

std::string CourseData(const std::string& race) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<CourseData xmlns=\"http://www.orienteering.org/datastandard/3.0\" "
           "iofVersion=\"3.0\"><Event><Name>Fuzz</Name></Event><RaceCourseData>" +
           race + "</RaceCourseData></CourseData>\n";
}

std::vector<ExchangeInput> CourseDataSeeds() {
    const std::uint8_t competition = oltoma::fuzz::kCompetitionFlag;
    const std::uint8_t second = oltoma::fuzz::kSecondCompetitionFlag;
    std::vector<ExchangeInput> seeds;
    for (const std::string& document : CourseDataDocuments()) {
        seeds.push_back({competition, {document}});
        seeds.push_back({competition | second, {document, "*Banor\r\nA,100,0,31\r\n"}});
        seeds.push_back({0, {document}});
    }
    seeds.push_back(
        {competition,
         {CourseData("<Control><Id>1001</Id></Control><Control><Id>31</Id>"
                     "<MapPosition x=\"0.05\" y=\"-1e3\" unit=\"mm\"/></Control>"
                     "<Course><Name>A very long course name</Name><Length>1.5</Length>"
                     "<CourseControl><Control>31</Control><Control>32</Control></CourseControl>"
                     "<CourseControl type=\"CrossingPoint\"><Control>K</Control>"
                     "</CourseControl></Course>"
                     "<ClassCourseAssignment><ClassName>H21</ClassName><CourseName>A"
                     "</CourseName></ClassCourseAssignment>")}});
    seeds.push_back(
        {competition, {"<!DOCTYPE x [<!ENTITY a \"b\">]><CourseData>&a;</CourseData>"}});
    seeds.push_back({competition, {CourseData("<Control><Id>31</Control>")}});
    seeds.push_back({competition, {"\xEF\xBB\xBF  <CourseData xmlns=\"urn:x\"/>"}});
    return seeds;
}

std::vector<ExchangeInput> Seeds() {
    const std::uint8_t competition = oltoma::fuzz::kCompetitionFlag;
    const std::uint8_t route24 = oltoma::fuzz::kRoute24Flag;
    const std::uint8_t prLogg = oltoma::fuzz::kPrLoggFlag;
    const std::uint8_t second = oltoma::fuzz::kSecondCompetitionFlag;
    std::string codes = "LANG,4000,50";
    for (int i = 0; i < 40; ++i) {
        codes += "," + std::to_string(31 + i);
    }
    return {
        // One file per section kind.
        {competition, {"*Bas\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n"}},
        {competition, {"*Klubbar\r\nOK LINNE,1,01\r\na\r\nb\r\nc\r\nd\r\n"}},
        {0, {"*Rutbeskr\r\n" + SymbolOlder("STEN") + SymbolOlder("")}},
        {
            competition,
            {"*Kontroller\r\n31,KULLE,,,,,,,10,20\r\n32,STEN,2.5,1/2,XYZ\r\n"},
        },
        {competition | route24,
         {"*Kontroller\r\n31\r\n32\r\n", "*Banor\r\nA,4500,120,31,32,,33\r\n"}},
        {competition | prLogg, {"*Resultat\r\n1,2,3\r\n"}},
        {competition, {"*Etapp=2\r\n*Maxdag=9\r\n"}},
        {competition, {"*Klasser\r\nH21\r\n"}},
        {competition, {"*Namn\r\nx\r\n*ModifieraNamn\r\ny\r\n"}},
        {competition, {"*KlubbLottad\r\n"}},
        {competition | second, {"*MotionsLottad\r\n*GruppLottad\r\n*JaktLottad\r\n"}},
        {route24, {"*RutB24\r\n" + Symbol24("KULLE") + Symbol24("NY")}},
        {competition, {"*Maxdag\r\n*Distrikt\r\n01,Stockholm\r\n*SkidLottad\r\n"}},
        {competition | prLogg | second, {"*Emitresultat\r\n1\r\n*Okänd\r\n"}},
        // The shipped library's first records.
        {route24, {LibraryStart()}},
        {0, {LibraryStart()}},
        // Damaged and foreign files.
        {competition, {std::string("\x00\x01\xFF\xFE*Banor\x00\r\n\x80\x81\x82", 14)}},
        {competition, {"*Kontroller\r31\r" + std::string(600, 'x') + "\r32"}},
        {competition, {"*kontroller från banläggaren\n\x99st,\x8E\n"}},
        {competition, {"\xEF\xBB\xBF*Kontroller\r\n\xC3\x96ST,KULLE\r\n"}},
        {competition, {"1,2,3\r\ndata before\r\n*Kontroller\r\n31"}},
        {route24, {"*RutB24\r\n" + Symbol24("KORT", 10) + "*RutB24\r\n" + Symbol24("SLUT", 5)}},
        {competition, {"*Banor\r\n" + codes + "\r\n"}},
        {competition,
         {"*Kontroller\r\n12a,3b,4c,5d,6e,7f,8g,9h," + std::string(40, '9') + ",-" +
          std::string(40, '9') + "\r\n"}},
        {competition, {"*Banor\r\nA," + std::string(40, '9') + ",99x\r\n", "*Okänd\r\n"}},
        {competition | prLogg, {"*Resultat\r\n", "*Resultat\r\n"}},
        {0, {Repeat("*\r\n", 50), Repeat(";kommentar\r\n", 20), ""}},
    };
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_exchange_seeds FOLDER\n");
        return 2;
    }
    std::filesystem::create_directories(argv[1]);
    std::vector<ExchangeInput> seeds = Seeds();
    for (ExchangeInput& seed : CourseDataSeeds()) {
        seeds.push_back(std::move(seed));
    }
    int n = 0;
    for (const ExchangeInput& seed : seeds) {
        const std::string name = std::string(argv[1]) + "/seed-" + std::to_string(++n);
        std::ofstream(name, std::ios::binary) << oltoma::fuzz::EncodeExchangeInput(seed);
    }
    return 0;
}
