#include "ol/exchange/import_file.h"

#include <string_view>
#include <vector>

#include "base/files/exchange_field.h"
#include "base/files/exchange_file.h"
#include "base/files/file_choice.h"
#include "base/messages/memory_check.h"
#include "base/messages/messages.h"
#include "base/messages/progress.h"
#include "base/settings/settings_state.h"
#include "base/text/number_format.h"
#include "base/text/windows1252.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/data/files/route_file.h"
#include "ol/exchange/draw_mode.h"
#include "ol/exchange/import_log.h"
#include "ol/exchange/import_records.h"
#include "ol/exchange/import_sections.h"
#include "ol/exchange/import_store.h"
#include "ol/exchange/iof/course_data_import.h"
#include "ol/exchange/result_counters.h"
#include "ol/exchange/result_log.h"

namespace oltoma::ol {
namespace {

namespace S = ImportSection;

constexpr std::int64_t kLineBufferBytes = kMaxRecordLines * 256;  // 7168
constexpr int kStatusCode = 1;
constexpr int kInformationCode = 201;
constexpr int kNoDataFilesCode = 39;
constexpr int kProgressLines = 4;
constexpr char kCommentCharacter = ';';

void ShowStatus(std::string_view text) {
    DisplayMessage(kStatusCode, text);
}

// The state of one file's import.
struct FileImport {
    int section = S::kNamn;  // the current section
    bool accepted = false;   // a header has been accepted
    bool firstHeader = true;
    bool stop = false;
    bool aborted = false;
    bool ended = false;  // EndFile has run
    std::vector<std::string> lines;
    int savedRouteFormat = 0;
    std::int16_t savedMaxDag = 0;
};

enum class HeaderEffect { continueRecord, endRecord, endFile };

// The number after the first "=" of a header line (the whole line when it
// has none, which reads as 0).
std::int32_t HeaderNumber(std::string_view line) {
    const std::size_t equals = line.find('=');
    return FieldNumber(equals == std::string_view::npos ? line : line.substr(equals + 1));
}

bool GroupWithClassesOpen() {
    return Ol().ParticipantFilesOpen || Ol().DefinitionFilesOpen;
}

bool RefusedForFiles() {
    SetMessageLine(Windows1252FromUtf8("Filerna inte öppna"));
    return false;
}

bool EnsureParticipantFiles() {
    if (!Ol().ParticipantFilesOpen) {
        CloseDefinitionFiles();
        OpenParticipantFiles();
    }
    return Ol().ParticipantFilesOpen || RefusedForFiles();
}

bool EnsureDefinitionFiles() {
    if (!Ol().DefinitionFilesOpen) {
        CloseParticipantFiles();
        OpenDefinitionFiles();
    }
    return Ol().DefinitionFilesOpen || RefusedForFiles();
}

bool SwitchRouteFormatTo(int format) {
    WorkingGlobalSettings().routeDescriptionFormat = static_cast<std::uint8_t>(format);
    return SwitchRouteFormat();
}

void EndSection(FileImport& file, int previous) {
    if (file.firstHeader || !IsResultsSection(previous)) {
        return;
    }
    ResultLogEnd();
    InfoRec& competition = Ol().competition.rec;
    const int split = competition.MellanTid;
    const int stage = competition.DagStr;
    if (CountCell(competition, split) == CountCell(competition, stage * kPositionCount + split)) {
        competition.maxDag = file.savedMaxDag;
    }
    if (IsSet(competition.Relay)) {
        for (int leg = 1; leg <= competition.maxDag; ++leg) {
            if (leg * kPositionCount + split >= kResultTableSize) {
                break;
            }
            ClearResultIndex(competition, leg * kPositionCount + split);
        }
    } else {
        ClearResultIndex(competition, stage * kPositionCount + split);
    }
    ClearResultIndex(competition, split);
    if (IsSet(competition.PrLogg)) {
        OpenImportLog();
    }
}

bool StartResults(FileImport& file) {
    InfoRec& competition = Ol().competition.rec;
    if (IsSet(competition.PrLogg)) {
        CloseImportLog();
    }
    if (!EnsureParticipantFiles()) {
        return false;
    }
    ClearClass();
    file.savedMaxDag = competition.maxDag;
    if (competition.maxDag < competition.DagStr) {
        competition.maxDag = competition.DagStr;
    }
    ResetResultLogSheets();
    ResultLogStart();
    return true;
}

// What a section does as it starts; false when it is refused.
bool StartSectionOfKind(FileImport& file, int section, std::string_view header) {
    InfoRec& competition = Ol().competition.rec;
    switch (section) {
        case S::kBas:
            CloseDefinitionFiles();
            CloseParticipantFiles();
            return true;
        case S::kRutbeskr:
            return SwitchRouteFormatTo(0);
        case S::kRutB24:
            return SwitchRouteFormatTo(1);
        case S::kBanor:
        case S::kKontroller:
            return EnsureDefinitionFiles();
        case S::kResultat:
        case S::kEmitresultat:
            return StartResults(file);
        case S::kEtapp: {
            const std::int32_t n = HeaderNumber(header);
            competition.DagStr = n <= 0 || n > competition.StrNr ? 1 : static_cast<std::int16_t>(n);
            return true;
        }
        case S::kMaxdag: {
            const std::int32_t n = HeaderNumber(header);
            competition.maxDag = n < 0 || n > competition.StrNr ? 1 : static_cast<std::int16_t>(n);
            return true;
        }
        case S::kKlasser:
            if (!GroupWithClassesOpen()) {
                OpenParticipantFiles();
            }
            return GroupWithClassesOpen() || RefusedForFiles();
        case S::kNamn:
        case S::kModifieraNamn:
            return EnsureParticipantFiles();
        case S::kKlubbLottad:
        case S::kMotionsLottad:
        case S::kJaktLottad:
        case S::kGruppLottad:
            if (!GroupWithClassesOpen()) {
                return RefusedForFiles();
            }
            SetDrawMode(section);
            return true;
        default:
            return true;
    }
}

// Ends the section before, then starts `section`; false when it is refused
// (the current section is then kRefused).
bool StartSection(FileImport& file, int section, std::string_view header) {
    if (!file.firstHeader) {
        EndSection(file, file.section);
    }
    file.firstHeader = false;
    if (!Ol().CommonFilesOpen) {
        ConfirmMessage(kNoDataFilesCode);
        file.section = S::kRefused;
        return false;
    }
    file.section = section;
    file.accepted = true;
    if (!StartSectionOfKind(file, section, header)) {
        file.section = S::kRefused;
        return false;
    }
    return true;
}

void EndFile(FileImport& file) {
    EndSection(file, file.section);
    file.ended = true;
    file.lines.clear();
    const ExchangeSummary summary = CloseExchangeFile();
    ImportLog("Adderade: " + IntSpacePadded(summary.added, 3) + " Modifierade: " +
              IntSpacePadded(summary.modified, 3) + " Rader: " + IntSpacePadded(summary.lines, 3));
    ImportLog("");
    // A route description file that could not be opened closed the common
    // files: open them and the competition again with the format restored.
    SwitchRouteFormatTo(file.savedRouteFormat);
    if (!Ol().CommonFilesOpen) {
        OpenCommonFiles();
        ReopenCompetition();
    }
}

HeaderEffect Header(FileImport& file, const std::string& line) {
    const int section = SectionOfHeader(line);
    if (section == S::kUnknown) {
        const std::string text = Windows1252FromUtf8("Okänd identifierare! Rad:") +
                                 IntSpacePadded(ExchangeLineNumber(), 5);
        SetMessageLine(text);
        ConfirmMessage(kInformationCode);
        ImportLog(text);
        EndFile(file);
        return HeaderEffect::endFile;
    }
    ImportLog("importerar \"" + std::string(SectionKeyword(section)) + "\"");
    const bool first = file.firstHeader;
    if (!StartSection(file, section, line)) {
        EndFile(file);
        return HeaderEffect::endFile;
    }
    return first ? HeaderEffect::continueRecord : HeaderEffect::endRecord;
}

void Comment(const std::string& line) {
    SetMessageLine(line);
    ImportLog(line);
    ConfirmMessage(kStatusCode);
}

void HandleRecord(FileImport& file, int section, int lineCount) {
    const std::vector<std::string> lines(file.lines.begin(), file.lines.begin() + lineCount);
    StoreOutcome outcome = StoreOutcome::stored;
    switch (section) {
        case S::kRutbeskr:
            outcome = StoreSymbol(ParseSymbol(lines));
            break;
        case S::kBanor:
            outcome = StoreCourse(ParseCourse(lines[0]));
            break;
        case S::kKontroller:
            outcome = StoreControl(ParseControl(lines[0]));
            break;
        case S::kRutB24:
            outcome = StoreSymbol24(ParseSymbol24(lines));
            break;
        default:
            return;
    }
    file.stop = file.stop || outcome == StoreOutcome::stop;
}

// Reads the lines of one record of the current section and hands it on.
void CollectRecord(FileImport& file) {
    int section = file.section;
    int collected = 0;
    bool headerMet = false;
    while (collected < SectionRecordLines(section) && !headerMet && !file.stop && !file.ended) {
        std::string line;
        if (!ReadExchangeLine(line)) {
            if (ExchangeReadFailed()) {
                ImportLogMessage(MessageLine.view());
            }
            return;
        }
        if (line.empty()) {
            continue;
        }
        if (line[0] == '*') {
            const HeaderEffect effect = Header(file, line);
            // The first header of a file goes on collecting in its section.
            headerMet = effect != HeaderEffect::continueRecord;
            section = file.section;
        } else if (line[0] == ';') {
            Comment(line);
        } else {
            file.lines[collected++] = line;
        }
    }
    if (!headerMet && !file.ended && file.accepted && collected == SectionRecordLines(section)) {
        HandleRecord(file, section, collected);
    }
}

// A file that begins as XML: an IOF XML CourseData document, stored as the
// control and course sections store their records, after the definition
// files have been opened as their headers open them.
void ImportXmlDocument(FileImport& file) {
    file.savedRouteFormat = WorkingGlobalSettings().routeDescriptionFormat;
    const iof::CourseDataReading reading = iof::ReadExchangeCourseData(Ol().competition.rec.DagStr);
    if (reading.status == iof::ReadStatus::sound) {
        ImportLog(iof::CourseDataSectionLine(reading.data));
        if (StartSection(file, S::kKontroller, {})) {
            file.aborted = iof::StoreCourseData(reading.data) == iof::StoreEnd::aborted;
        }
    }
    if (file.aborted) {
        ImportLog("");
        ImportLog("<< avbrutet >>");
        ImportLog("");
    }
    EndFile(file);
}

void ImportOpenFile(FileImport& file) {
    file.lines.assign(kMaxRecordLines, std::string());
    file.savedRouteFormat = WorkingGlobalSettings().routeDescriptionFormat;
    while (!ExchangeEof() && !file.stop && !file.aborted && !file.ended) {
        CollectRecord(file);
        file.aborted = file.aborted || ProgressAborted();
    }
    if (file.ended) {
        return;
    }
    if (file.aborted) {
        ImportLog("");
        ImportLog("<< avbrutet >>");
        ImportLog("");
    }
    EndFile(file);
}

}  // namespace

void ImportFile(platform::WindowHandle owner, const std::string& fileName,
                const std::string& folder, int index, int count) {
    if (index == 1) {
        OpenImportLog();
    }
    bool aborted = false;
    const std::string path = folder.empty() ? fileName : folder + "/" + fileName;
    if (!MemoryAvailable(kLineBufferBytes)) {
        ShowStatus(Windows1252FromUtf8("Minnet på heapen räcker inte för variabeldeklaration."));
    } else if (OpenExchangeFileForReading(owner, kCommentCharacter, path, kProgressLines)) {
        ImportLog("============================");
        ImportLog("importerar \"" + path + "\"");
        ImportLog("");
        FileImport file;
        if (ReadsAsXmlDocument(path)) {
            ImportXmlDocument(file);
        } else {
            ImportOpenFile(file);
        }
        aborted = file.aborted;
    }
    // The last file closes the log however it ended, so no print job
    // outlives the command.
    if (index >= count || aborted) {
        CloseImportLog();
    }
}

}  // namespace oltoma::ol
