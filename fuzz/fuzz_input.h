// The layout of a fuzz input for the fileblock fuzzer, shared with the seed
// maker:
//
//   offset  width   meaning
//   0       1       flags: bit 0 = open for reading (inspection), else a
//                   journal-mode open that plays the journal back
//   1       4       length of the data file bytes that follow (LE)
//   5       n       data file (X.DAT)
//   ...     4 + n   index file (X.IX)
//   ...     4 + n   journal (X.DIA)
//   ...     rest    operations, one opcode byte and its argument bytes each
//
// Lengths beyond the input are cut to what remains.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace oltoma::fuzz {

inline constexpr std::uint8_t kInspectFlag = 1;

enum Opcode : std::uint8_t {
    kScan,       // key
    kFind,       // key, key text
    kSearch,     // key, key text
    kAddKey,     // key, record, key text
    kDeleteKey,  // key, record, key text
    kAddRec,     // fill byte
    kDeleteRec,  // record
    kGetRec,     // record
    kPutRec,     // record, fill byte
    kClearKey,   // key
    kCheck,      // -
    kReopen,     // -
    kOpcodeCount
};

struct FuzzFiles {
    std::uint8_t flags = 0;
    std::string data;
    std::string index;
    std::string journal;
    std::string operations;
};

inline void AppendBlob(std::string& out, std::string_view blob) {
    const auto length = static_cast<std::uint32_t>(blob.size());
    for (int shift = 0; shift < 32; shift += 8) {
        out += static_cast<char>((length >> shift) & 0xFF);
    }
    out += blob;
}

inline std::string EncodeInput(const FuzzFiles& files) {
    std::string out(1, static_cast<char>(files.flags));
    AppendBlob(out, files.data);
    AppendBlob(out, files.index);
    AppendBlob(out, files.journal);
    return out + files.operations;
}

// Takes a length-prefixed blob from the front of `input`.
inline std::string TakeBlob(std::string_view& input) {
    std::uint32_t length = 0;
    for (int i = 0; i < 4 && !input.empty(); ++i) {
        length |= static_cast<std::uint32_t>(static_cast<unsigned char>(input.front())) << (8 * i);
        input.remove_prefix(1);
    }
    const std::size_t taken = length < input.size() ? length : input.size();
    std::string blob(input.substr(0, taken));
    input.remove_prefix(taken);
    return blob;
}

inline FuzzFiles DecodeInput(std::string_view input) {
    FuzzFiles files;
    if (input.empty()) {
        return files;
    }
    files.flags = static_cast<std::uint8_t>(input.front());
    input.remove_prefix(1);
    files.data = TakeBlob(input);
    files.index = TakeBlob(input);
    files.journal = TakeBlob(input);
    files.operations = std::string(input);
    return files;
}

}  // namespace oltoma::fuzz
