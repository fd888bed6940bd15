#include "base/files/exchange_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "base/files/exchange_line_reader.h"
#include "base/messages/messages.h"
#include "base/messages/progress.h"
#include "base/settings/program_version.h"
#include "base/text/number_format.h"
#include "base/text/swedish_case.h"
#include "base/text/windows1252.h"
#include "base/time/stopwatch.h"
#include "platform/folders.h"
#include "platform/process_state.h"
#include "platform/system_error.h"

namespace oltoma {
namespace {

constexpr int kStatusCode = 1;
constexpr std::size_t kMaxMaskLength = 64;
constexpr std::size_t kMaxDefaultExtensionLength = 12;
constexpr std::size_t kWriteBufferSize = 16 * 1024;
constexpr int kElapsedTimeForm = 4;
constexpr std::string_view kExchangePatterns =
    "import/export|*.txt;*.exp;*.ixp;*.imp;*.vpx;*.txx;*.exx";

struct ExchangeFileState {
    bool open = false;
    bool writing = false;
    bool progress = false;
    bool eof = false;
    bool readFailed = false;
    int descriptor = -1;
    std::unique_ptr<ExchangeLineReader> reader;
    std::string writeBuffer;
    std::string path;
    std::string savedDirectory;
    int ioResult = 0;
    bool rawLineOpen = false;  // raw reading: bytes of a line without its end
    bool rawAfterCr = false;   // raw reading: the last byte was CR
    int lines = 0;
    int added = 0;
    int modified = 0;
};

ExchangeFileState& File() {
    static ExchangeFileState state;
    return state;
}

// No exchange file open. A file left open is closed as a process death would
// close it: what is still buffered is not written.
void ForgetExchangeFile() {
    ExchangeFileState& file = File();
    if (file.descriptor >= 0) {
        ::close(file.descriptor);
    }
    file = ExchangeFileState{};
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&ForgetExchangeFile);

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string_view FileNameOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The extension of the path's file name with its ".", in lower case; empty
// when it has none.
std::string ExtensionOf(std::string_view path) {
    const std::string_view name = FileNameOf(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : LowerString(name.substr(dot));
}

bool HasExtensionIn(std::string_view path, std::initializer_list<std::string_view> extensions) {
    const std::string extension = ExtensionOf(path);
    return std::find(extensions.begin(), extensions.end(), extension) != extensions.end();
}

void ShowStatus(std::string_view text) {
    DisplayMessage(kStatusCode, text);
}

int SystemErrorOf(int errnoValue) {
    return platform::SystemErrorFromErrno(errnoValue, Utf8FromWindows1252(File().path));
}

void RecordFailure(int errnoValue) {
    if (File().ioResult == 0) {
        File().ioResult = SystemErrorOf(errnoValue);
    }
}

// Writes the buffered lines; false (recorded) on a failure.
bool FlushWriteBuffer() {
    ExchangeFileState& file = File();
    std::size_t written = 0;
    while (written < file.writeBuffer.size()) {
        const ssize_t count = ::write(file.descriptor, file.writeBuffer.data() + written,
                                      file.writeBuffer.size() - written);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            RecordFailure(errno);
            file.writeBuffer.clear();
            return false;
        }
        written += static_cast<std::size_t>(count);
    }
    file.writeBuffer.clear();
    return true;
}

// Opens the file itself; on failure records the error number and returns
// false, the state left closed.
bool OpenFile(char mode, std::string_view path) {
    ExchangeFileState& file = File();
    file.path = std::string(path);
    file.ioResult = 0;
    file.writing = mode == 'C' || mode == 'c';
    const std::string name = Utf8FromWindows1252(path);
    // Reading never blocks on a pipe or a device that has nothing to give.
    const int flags =
        file.writing ? O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC : O_RDONLY | O_NONBLOCK | O_CLOEXEC;
    file.descriptor = ::open(name.c_str(), flags, 0666);
    if (file.descriptor < 0) {
        RecordFailure(errno);
        return false;
    }
    file.open = true;
    file.eof = false;
    file.readFailed = false;
    file.writeBuffer.clear();
    file.rawLineOpen = false;
    file.rawAfterCr = false;
    file.reader.reset();
    if (!file.writing) {
        file.reader = std::make_unique<ExchangeLineReader>(ReadFromDescriptor(file.descriptor));
    }
    return true;
}

// What every open does before the file: remember the current directory and
// reset the counters.
void PrepareOpen() {
    if (File().open) {
        CloseExchangeFile();
    }
    ExchangeFileState& file = File();
    file.savedDirectory = platform::CurrentDirectory();
    file.lines = 0;
    file.added = 0;
    file.modified = 0;
}

// What every successful open does after the file: the stopwatch, the
// progress window and the first line of a file created.
void StartOpenFile(platform::WindowHandle owner, char commentCharacter, int progressLines,
                   bool firstLine) {
    ExchangeFileState& file = File();
    StartStopwatch();
    file.progress = progressLines > 0;
    if (file.progress) {
        OpenProgress(owner, progressLines, FileNameOf(file.path), true);
    }
    if (file.writing && firstLine) {
        WriteExchangeLine(std::string(1, commentCharacter) + " " + MainWindowCaption());
    }
}

struct DialogStart {
    std::string folder;
    std::string fileName;
    std::string extension;
};

// An existing folder is the folder; a text without "." names a folder too;
// anything else is folder, file name and extension.
DialogStart SplitDirectory(std::string_view directory) {
    DialogStart start;
    if (platform::FolderExists(Utf8FromWindows1252(directory)) ||
        directory.find('.') == std::string_view::npos) {
        start.folder = std::string(directory);
        return start;
    }
    const std::size_t slash = directory.rfind('/');
    start.folder =
        slash == std::string_view::npos ? std::string() : std::string(directory.substr(0, slash));
    start.fileName = std::string(FileNameOf(directory));
    const std::size_t dot = start.fileName.rfind('.');
    if (dot != std::string::npos) {
        start.extension = start.fileName.substr(dot);
    }
    return start;
}

std::string FolderOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        return {};
    }
    return std::string(path.substr(0, slash == 0 ? 1 : slash));
}

