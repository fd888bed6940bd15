#include "base/files/file_choice.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "base/files/exchange_line_reader.h"
#include "base/files/xml_document_start.h"
#include "base/text/padding.h"
#include "base/text/swedish_case.h"
#include "base/text/windows1252.h"

namespace oltoma {
namespace {

// Opens a regular file for reading without ever blocking on a pipe or
// device; -1 when that is not possible.
int OpenRegularFile(std::string_view path) {
    const std::string name = Utf8FromWindows1252(path);
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The first bytes of the file (at most kXmlStartBytes); empty when it
// cannot be read.
std::string FileStart(std::string_view path) {
    const int fd = OpenRegularFile(path);
    if (fd < 0) {
        return {};
    }
    std::string start(kXmlStartBytes, '\0');
    std::size_t filled = 0;
    while (filled < start.size()) {
        const ssize_t count = ::read(fd, start.data() + filled, start.size() - filled);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            break;
        }
        filled += static_cast<std::size_t>(count);
    }
    ::close(fd);
    start.resize(filled);
    return start;
}

}  // namespace

std::string NoImportFileDescription() {
    return "ingen importfil, ta bort";
}

std::string UnreadableFileDescription() {
    return Windows1252FromUtf8("fil kan ej läsas, ta bort");
}

std::string HeaderDescription(std::string_view headerLine) {
    std::size_t end = headerLine.find(' ');
    if (end == std::string_view::npos) {
        end = headerLine.find('=');
    }
    return std::string(headerLine.substr(0, end));
}

std::string OrderCodeOf(std::string_view description, std::string_view keywordList) {
    if (description.empty()) {
        return std::string(kUnknownOrderCode);
    }
    const std::size_t at = UpperString(keywordList).find(UpperString(description));
    if (at == std::string::npos || at < 2) {
        return std::string(kUnknownOrderCode);
    }
    return std::string(keywordList.substr(at - 2, 2));
}

std::string EntryText(std::string_view orderCode, std::string_view description,
                      std::string_view fileName) {
    std::string text = std::string(orderCode) + " " +
                       PadRight(description, '.', kDescriptionWidth) + " " + std::string(fileName);
    if (text.size() > kMaxEntryLength) {
        text.resize(kMaxEntryLength);
    }
    return text;
}

HeaderSearch FindHeaderLine(std::string_view path, std::string& line) {
    const int fd = OpenRegularFile(path);
    if (fd < 0) {
        return HeaderSearch::Unreadable;
    }
    ExchangeLineReader reader(ReadFromDescriptor(fd));
    HeaderSearch result = HeaderSearch::NoHeader;
    std::string read;
    for (;;) {
        const ExchangeLineReader::Result next = reader.Next(read);
        if (next == ExchangeLineReader::Result::error) {
            result = HeaderSearch::Unreadable;
            break;
        }
        if (next == ExchangeLineReader::Result::end) {
            break;
        }
        if (read.starts_with('*')) {
            line = std::move(read);
            result = HeaderSearch::Found;
            break;
        }
    }
    ::close(fd);
    return result;
}

FileChoiceEntry DescribeFile(std::string_view folder, std::string_view fileName,
                             std::string_view keywordList) {
    std::string code(kUnknownOrderCode);
    std::string description = NoImportFileDescription();
    if (!keywordList.empty()) {
        std::string line;
        const std::string path = std::string(folder) + "/" + std::string(fileName);
        switch (FindHeaderLine(path, line)) {
            case HeaderSearch::Found:
                description = HeaderDescription(line);
                code = OrderCodeOf(description, keywordList);
                break;
            case HeaderSearch::Unreadable:
                description = UnreadableFileDescription();
                break;
            case HeaderSearch::NoHeader:
                if (XmlRootName(FileStart(path)) == "CourseData") {
                    code = kCourseDataOrderCode;
                    description = kCourseDataDescription;
                }
                break;
        }
    }
    return {EntryText(code, description, fileName), std::string(fileName), std::string(folder)};
}

bool ReadsAsXmlDocument(std::string_view path) {
    std::string line;
    return FindHeaderLine(path, line) == HeaderSearch::NoHeader && BeginsAsXml(FileStart(path));
}

FileChoiceList::FileChoiceList(std::string_view onceOnlyCodes)
    : onceOnly_(std::string(onceOnlyCodes) + std::string(kUnknownOrderCode) + "*") {}

bool FileChoiceList::Refuses(std::string_view orderCode) const {
    if (onceOnly_.find(std::string(orderCode) + "*") == std::string::npos) {
        return false;
    }
    return std::any_of(entries_.begin(), entries_.end(), [&](const FileChoiceEntry& entry) {
        return entry.orderCode() == orderCode;
    });
}

int FileChoiceList::Add(FileChoiceEntry entry) {
    if (Refuses(entry.orderCode())) {
        return -1;
    }
    const auto at = std::upper_bound(
        entries_.begin(), entries_.end(), entry,
        [](const FileChoiceEntry& a, const FileChoiceEntry& b) { return a.text < b.text; });
    const auto inserted = entries_.insert(at, std::move(entry));
    return static_cast<int>(inserted - entries_.begin());
}

void FileChoiceList::Remove(std::vector<int> indices) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    for (auto index = indices.rbegin(); index != indices.rend(); ++index) {
        if (*index >= 0 && *index < size()) {
            entries_.erase(entries_.begin() + *index);
        }
    }
}

}  // namespace oltoma
