// Makes the symbol library the program ships from its readable sources:
//
//   make_symbol_library OUTPUT_FOLDER SOURCE...
//
// writes OUTPUT_FOLDER/symbolbibliotek-iof2018.txt, an exchange file
// (Windows-1252, CR LF) with one "*RutB24" section: every symbol of the
// sources in their order, numbered from 1, then the three frames the
// description grid looks up (901..903); and
// OUTPUT_FOLDER/symbolbibliotek-iof2018-nycklar.txt, the list of search
// words for users (UTF-8): key, column and text. A source that cannot be
// read, a key that cannot be a search word, a key twice and a text with ","
// or over 48 characters stop it with exit status 1.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "base/text/windows1252.h"
#include "ol/exchange/symbol_drawing.h"

namespace {

using namespace oltoma;
using namespace oltoma::ol;

constexpr int kFirstFrameNumber = 901;
constexpr std::size_t kMaxTextLength = 48;

bool ReadSources(int count, char** names, std::vector<SymbolSource>& symbols) {
    for (int i = 0; i < count; ++i) {
        std::ifstream file(names[i], std::ios::binary);
        const std::string text(std::istreambuf_iterator<char>(file), {});
        std::string error;
        if (!file || !ParseSymbolSources(text, symbols, error)) {
            std::cerr << names[i] << ": " << (error.empty() ? "cannot be read" : error) << '\n';
            return false;
        }
    }
    return true;
}

bool Checked(const std::vector<SymbolSource>& symbols) {
    std::set<std::string> keys;
    bool sound = true;
    for (const SymbolSource& symbol : symbols) {
        const std::string key = Utf8FromWindows1252(symbol.key);
        std::string problem = KeyProblem(symbol.key);
        if (problem.empty() && !keys.insert(symbol.key).second) {
            problem = "the key is used twice";
        }
        if (problem.empty() && (symbol.text.empty() || symbol.text.size() > kMaxTextLength ||
                                symbol.text.find(',') != std::string::npos)) {
            problem = "a text has 1..48 characters and no \",\"";
        }
        if (!problem.empty()) {
            std::cerr << key << ": " << problem << '\n';
            sound = false;
        }
    }
    return sound;
}

bool WriteLibrary(const std::filesystem::path& name, const std::vector<SymbolSource>& symbols) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    const auto write = [&out](const std::string& windows1252) { out << windows1252 << "\r\n"; };
    write(Windows1252FromUtf8(
        "; Symbolbibliotek för rutbeskrivningar: IOF:s kontrollbeskrivningar 2018, kolumn C-H"));
    write(Windows1252FromUtf8("; Sökorden finns i " + std::string(kSymbolKeyListFileName)));
    write("*RutB24");
    int number = 0;
    for (const SymbolSource& symbol : symbols) {
        for (const std::string& line : Symbol24RecordLines(symbol.key, symbol.text, ++number,
                                                           DrawSymbol(symbol.shapes, true))) {
            write(line);
        }
    }
    number = kFirstFrameNumber;
    for (const FrameSymbol& frame : FrameSymbols()) {
        for (const std::string& line :
             Symbol24RecordLines(frame.key, frame.text, number++, frame.picture)) {
            write(line);
        }
    }
    out.close();
    return static_cast<bool>(out);
}

bool WriteKeyList(const std::filesystem::path& name, const std::vector<SymbolSource>& symbols) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << "# Sökord för rutbeskrivningarnas celler (kontrollregistret): sökord, kolumn, text\n";
    for (const SymbolSource& symbol : symbols) {
        // Padded by characters: in UTF-8 a letter may take two bytes.
        const std::string padding(12 - std::min<std::size_t>(12, symbol.key.size()), ' ');
        out << Utf8FromWindows1252(symbol.key) << padding << symbol.column << "  "
            << Utf8FromWindows1252(symbol.text) << '\n';
    }
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: make_symbol_library OUTPUT_FOLDER SOURCE...\n";
        return 2;
    }
    std::vector<SymbolSource> symbols;
    if (!ReadSources(argc - 2, argv + 2, symbols) || !Checked(symbols)) {
        return 1;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!WriteLibrary(folder / std::string(kSymbolLibraryFileName), symbols) ||
        !WriteKeyList(folder / std::string(kSymbolKeyListFileName), symbols)) {
        std::cerr << "make_symbol_library: cannot write into " << folder << '\n';
        return 1;
    }
    return 0;
}
