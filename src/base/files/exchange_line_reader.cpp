#include "base/files/exchange_line_reader.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "base/text/oem_text.h"
#include "base/text/windows1252.h"

namespace oltoma {
namespace {

constexpr std::size_t kBlockSize = 64 * 1024;
// A UTF-8 line of 255 characters takes at most four bytes per character.
constexpr std::size_t kMaxRawLineBytes = 4 * kMaxExchangeLineLength;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at `at` (shortest form, no
// surrogates, at most U+10FFFF); 0 when there is none. `incomplete` tells
// that the bytes end inside a sequence that was well-formed so far.
std::size_t SequenceLength(std::string_view text, std::size_t at, bool& incomplete) {
    incomplete = false;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (at + i >= text.size()) {
            incomplete = true;
            return 0;
        }
        const unsigned char next = byte(i);
        const bool inRange = i == 1 ? next >= low && next <= high : IsContinuation(next);
        if (!inRange) {
            return 0;
        }
    }
    return length;
}

// How many leading bytes of `raw` to take from UTF-8; 0 when the line is not
// UTF-8 with a multi-byte sequence. A sequence cut at the end of a cut line
// is left out.
std::size_t Utf8Prefix(std::string_view raw, bool cut) {
    bool multiByte = false;
    std::size_t at = 0;
    while (at < raw.size()) {
        bool incomplete = false;
        const std::size_t length = SequenceLength(raw, at, incomplete);
        if (length == 0) {
            if (incomplete && cut) {
                break;
            }
            return 0;
        }
        multiByte = multiByte || length > 1;
        at += length;
    }
    return multiByte ? at : 0;
}

}  // namespace

std::string DecodeExchangeLine(std::string_view raw, bool cut) {
    const std::size_t utf8 = Utf8Prefix(raw, cut);
    std::string line = utf8 > 0 ? Windows1252FromUtf8(raw.substr(0, utf8)) : std::string(raw);
    if (line.size() > kMaxExchangeLineLength) {
        line.resize(kMaxExchangeLineLength);
    }
    return utf8 > 0 ? line : OemToAnsiText(line);
}

ExchangeLineReader::ExchangeLineReader(ReadBlock read) : read_(std::move(read)) {}

bool ExchangeLineReader::Refill() {
    if (block_.empty()) {
        block_.resize(kBlockSize);
    }
    const long count = read_(block_.data(), block_.size());
    if (count < 0) {
        error_ = static_cast<int>(-count);
        return false;
    }
    position_ = 0;
    filled_ = static_cast<std::size_t>(count);
    return count > 0;
}

void ExchangeLineReader::DropByteOrderMark() {
    if (!atFileStart_) {
        return;
    }
    atFileStart_ = false;
    if (std::string_view(raw_).starts_with(kByteOrderMark)) {
        raw_.erase(0, kByteOrderMark.size());
        // A mark alone starts no line: a file holding nothing else is empty.
        lineStarted_ = !raw_.empty();
    }
}

ExchangeLineReader::Result ExchangeLineReader::Next(std::string& line) {
    if (error_ != 0) {
        return Result::error;
    }
    if (ended_) {
        return Result::end;
    }
    raw_.clear();
    lineStarted_ = false;
    lineCut_ = false;
    for (;;) {
        if (position_ == filled_ && !Refill()) {
            if (error_ != 0) {
                return Result::error;
            }
            ended_ = true;
            DropByteOrderMark();
            if (!lineStarted_) {
                return Result::end;
            }
            break;
        }
        const char c = block_[position_];
        if (skipLineFeed_) {
            skipLineFeed_ = false;
            if (c == '\n') {
                ++position_;
                continue;
            }
        }
        if (c == '\n' || c == '\r') {
            ++position_;
            skipLineFeed_ = c == '\r';
            atFileStart_ = false;
            break;
        }
        const char* start = block_.data() + position_;
        const char* end = block_.data() + filled_;
        const char* stop = std::find_if(start, end, [](char b) { return b == '\n' || b == '\r'; });
        const std::size_t room = kMaxRawLineBytes - raw_.size();
        const std::size_t taken = std::min<std::size_t>(room, stop - start);
        raw_.append(start, taken);
        lineCut_ = lineCut_ || taken < static_cast<std::size_t>(stop - start);
        lineStarted_ = true;
        position_ += stop - start;
        // A byte-order mark may arrive split over reads: decide once three
        // bytes or the line's end are there.
        if (raw_.size() >= kByteOrderMark.size() || stop < end) {
            DropByteOrderMark();
        }
    }
    DropByteOrderMark();
    line = DecodeExchangeLine(raw_, lineCut_);
    return Result::line;
}

ExchangeLineReader::ReadBlock ReadFromDescriptor(int descriptor) {
    return [descriptor](char* buffer, std::size_t size) -> long {
        for (;;) {
            const ssize_t count = ::read(descriptor, buffer, size);
            if (count >= 0) {
                return static_cast<long>(count);
            }
            if (errno != EINTR) {
                return -static_cast<long>(errno);
            }
        }
    };
}

ExchangeLineReader::ReadBlock ReadFromMemory(std::string_view bytes) {
    return [bytes](char* buffer, std::size_t size) mutable -> long {
        const std::size_t count = std::min(size, bytes.size());
        std::copy_n(bytes.data(), count, buffer);
        bytes.remove_prefix(count);
        return static_cast<long>(count);
    };
}

}  // namespace oltoma
