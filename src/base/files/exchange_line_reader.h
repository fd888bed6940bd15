// The lines of an exchange file, as the import and the file chooser read
// them. Files come from other programs and other systems, so the reader
// takes what it finds:
//
//   line ends      LF, CR and CR LF each end a line; a last line without an
//                  end is read; a file that ends with a line end has no
//                  empty line after it
//   length         a line keeps its first 255 characters; the rest up to its
//                  end is skipped, never read as a line of its own
//   byte-order     a UTF-8 byte-order mark at the start of the file is
//   mark           dropped
//   code page      a line that is well-formed UTF-8 and holds at least one
//                  multi-byte sequence is taken from UTF-8 ("?" for a
//                  character Windows-1252 lacks); any other line is
//                  Windows-1252, or the OEM code page when it holds an OEM
//                  letter (OemToAnsiText)
//
// Memory stays bounded whatever the file holds: one block and one line.
// Lines are Windows-1252; NUL and other control bytes are kept as read.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace oltoma {

inline constexpr std::size_t kMaxExchangeLineLength = 255;

class ExchangeLineReader {
public:
    // Reads at most `size` bytes into `buffer`: returns the number read, 0
    // at the end of the file, or a negative errno value on a failure.
    using ReadBlock = std::function<long(char* buffer, std::size_t size)>;

    enum class Result { line, end, error };

    explicit ExchangeLineReader(ReadBlock read);

    // The next line (Windows-1252, at most 255 characters). After `end` or
    // `error` every further call gives the same result; `error` drops a line
    // the failure cut short.
    Result Next(std::string& line);

    // The errno value of the failed read (after Result::error).
    int Error() const { return error_; }

private:
    bool Refill();
    void DropByteOrderMark();

    ReadBlock read_;
    std::string block_;
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
    std::string raw_;  // the bytes of the line being read, at most kMaxRawLineBytes
    bool lineStarted_ = false;
    bool lineCut_ = false;
    bool skipLineFeed_ = false;  // the last line ended with CR
    bool atFileStart_ = true;
    bool ended_ = false;
    int error_ = 0;
};

// Reads from an open file descriptor (interrupted reads are repeated).
ExchangeLineReader::ReadBlock ReadFromDescriptor(int descriptor);

// Reads from bytes held in memory, which must outlive the reader.
ExchangeLineReader::ReadBlock ReadFromMemory(std::string_view bytes);

// A line's raw bytes as the reader gives them: from UTF-8 or by the OEM
// rule, at most 255 characters. `cut` tells that the bytes are the start of
// a longer line, so a multi-byte sequence cut at their end does not make the
// line malformed.
std::string DecodeExchangeLine(std::string_view raw, bool cut);

}  // namespace oltoma