std::string DialogFilter(std::string_view mask, std::string_view extraFilter,
                         std::string_view extension);

// The open or save dialog as the exchange file shows it; after a choice
// `directory` becomes the chosen folder.
platform::FileDialogAnswer AskFile(platform::WindowHandle owner, bool save, std::string_view mask,
                                   std::string_view extraFilter, std::string_view defaultExtension,
                                   std::string& directory) {
    const DialogStart start = SplitDirectory(directory);
    platform::FileDialogRequest request;
    request.kind =
        save ? platform::FileDialogRequest::Kind::save : platform::FileDialogRequest::Kind::open;
    request.title = Windows1252FromUtf8(save ? "Spara fil som..." : "Välj filnamn");
    request.folder = start.folder;
    request.fileName = start.fileName;
    request.filter = DialogFilter(mask, extraFilter, start.extension);
    request.defaultExtension = std::string(
        defaultExtension.substr(0, std::min(defaultExtension.size(), kMaxDefaultExtensionLength)));
    request.mustExist = !save;
    platform::FileDialogAnswer answer = platform::CurrentFileDialogs().Ask(owner, request);
    if (!answer.chosen || answer.path.empty()) {
        return {};
    }
    directory = FolderOf(answer.path);
    return answer;
}

// Opens the file the dialog chose; the first line by the dialog's rule
// unless `firstLine` is false.
bool OpenChosenFile(platform::WindowHandle owner, char commentCharacter, char mode,
                    int progressLines, std::string_view path, bool firstLine) {
    if (!OpenFile(mode, path)) {
        ShowStatus(Windows1252FromUtf8("Kan ej öppna/skapa ixportfilen ") + Quoted(path));
        return false;
    }
    StartOpenFile(
        owner, commentCharacter, progressLines,
        firstLine && !HasExtensionIn(path, {".xml", ".css", ".xsl", ".htm", ".html", ".pdf"}));
    return true;
}

}  // namespace

