// libFuzzer target: imports one to three fuzzed exchange files into a data
// directory with common files, symbols in both route description files and
// two competitions, exactly as oltoma-tool import does (the chooser's order
// and refusals, ImportChosenFiles), with the log on the recording printer.
// Files that begin as XML go to the CourseData import, as the program hands
// them on. Afterwards the competition's course data is exported as IOF XML
// and must read back as a sound document (whatever the import stored, the
// export writes well-formed XML); then, with the files closed, the directory
// must pass the file set check, no log line may exceed 255 characters and no
// print job may be left running. The raw input also goes through the line
// reader and GetField, and each file through the CourseData reader.
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/files/exchange_field.h"
#include "base/files/exchange_line_reader.h"
#include "base/files/file_choice.h"
#include "base/settings/settings_defaults.h"
#include "base/settings/settings_state.h"
#include "base/text/number_format.h"
#include "base/text/windows1252.h"
#include "exchange_input.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/main_window_support.h"
#include "ol/data/files/ol_startup.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/data/files/route_file.h"
#include "ol/data/maintenance/file_set_check.h"
#include "ol/data/records/club_counters.h"
#include "ol/data/records/entry_counts.h"
#include "ol/exchange/import_command.h"
#include "ol/exchange/iof/course_data_export.h"
#include "ol/exchange/iof/course_data_reader.h"
#include "platform/print/recording_printer.h"
#include "print/log_list.h"

