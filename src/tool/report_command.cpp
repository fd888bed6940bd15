// oltoma-tool report DIR COMPETITION KIND [SELECTION...] --pdf FILE
//                    [--config CFG] [--setting N]
//
// Prints one report of data directory DIR to the PDF file FILE without a
// window, running the report code of the menu entry in its file group:
//
//   KIND               menu entry           SELECTION names
//   controls           "kontroller"         control codes
//   course-class       "banor klass"        class designations
//   code-course-class  "kodbanaklass"       control codes
//   courses            "banor "             course designations
//   route-data         "data och sökord"    route description keys
//   route-catalogue    "sammanställning"    route description keys
//   route-form         "blankett"           route description keys
//   class-list         "klasslista"         class designations
//
// The pick list is answered with the records the SELECTION arguments name
// (UTF-8, looked up by key as the registers find them), or with every
// candidate when none is given, and with PDF ticked; FILE answers the
// question for the file (".pdf" is added to a name without it, as in the
// program). Settings: the default print setting 1 without a printer (A4
// portrait, 600 dpi, 5 mm border), or print setting N (default the file's
// current one) of the configuration file CFG, which is only read; the
// machine's printers are never asked. COMPETITION is 1..8 (0 allowed for
// the route kinds).
//
// Exit 0 when FILE was written; 1 with the reason on standard error when
// nothing could be printed; 2 for bad usage.
#include <QGuiApplication>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>

#include "base/settings/configuration_file.h"
#include "base/settings/settings_defaults.h"
#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/definition_bracket.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/reports/report_kinds.h"
#include "platform/pdf_file_prompt.h"
#include "platform/print/picture_loader.h"
#include "platform/print/printer.h"
#include "platform/qt/print/qt_picture_reader.h"
#include "platform/qt/print/qt_printer.h"
#include "print/report_writer.h"
#include "registers/pick_dialog.h"
#include "tool/maintenance_session.h"
#include "tool/tool_commands.h"
#include "tool/usage_text.h"

namespace oltoma::tool {
namespace {

using ol::ReportFiles;
using ol::ReportKind;

struct ReportArguments {
    std::vector<std::string> positional;
    std::string pdfFile;
    std::string configFile;
    int setting = 0;  // 0: the configuration file's current one
};

int Usage(std::string_view why) {
    std::cerr << "oltoma-tool report: " << why << '\n';
    return CommandUsageError("report");
}

// Splits the options from the positional arguments; a message when they
// are malformed.
std::optional<std::string> ParseArguments(std::span<const std::string> arguments,
                                          ReportArguments& parsed) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool option =
            argument == "--pdf" || argument == "--config" || argument == "--setting";
        if (!option) {
            parsed.positional.push_back(argument);
            continue;
        }
        if (i + 1 >= arguments.size()) {
            return argument + " needs a value";
        }
        const std::string& value = arguments[++i];
        if (argument == "--pdf") {
            parsed.pdfFile = value;
        } else if (argument == "--config") {
            parsed.configFile = value;
        } else {
            const bool digits = !value.empty() && value.size() <= 2 &&
                                std::all_of(value.begin(), value.end(),
                                            [](char c) { return c >= '0' && c <= '9'; });
            parsed.setting = digits ? std::stoi(value) : -1;
            if (parsed.setting < 1 || parsed.setting > kSettingSlots) {
                return "--setting must be 1..10";
            }
        }
    }
    if (parsed.pdfFile.empty()) {
        return "--pdf FILE is required";
    }
    if (parsed.positional.size() < 3) {
        return "DIR, COMPETITION and KIND are required";
    }
    return std::nullopt;
}

// The working print setting from slot `setting` of configuration file
// `path` (0: its current one), read only. False with the reason.
bool ReadPrintSettingFrom(const std::string& path, int setting, std::string& failure) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size != static_cast<std::uintmax_t>(kConfigurationFileSize)) {
        failure = "the configuration file " + path + " cannot be read or is not " +
                  std::to_string(kConfigurationFileSize) + " bytes";
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    GlobalSettings global{};
    file.read(reinterpret_cast<char*>(&global), sizeof global);
    if (setting == 0) {
        setting = global.printSettingNumber >= 1 && global.printSettingNumber <= kSettingSlots
                      ? global.printSettingNumber
                      : 1;
    }
    file.seekg(kPrintSettingsOffset +
               (setting - 1) * static_cast<std::int64_t>(sizeof(PrintSetting)));
    file.read(reinterpret_cast<char*>(&WorkingPrintSetting()), sizeof(PrintSetting));
    if (!file) {
        failure = "the configuration file " + path + " cannot be read";
        return false;
    }
    return true;
}

// The pick dialog of the tool: answers with the records the selection
// names (every line without one) and PDF ticked.
class SelectionPicks final : public registers::PickDialog {
public:
    SelectionPicks(const ReportKind& kind, std::vector<std::string> selection)
        : kind_(kind), selection_(std::move(selection)) {}

    registers::PickDialogAnswer Run(const registers::PickDialogRequest& request) override {
        ran_ = true;
        registers::PickDialogAnswer answer{.ok = true, .pdf = true};
        if (selection_.empty()) {
            for (std::size_t i = 0; i < request.lines.size(); ++i) {
                answer.selected.push_back(static_cast<int>(i));
            }
            return answer;
        }
        for (const std::string& name : selection_) {
            const int line = LineOf(request, Windows1252FromUtf8(name));
            if (line < 0) {
                unknown_ = name;
                return {};
            }
            if (std::find(answer.selected.begin(), answer.selected.end(), line) ==
                answer.selected.end()) {
                answer.selected.push_back(line);
            }
        }
        std::sort(answer.selected.begin(), answer.selected.end());
        return answer;
    }