std::string ExchangeFileFilter(std::string_view mask) {
    mask = mask.substr(0, std::min(mask.size(), kMaxMaskLength));
    if (mask.starts_with(';')) {
        return std::string(kExchangePatterns) + std::string(mask);
    }
    return "import/export (" + std::string(mask) + ") |" + std::string(mask);
}

namespace {

// The mask's filter, ";*" + the proposed name's extension when both are not
// empty, then the extra filter entry.
std::string DialogFilter(std::string_view mask, std::string_view extraFilter,
                         std::string_view extension) {
    std::string filter =
        mask.empty() && !extraFilter.empty() ? std::string() : ExchangeFileFilter(mask);
    if (!extension.empty() && !filter.empty()) {
        filter += ";*" + std::string(extension);
    }
    if (!extraFilter.empty()) {
        filter += (filter.empty() ? "" : "|") + std::string(extraFilter);
    }
    return filter;
}

}  // namespace

bool OpenExchangeFile(platform::WindowHandle owner, char commentCharacter, char mode,
                      std::string_view path, int progressLines) {
    if (path.empty()) {
        return false;
    }
    PrepareOpen();
    if (!OpenFile(mode, path)) {
        ShowStatus(Windows1252FromUtf8("Kan ej öppna IxportFile: ") + Quoted(path) + " " +
                   msgtext(File().ioResult));
        return false;
    }
    ShowStatus("IxportFile " + std::string(path) + Windows1252FromUtf8(" öppen.."));
    StartOpenFile(owner, commentCharacter, progressLines,
                  !HasExtensionIn(path, {".xml", ".css", ".xsl", ".htm"}));
    return true;
}

bool OpenExchangeFileForReading(platform::WindowHandle owner, char commentCharacter,
                                std::string_view path, int progressLines) {
    return OpenExchangeFile(owner, commentCharacter, 'O', path, progressLines);
}

bool OpenExchangeFileDialog(platform::WindowHandle owner, char commentCharacter, char mode,
                            int progressLines, std::string_view mask,
                            std::string_view defaultExtension, std::string& directory,
                            std::string& path) {
    PrepareOpen();
    const bool save = mode == 'C' || mode == 'c';
    const platform::FileDialogAnswer answer =
        AskFile(owner, save, mask, {}, defaultExtension, directory);
    if (!answer.chosen) {
        return false;
    }
    path = answer.path;
    return OpenChosenFile(owner, commentCharacter, mode, progressLines, path, true);
}

platform::FileDialogAnswer AskExchangeSaveFile(platform::WindowHandle owner, std::string_view mask,
                                               std::string_view extraFilter,
                                               std::string_view defaultExtension,
                                               std::string& directory) {
    return AskFile(owner, true, mask, extraFilter, defaultExtension, directory);
}

bool CreateChosenExchangeFile(platform::WindowHandle owner, char commentCharacter,
                              int progressLines, std::string_view path, bool firstLine) {
    PrepareOpen();
    return OpenChosenFile(owner, commentCharacter, 'C', progressLines, path, firstLine);
}

bool ReadExchangeLine(std::string& line) {
    ExchangeFileState& file = File();
    if (!file.open || file.writing || file.eof) {
        return false;
    }
    std::string read;
    switch (file.reader->Next(read)) {
        case ExchangeLineReader::Result::line:
            ++file.lines;
            line = std::move(read);
            return true;
        case ExchangeLineReader::Result::error:
            file.eof = true;
            file.readFailed = true;
            RecordFailure(file.reader->Error());
            ShowStatus(Windows1252FromUtf8("Fel vid läsning av ") + Quoted(file.path) + " " +
                       msgtext(file.ioResult));
            return false;
        case ExchangeLineReader::Result::end:
            file.eof = true;
            return false;
    }
    return false;
}

