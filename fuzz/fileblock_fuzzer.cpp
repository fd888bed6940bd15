// libFuzzer target: opens a fileblock made of fuzzed data, index and journal
// files (playing the journal back, or opening for inspection), then walks
// and modifies it with fuzzed operations. Every outcome must be an engine
// code; the sanitizers catch any read or write out of bounds.
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "fuzz_input.h"
#include "storage/access_layer.h"
#include "storage/internal/isam_engine.h"
#include "storage/structure_check.h"

namespace {

using namespace oltoma::storage;
using oltoma::fuzz::FuzzFiles;

// The fileblock's name: a file in a folder of its own (set at start).
std::string& FileBlockName() {
    static std::string name;
    return name;
}
constexpr int kMaxOperations = 64;
constexpr std::int32_t kMaxRecordBytes = 1 << 16;

// Replaces the file (a fresh file is cheaper than truncating one).
void WriteFile(const std::string& path, const std::string& bytes) {
    std::remove(path.c_str());
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class OperationReader {
public:
    explicit OperationReader(const std::string& bytes) : bytes_(bytes) {}
    bool AtEnd() const { return position_ >= bytes_.size(); }
    std::uint8_t Byte() { return AtEnd() ? 0 : static_cast<std::uint8_t>(bytes_[position_++]); }
    std::string Text() {
        const std::size_t length = Byte() % 34;
        std::string text;
        while (text.size() < length && !AtEnd()) {
            text += static_cast<char>(Byte());
        }
        return text;
    }

private:
    const std::string& bytes_;
    std::size_t position_ = 0;
};

bool Open(FileBlock*& block, bool inspect) {
    if (inspect) {
        bool pending = false;
        engine::OpenFileBlockForReading(block, FileBlockName(), pending);
    } else {
        OpenFileBlock(block, FileBlockName());
    }
    return block != nullptr;
}

void RunOperations(FileBlock*& block, bool inspect, const std::string& operations) {
    static char record[kMaxRecordBytes];
    OperationReader reader(operations);
    for (int count = 0; count < kMaxOperations && !reader.AtEnd() && block != nullptr; ++count) {
        const int keys = engine::KeyCount(block) + 1;  // key 0 and KeyCount + 1 are refused
        const bool recordsFit = engine::RecordLength(block) <= kMaxRecordBytes;
        IsamKeyStr key;
        std::int32_t number = 0;
        switch (reader.Byte() % oltoma::fuzz::kOpcodeCount) {
            case oltoma::fuzz::kScan: {
                const int keyNumber = reader.Byte() % (keys + 1);
                ClearKey(block, keyNumber);
                for (int step = 0; step < 200; ++step) {
                    NextKey(block, keyNumber, key, number);
                    if (!IsamSucceeded()) {
                        break;
                    }
                }
                break;
            }
            case oltoma::fuzz::kFind: {
                const int keyNumber = reader.Byte() % (keys + 1);
                FindKey(block, keyNumber, reader.Text());
                break;
            }
            case oltoma::fuzz::kSearch: {
                const int keyNumber = reader.Byte() % (keys + 1);
                key = reader.Text();
                SearchKey(block, keyNumber, key);
                break;
            }
            case oltoma::fuzz::kAddKey: {
                const int keyNumber = reader.Byte() % (keys + 1);
                number = reader.Byte();
                AddKey(block, keyNumber, number, reader.Text());
                break;
            }
            case oltoma::fuzz::kDeleteKey: {
                const int keyNumber = reader.Byte() % (keys + 1);
                number = reader.Byte();
                DeleteKey(block, keyNumber, number, reader.Text());
                break;
            }
            case oltoma::fuzz::kAddRec:
                std::fill(record, record + sizeof record, static_cast<char>(reader.Byte()));
                if (recordsFit) {
                    AddRec(block, record);
                }
                break;
            case oltoma::fuzz::kDeleteRec:
                DeleteRec(block, reader.Byte());
                break;
            case oltoma::fuzz::kGetRec:
                number = reader.Byte();
                if (recordsFit) {
                    GetRec(block, number, record);
                }
                break;
            case oltoma::fuzz::kPutRec:
                number = reader.Byte();
                std::fill(record, record + sizeof record, static_cast<char>(reader.Byte()));
                if (recordsFit) {
                    PutRec(block, number, record);
                }
                break;
            case oltoma::fuzz::kClearKey:
                ClearKey(block, reader.Byte() % (keys + 1));
                break;
            case oltoma::fuzz::kCheck:
                CheckFileBlockStructure(block);
                break;
            case oltoma::fuzz::kReopen:
                CloseFileBlock(block);
                Open(block, inspect);
                break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A memory file system where there is one: every operation flushes.
    std::string pattern = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    pattern += "/oltoma-fuzz-XXXXXX";
    char* folder = pattern.data();
    if (::mkdtemp(folder) == nullptr) {
        std::perror("oltoma fuzz folder");
        std::abort();
    }
    FileBlockName() = std::string(folder) + "/FUZZ";
    static std::string made;
    made = folder;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(made, ignored);
    });
    if (engine::InitIsam(0, 8) != 8) {
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const FuzzFiles files =
        oltoma::fuzz::DecodeInput(std::string_view(reinterpret_cast<const char*>(bytes), size));
    WriteFile(FileBlockName() + ".DAT", files.data);
    WriteFile(FileBlockName() + ".IX", files.index);
    WriteFile(FileBlockName() + ".DIA", files.journal);
    const bool inspect = (files.flags & oltoma::fuzz::kInspectFlag) != 0;
    FileBlock* block = nullptr;
    if (Open(block, inspect)) {
        RunOperations(block, inspect, files.operations);
        CloseFileBlock(block);
    }
    return 0;
}
