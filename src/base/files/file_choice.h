// The entries of the file chooser (base/forms/EFileDlgAction.h): what kind of
// exchange file a file is, in which order the chosen files are handled, and
// which kinds may be chosen only once. No Qt; the dialog only shows them.
//
// An entry is one text of at most 255 characters:
//
//   order code (2)  " "  description padded with "." to 12  " "  file name
//   "01 *Klubbar.... klubbar.txt"
//
// The description is the file's first line that begins with "*", up to its
// first blank (or first "=", or whole). Its order code comes from the
// caller's keyword list: two-digit codes each followed directly by a keyword
// that begins with "*". A file without such a line that is an XML document
// whose root is CourseData (IOF XML course data, xml_document_start.h) gets
// code "07" and the description "<CourseData>", so it sorts with the control
// files. Any other file without such a line, or whose description the list
// does not hold, gets the code "99", which sorts after every numeric code.
// The once-only codes are two-digit codes each followed by "*"; "99" is
// always once-only.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"

namespace oltoma {

// The import's arguments to the chooser: its keyword list (each section
// keyword after its order code; "*JaktLottad" has none and takes the "ad" in
// front of it, which sorts after every numeric code), the codes that may
// occur in one chosen file only (base data, results, stage and day count),
// and its file filter.
inline constexpr std::string_view kImportKeywordList =
    "05*Bas01*Klubbar03*Rutbeskr08*Banor07*Kontroller17*Resultat16*Etapp=06*Klasser09*Namn"
    "11*KlubbLottad12*MotionsLottad*JaktLottad04*RutB2415*Maxdag10*ModifieraNamn02*Distrikt"
    "13*GruppLottad14*SkidLottad18*Emitresultat";
inline constexpr std::string_view kImportOnceOnlyCodes = "05*17*16*15*";
inline constexpr std::string_view kImportFileFilter =
    "import/export|*.txt;*.exp;*.ixp;*.imp;*.vpx;*.txx;*.exx;*.ol|IOF XML 3.0 (*.xml)|*.xml";

inline constexpr std::size_t kMaxEntryLength = 255;
inline constexpr std::size_t kMaxHeaderLineLength = 255;
inline constexpr int kDescriptionWidth = 12;
inline constexpr std::string_view kUnknownOrderCode = "99";
inline constexpr std::string_view kCourseDataOrderCode = "07";
inline constexpr std::string_view kCourseDataDescription = "<CourseData>";

// The descriptions of files without an import header and of files that
// cannot be read (Windows-1252).
std::string NoImportFileDescription();
std::string UnreadableFileDescription();

// The description of a header line: up to, not including, its first blank;
// without a blank up to its first "="; with neither the whole line.
std::string HeaderDescription(std::string_view headerLine);

// The order code of a description: the two characters of `keywordList` in
// front of the first place where the description occurs in it, both
// upper-cased (Swedish case mapping); "99" when it does not occur or has no
// two characters in front of it.
std::string OrderCodeOf(std::string_view description, std::string_view keywordList);

// code + " " + description padded with "." to 12 + " " + file name, cut to
// 255 characters.
std::string EntryText(std::string_view orderCode, std::string_view description,
                      std::string_view fileName);

enum class HeaderSearch { Found, NoHeader, Unreadable };

// Reads the file at `path` (Windows-1252) line by line, as the import reads
// it (ExchangeLineReader), up to its first line that begins with "*" and
// puts that line into `line`. Memory stays bounded whatever the file holds.
HeaderSearch FindHeaderLine(std::string_view path, std::string& line);

// Whether the import reads the file at `path` as an XML document: it has no
// line that begins with "*" and begins as XML. False when it cannot be read.
bool ReadsAsXmlDocument(std::string_view path);

// One chosen file: the text the list shows and sorts by, the file's own
// name, which the text may hold cut, and the folder it was described in.
struct FileChoiceEntry {
    std::string text;
    std::string fileName;
    std::string folder;
    std::string_view orderCode() const { return std::string_view(text).substr(0, 2); }
};

// The entry of `fileName` in `folder`. With an empty keyword list the file
// is not read: code "99" and "ingen importfil, ta bort". A file that cannot
// be read gets code "99" and "fil kan ej läsas, ta bort"; a course data
// document "07" and "<CourseData>".
FileChoiceEntry DescribeFile(std::string_view folder, std::string_view fileName,
                             std::string_view keywordList);

// The chosen files, kept in ascending order of their entry texts (byte
// order), so that the order codes decide the order they are handled in.
class FileChoiceList {
public:
    explicit FileChoiceList(std::string_view onceOnlyCodes = {});

    // Whether an entry with this order code would be refused: the code is
    // once-only (or "99") and an entry with the same code is listed.
    bool Refuses(std::string_view orderCode) const;

    // Inserts the entry after any entry with the same text and returns its
    // index; returns -1 and changes nothing when Refuses says so.
    int Add(FileChoiceEntry entry);

    // Removes the entries at these indices; indices out of range are ignored.
    void Remove(std::vector<int> indices);
    void Clear() { entries_.clear(); }

    const std::vector<FileChoiceEntry>& entries() const { return entries_; }
    int size() const { return static_cast<int>(entries_.size()); }

private:
    std::string onceOnly_;
    std::vector<FileChoiceEntry> entries_;
};

// What ChooseFiles runs once per chosen file after OK: the owner window, the
// file name as listed (without folder), the folder, the entry's position
// (from 1) and the number of entries. Texts are Windows-1252.
using FileAction = std::function<void(platform::WindowHandle owner, const std::string& fileName,
                                      const std::string& folder, int index, int count)>;

}  // namespace oltoma