long ReadExchangeBytes(char* buffer, std::size_t size) {
    ExchangeFileState& file = File();
    if (!file.open || file.writing || file.eof) {
        return file.readFailed ? -1 : 0;
    }
    long count = 0;
    do {
        count = static_cast<long>(::read(file.descriptor, buffer, size));
    } while (count < 0 && errno == EINTR);
    if (count < 0) {
        file.eof = true;
        file.readFailed = true;
        RecordFailure(errno);
        ShowStatus(Windows1252FromUtf8("Fel vid läsning av ") + Quoted(file.path) + " " +
                   msgtext(file.ioResult));
        return -1;
    }
    if (count == 0) {
        file.eof = true;
        file.lines += file.rawLineOpen ? 1 : 0;
        file.rawLineOpen = false;
        return 0;
    }
    for (long i = 0; i < count; ++i) {
        const char c = buffer[i];
        if (c == '\n' && file.rawAfterCr) {
            file.rawAfterCr = false;  // the LF of a CR LF ended no line of its own
            continue;
        }
        file.rawAfterCr = c == '\r';
        if (c == '\n' || c == '\r') {
            ++file.lines;
            file.rawLineOpen = false;
        } else {
            file.rawLineOpen = true;
        }
    }
    return count;
}

bool WriteExchangeBytes(std::string_view bytes) {
    ExchangeFileState& file = File();
    if (!file.open || !file.writing || file.ioResult != 0) {
        return false;
    }
    file.writeBuffer.append(bytes);
    return file.writeBuffer.size() < kWriteBufferSize || FlushWriteBuffer();
}

bool ExchangeEof() {
    return !File().open || File().eof;
}

bool ExchangeReadFailed() {
    return File().readFailed;
}

bool WriteExchangeLine(std::string_view line) {
    ExchangeFileState& file = File();
    if (!file.open || !file.writing) {
        return false;
    }
    ++file.lines;
    if (file.ioResult != 0) {
        return false;
    }
    file.writeBuffer.append(line.substr(0, std::min(line.size(), kMaxExchangeLineLength)));
    file.writeBuffer.append("\r\n");
    return file.writeBuffer.size() < kWriteBufferSize || FlushWriteBuffer();
}

int ExchangeLineNumber() {
    return File().lines;
}

void CountRecord(std::string_view text, int added, int modified) {
    ExchangeFileState& file = File();
    file.added += added;
    file.modified += modified;
    if (!file.progress) {
        return;
    }
    ProgressLine(
        2, "Add: " + IntZeroPadded(file.added, 4) + " Mod: " + IntZeroPadded(file.modified, 4));
    std::string shown(text);
    if (added != 1 && modified != 1) {
        shown += "..felaktig!!";
    }
    ProgressLine(3, shown);
}

void CountExport(std::string_view text, int exported, int total) {
    ExchangeFileState& file = File();
    file.added += exported;
    if (!file.progress) {
        return;
    }
    ProgressLine(
        2, "Export: " + IntSpacePadded(file.added, 4) + " [" + IntSpacePadded(total, 4) + "]");
    ProgressLine(3, text);
}

ExchangeSummary CloseExchangeFile() {
    ExchangeFileState& file = File();
    if (!file.open) {
        return {};
    }
    if (file.writing) {
        if (file.ioResult == 0) {
            FlushWriteBuffer();
        }
        // A device without syncing (EINVAL, EROFS) has nothing to force.
        if (::fdatasync(file.descriptor) != 0 && errno != EINVAL && errno != EROFS) {
            RecordFailure(errno);
        }
    }
    if (::close(file.descriptor) != 0 && file.writing && errno != EINTR) {
        RecordFailure(errno);
    }
    file.descriptor = -1;
    file.reader.reset();
    file.open = false;
    if (file.progress) {
        CloseProgress();
        file.progress = false;
    }
    ShowStatus("Import/export av " + IntSpacePadded(file.lines, 4) + " rader " +
               StopStopwatch(kElapsedTimeForm));
    if (!file.savedDirectory.empty() && file.savedDirectory != platform::CurrentDirectory()) {
        platform::SetCurrentDirectory(file.savedDirectory);
    }
    return {file.added, file.modified, file.lines, file.ioResult};
}

bool ExchangeFileOpen() {
    return File().open;
}

int ExchangeIoResult() {
    return File().ioResult;
}

}  // namespace oltoma