namespace {

namespace fs = std::filesystem;
using namespace oltoma;
using oltoma::fuzz::ExchangeInput;

constexpr std::size_t kMaxLogLine = 255;
constexpr int kFieldsTried = 40;

struct Folders {
    std::string root;
    std::string templateData;
    std::string data;
    std::string files;
    std::string exported;
};

Folders& Paths() {
    static Folders folders;
    return folders;
}

// The save dialog of the course data export, answered with the IOF XML
// filter and a file in the fuzz folder.
class ExportDialogs final : public platform::FileDialogs {
public:
    platform::FileDialogAnswer Ask(platform::WindowHandle,
                                   const platform::FileDialogRequest&) override {
        return {true, Paths().exported, ol::kIofXmlFilter};
    }
};

platform::RecordingPrinter& Printer() {
    static platform::RecordingPrinter printer;
    return printer;
}

bool& LongLogLine() {
    static bool seen = false;
    return seen;
}

void CheckLogLine(std::string_view line) {
    LongLogLine() = LongLogLine() || line.size() > kMaxLogLine;
}

void Fail(const std::string& why) {
    std::fprintf(stderr, "exchange_import_fuzzer: %s\n", why.c_str());
    std::abort();
}

void StartDataLayer(const std::string& folder, int routeFormat) {
    DefaultGlobalSettings();
    GlobalSettings& settings = WorkingGlobalSettings();
    settings.routeDescriptionFormat = static_cast<std::uint8_t>(routeFormat);
    settings.dataDirectories[kOltomaApplicationKind] = Windows1252FromUtf8(folder);
    settings.currentNumbers[kOltomaApplicationKind] = 0;
    if (!ol::OlStartup({})) {
        Fail("the storage engine did not start");
    }
}

void Check(bool sound, const char* what) {
    if (!sound) {
        Fail(std::string("making the template: ") + what);
    }
}

void AddCompetition(const char* name, const char* designation, std::int16_t bibs) {
    ol::CloseParticipantFiles();
    ol::ClearCompetitionRecord();
    ol::Ol().competition.rec.Tvl = Windows1252FromUtf8(name);
    ol::Ol().competition.rec.StrNr = 2;
    int n = 0;
    Check(ol::SaveCompetition(true, n) && ol::CreateCompetitionFiles(), "a competition");
    ol::ClearClass();
    ol::Ol().klass.rec.Bet = designation;
    ol::Ol().klass.rec.Nummerlapp = bibs;
    std::int32_t classRc = 0;
    Check(ol::SaveClass(true, classRc), "a class");
    // Three entries in the first class, counted as the index rebuild counts
    // them: the draw sees a class with entries and the file set is sound.
    ol::KlassRec& klass = ol::Ol().klass.rec;
    std::int32_t rc = 0;
    for (std::int16_t number = 1; number <= 3; ++number) {
        ol::ClearParticipant();
        ol::DeltRec& participant = ol::Ol().participant.rec;
        participant.Nr = number;
        participant.NrStr = IntZeroPadded(number, 4);
        participant.ClubRc = 1;
        participant.KlassRc = classRc;
        Check(ol::SaveParticipant(true, rc), "a participant");
        ol::CountEntryInGroups(participant, klass.StrNr, klass.Count);
        ol::CountEntryInGroups(participant, klass.StrNr, ol::Ol().competition.rec.Count);
        ol::CountClubEntry(ol::Ol().clubTable, participant, klass.Bet.view(), 1);
    }
    ol::SetEntryCount(ol::Ol().clubTable, 1, 3);
    ol::SetEntryCount(ol::Ol().clubTable, 0, 1);
    Check(ol::RewriteClass(classRc), "the class's counters");
    ol::ClearClass();
    ol::Ol().klass.rec.Bet = "D21";
    Check(ol::SaveClass(true, rc), "a class");
}

// Common files, a club, a few symbols in both route description files,
// competition 1 with two classes and competition 2 with a class with a
// Nummerlapp; the first class of each has three entries.
void MakeTemplate(const std::string& folder) {
    fs::create_directories(folder);
    StartDataLayer(folder, 0);
    Check(ol::CreateCommonFiles() && ol::OpenCommonFiles(), "the common files");
    for (const char* key : {"KULLE", "STEN", "X"}) {
        ol::ClearRoute();
        ol::Ol().route.rec.Namn = key;
        std::int32_t rc = 0;
        Check(ol::SaveRoute(true, rc), "a symbol");
    }
    WorkingGlobalSettings().routeDescriptionFormat = 1;
    Check(ol::SwitchRouteFormat(), "the 24-line route file");
    for (const char* key : {"KULLE", "STEN", "_VU"}) {
        ol::ClearRoute24();
        ol::Ol().route24.rec.Namn = key;
        std::int32_t rc = 0;
        Check(ol::SaveRoute24(true, rc), "a symbol");
    }
    ol::ClearClub();
    ol::Ol().club.rec.Namn = "KLUBBEN";
    std::int32_t clubRc = 0;
    Check(ol::SaveClub(true, clubRc), "a club");
    AddCompetition("Tävling", "H21", 0);
    AddCompetition("Med nummerlappar", "H10", 100);
    ol::CloseCommonFiles();
    ol::OlShutdown();
}

void CopyTemplate() {
    std::error_code ignored;
    fs::remove_all(Paths().data, ignored);
    fs::copy(Paths().templateData, Paths().data, ignored);
}

// The raw bytes through the line reader and the field cutter.
void ReadRaw(std::string_view bytes) {
    ExchangeLineReader reader(ReadFromMemory(bytes));
    std::string line;
    while (reader.Next(line) == ExchangeLineReader::Result::line) {
        if (line.size() > kMaxExchangeLineLength) {
            Fail("a line over 255 characters");
        }
        for (int n = 0; n <= kFieldsTried; ++n) {
            ReadNumber(GetField(line, ',', n));
        }
    }
}

// The course data as the export writes it must read back sound.
void ExportCourseData() {
    std::error_code ignored;
    fs::remove(Paths().exported, ignored);
    if (ol::ExportCourses(0) != ol::ExportResult::written) {
        return;  // no competition, or its definition files are refused
    }
    std::ifstream file(Paths().exported, std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(file), {});
    const ol::iof::CourseDataReading reading =
        ol::iof::ReadCourseData(ReadFromMemory(bytes), ol::Ol().competition.rec.DagStr);
    if (reading.status != ol::iof::ReadStatus::sound) {
        Fail("the exported course data reads back as \"" +
             Utf8FromWindows1252(ol::iof::RefusalText(reading)) + "\"");
    }
}

// The chooser's entries of the input's files, refused ones left out.
std::vector<FileChoiceEntry> Choose(const ExchangeInput& input) {
    std::error_code ignored;
    fs::remove_all(Paths().files, ignored);
    fs::create_directories(Paths().files);
    FileChoiceList list(kImportOnceOnlyCodes);
    for (std::size_t i = 0; i < input.files.size(); ++i) {
        const std::string name = "fil" + std::to_string(i + 1) + ".txt";
        std::ofstream(Paths().files + "/" + name, std::ios::binary) << input.files[i];
        list.Add(DescribeFile(Paths().files, name, kImportKeywordList));
    }
    return list.entries();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string pattern = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    pattern += "/oltoma-exchange-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("oltoma exchange fuzz folder");
        std::abort();
    }
    Folders& paths = Paths();
    paths.root = pattern;
    paths.templateData = paths.root + "/template";
    paths.data = paths.root + "/data";
    paths.files = paths.root + "/files";
    paths.exported = paths.root + "/export.xml";
    std::atexit([] {
        std::error_code ignored;
        fs::remove_all(Paths().root, ignored);
    });
    MakeTemplate(paths.templateData);
    platform::BindPrinter(&Printer());
    BindLogLineObserver(&CheckLogLine);
    static ExportDialogs dialogs;
    platform::Services services = platform::BindServices({});
    services.fileDialogs = &dialogs;
    platform::BindServices(services);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view raw(reinterpret_cast<const char*>(bytes), size);
    ReadRaw(raw);
    const ExchangeInput input = fuzz::DecodeExchangeInput(raw);
    for (const std::string& file : input.files) {
        ReadRaw(file);
        ol::iof::ReadCourseData(ReadFromMemory(file), 1);
    }
    CopyTemplate();
    StartDataLayer(Paths().data, (input.flags & fuzz::kRoute24Flag) != 0 ? 1 : 0);
    if (!ol::OpenCommonFiles()) {
        Fail("the common files of the copy did not open");
    }
    if ((input.flags & fuzz::kCompetitionFlag) != 0) {
        ol::ChooseCompetition((input.flags & fuzz::kSecondCompetitionFlag) != 0 ? 2 : 1);
        ol::Ol().competition.rec.PrLogg = (input.flags & fuzz::kPrLoggFlag) != 0 ? 1 : 0;
    }
    Printer().ClearCalls();
    LongLogLine() = false;
    ol::ImportChosenFiles(0, Choose(input));
    if (Printer().Printing() || LogIsOpen()) {
        Fail("a print job outlived the import");
    }
    if (LongLogLine()) {
        Fail("a log line over 255 characters");
    }
    ExportCourseData();
    ol::CloseCommonFiles();
    const std::vector<std::string> problems = ol::CheckFileSet(Paths().data);
    ol::OlShutdown();
    if (!problems.empty()) {
        Fail("the files are not sound: " + problems.front());
    }
    return 0;
}
