#include "ol/exchange/export_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/files/exchange_file.h"
#include "base/files/exchange_line_reader.h"
#include "base/messages/messages.h"
#include "base/settings/settings_state.h"
#include "base/text/number_format.h"
#include "base/text/windows1252.h"
#include "platform/process_state.h"

namespace oltoma::ol {
namespace {

constexpr int kInformationCode = 201;
constexpr char kCommentCharacter = ';';
constexpr const char* kExchangeMask = ";*.ol";
// Beyond this the cents no longer fit a 64-bit count.
constexpr double kLargestCentRounded = 1e15;

std::string& ExportPath() {
    static std::string path;
    return path;
}

void ForgetExportPath() {
    ExportPath().clear();
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&ForgetExportPath);

}  // namespace

bool OpenExportFile(platform::WindowHandle owner, int progressLines) {
    GlobalSettings& settings = WorkingGlobalSettings();
    std::string directory = settings.exchangePath.str();
    ExportPath().clear();
    const bool opened = OpenExchangeFileDialog(owner, kCommentCharacter, 'C', progressLines,
                                               kExchangeMask, "ol", directory, ExportPath());
    settings.exchangePath = directory;
    return opened;
}

ExportFormat AskExportFile(platform::WindowHandle owner, ExportFormats formats) {
    GlobalSettings& settings = WorkingGlobalSettings();
    std::string directory = settings.exchangePath.str();
    ExportPath().clear();
    const bool xmlOnly = formats == ExportFormats::iofXml;
    const platform::FileDialogAnswer answer = AskExchangeSaveFile(
        owner, xmlOnly ? "" : kExchangeMask,
        formats == ExportFormats::exchange ? "" : kIofXmlFilter, xmlOnly ? "xml" : "ol", directory);
    if (!answer.chosen) {
        return ExportFormat::none;
    }
    settings.exchangePath = directory;
    ExportPath() = answer.path;
    return xmlOnly || (formats == ExportFormats::exchangeOrIofXml && answer.filter == kIofXmlFilter)
               ? ExportFormat::iofXml
               : ExportFormat::exchange;
}

bool CreateExportFile(platform::WindowHandle owner, int progressLines, ExportFormat format) {
    return format != ExportFormat::none &&
           CreateChosenExchangeFile(owner, kCommentCharacter, progressLines, ExportPath(),
                                    format == ExportFormat::exchange);
}

bool WriteExportBytes(std::string_view bytes) {
    return WriteExchangeBytes(bytes);
}

bool WriteExportLine(std::string line) {
    std::replace_if(
        line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 32; }, ' ');
    return WriteExchangeLine(line);
}

ExportResult CloseExportFile(bool aborted) {
    const ExchangeSummary summary = CloseExchangeFile();
    if (summary.ioResult != 0) {
        SetMessageLine(Windows1252FromUtf8("Fel vid skrivning av ") + "\"" + ExportPath() + "\" " +
                       msgtext(summary.ioResult));
        ConfirmMessage(kInformationCode);
        return ExportResult::failed;
    }
    return aborted ? ExportResult::aborted : ExportResult::written;
}

std::string AmountText(const Real48& amount) {
    const double value = Real48ToDouble(amount);
    if (std::fabs(value) >= kLargestCentRounded) {
        char text[64];
        std::snprintf(text, sizeof text, "%.2f", value);
        return text;
    }
    const long long cents = std::llround(value * 100.0);
    const long long whole = std::llabs(cents) / 100;
    const long long fraction = std::llabs(cents) % 100;
    return std::string(cents < 0 ? "-" : "") + std::to_string(whole) + "." +
           IntZeroPadded(fraction, 2);
}

char StoredCharacter(char16_t character) {
    char byte = 0;
    return EncodeWindows1252(character, byte) ? byte : '?';
}

}  // namespace oltoma::ol