    bool Ran() const { return ran_; }
    const std::string& Unknown() const { return unknown_; }

private:
    int LineOf(const registers::PickDialogRequest& request, const std::string& key) const {
        std::int32_t rc = 0;
        bool notFound = true;
        bool ok = false;
        kind_.find(ol::FindMode::kByKey, key, rc, notFound, ok);
        if (notFound) {
            return -1;
        }
        const auto line = std::find(request.lines.begin(), request.lines.end(), kind_.pickLine());
        return line == request.lines.end() ? -1 : static_cast<int>(line - request.lines.begin());
    }

    const ReportKind& kind_;
    std::vector<std::string> selection_;
    bool ran_ = false;
    std::string unknown_;
};

class FixedPdfFile final : public platform::PdfFilePrompt {
public:
    explicit FixedPdfFile(std::string path) : path_(std::move(path)) {}
    std::string AskPdfFile(platform::WindowHandle, const std::string&) override { return path_; }

private:
    std::string path_;
};

// Binds the tool's answers, the Qt printer and picture reader for the
// lifetime of the object.
class ReportBindings {
public:
    ReportBindings(SelectionPicks& picks, FixedPdfFile& prompt)
        : previousPicks_(registers::BindPickDialog(&picks)),
          previousPrompt_(platform::BindPdfFilePrompt(&prompt)),
          previousPrinter_(platform::BindPrinter(&printer_)),
          previousReader_(platform::BindPictureFileReader(&reader_)) {}
    ~ReportBindings() {
        platform::BindPictureFileReader(previousReader_);
        platform::BindPrinter(previousPrinter_);
        platform::BindPdfFilePrompt(previousPrompt_);
        registers::BindPickDialog(previousPicks_);
    }
    ReportBindings(const ReportBindings&) = delete;
    ReportBindings& operator=(const ReportBindings&) = delete;

private:
    platform::QtPrinter printer_;
    platform::QtPictureReader reader_;
    registers::PickDialog* previousPicks_;
    platform::PdfFilePrompt* previousPrompt_;
    platform::Printer* previousPrinter_;
    platform::PictureFileReader* previousReader_;
};

// Opens the file group of the report; false with the reason.
bool OpenFileGroup(const ReportKind& kind, int competition, std::string& failure) {
    if (!ol::OpenCommonFiles()) {
        failure = "the data files of the folder cannot be opened";
        return false;
    }
    if (competition == 0) {
        return true;
    }
    WorkingGlobalSettings().currentNumber = competition;
    ol::ReopenCompetition();
    if (!ol::Ol().ParticipantFilesOpen) {
        failure = "competition " + std::to_string(competition) + " cannot be opened";
        return false;
    }
    return true;
}

int PrintReport(const ReportKind& kind, int competition, const ReportArguments& parsed,
                const std::string& pdfFile) {
    std::string failure;
    if (!OpenFileGroup(kind, competition, failure)) {
        std::cerr << "oltoma-tool: " << failure << "\n";
        return kExitFailure;
    }
    SelectionPicks picks(kind, {parsed.positional.begin() + 3, parsed.positional.end()});
    FixedPdfFile prompt(pdfFile);
    const ReportBindings bindings(picks, prompt);
    if (kind.files == ReportFiles::definitions) {
        if (!ol::RunWithDefinitionFiles([&kind] { kind.print(0); })) {
            std::cerr << "oltoma-tool: the definition files cannot be opened\n";
            return kExitFailure;
        }
    } else {
        kind.print(0);
    }
    if (!picks.Unknown().empty()) {
        std::cerr << "oltoma-tool: " << picks.Unknown() << " names no record\n";
        return kExitFailure;
    }
    if (!picks.Ran()) {
        std::cerr << "oltoma-tool: the register of " << kind.name << " is empty\n";
        return kExitFailure;
    }
    if (!PdfWritten()) {
        std::cerr << "oltoma-tool: " << pdfFile << " was not written\n";
        return kExitFailure;
    }
    return kExitSuccess;
}

}  // namespace

int RunReportCommand(std::span<const std::string> arguments) {
    ReportArguments parsed;
    if (const auto why = ParseArguments(arguments, parsed)) {
        return Usage(*why);
    }
    const ReportKind* kind = ol::FindReportKind(parsed.positional[2]);
    if (kind == nullptr) {
        return Usage("unknown KIND " + parsed.positional[2]);
    }
    const int competition = CompetitionArgument(parsed.positional[1]);
    if (competition < 0 || (competition == 0 && kind->files != ReportFiles::common)) {
        return Usage("COMPETITION must be 1..8 (0 only for the route kinds)");
    }

    // The subcommand alone needs Qt, and no display; Qt's own notes (such as
    // a missing runtime folder) are not the tool's output.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::cerr << text.toStdString() << '\n';
        }
    });
    static int argc = 1;
    static char name[] = "oltoma-tool";
    static char* argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);

    MaintenanceSession session(parsed.positional[0], competition, false);
    if (!session.Ready()) {
        return kExitFailure;
    }
    DefaultPrintSetting(1);
    if (!parsed.configFile.empty()) {
        std::string failure;
        if (!ReadPrintSettingFrom(parsed.configFile, parsed.setting, failure)) {
            std::cerr << "oltoma-tool: " << failure << "\n";
            return kExitFailure;
        }
    }
    // The page is laid out as on no particular printer: no queue is asked.
    WorkingPrintSetting().printer.deviceName = "";
    std::error_code error;
    const std::string pdfFile =
        std::filesystem::absolute(parsed.pdfFile, error).lexically_normal().string();
    return PrintReport(*kind, competition, parsed, pdfFile);
}

}  // namespace oltoma::tool
