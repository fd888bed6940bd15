// Writes the seed corpus of the fileblock fuzzer: small sound fileblocks
// made by the engine (with deleted records, multi-level trees, duplicates,
// small pages) and one with a pending journal, each followed by a mix of
// operations.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "fuzz_input.h"
#include "storage/access_layer.h"
#include "storage/internal/isam_engine.h"

namespace {

using namespace oltoma::storage;
using oltoma::fuzz::FuzzFiles;

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

FuzzFiles FilesOf(const std::string& name) {
    FuzzFiles files;
    files.data = Slurp(name + ".DAT");
    files.index = Slurp(name + ".IX");
    files.journal = Slurp(name + ".DIA");
    files.operations = std::string(
        "\x00\x01\x01\x03"
        "ABC"
        "\x03\x01\x05\x02"
        "ZZ"
        "\x04\x01\x00\x04"
        "K010"
        "\x05\x00\x06\x02\x07\x03\x08\x01\x41\x0a\x0b\x00\x02",
        33);
    return files;
}

// A fileblock with `entries` keys in each index and some deleted records.
void Build(const std::string& name, int keyLen, int entries) {
    const IndexDescriptor keys[] = {{keyLen, false}, {2, true}};
    CreateFileBlock(name, 24, 2, keys);
    FileBlock* block = nullptr;
    OpenFileBlock(block, name);
    char record[24] = {};
    for (int n = 1; n <= 12; ++n) {
        record[4] = static_cast<char>('a' + n);
        AddRec(block, record);
    }
    DeleteRec(block, 3);
    DeleteRec(block, 7);
    for (int n = 0; n < entries; ++n) {
        char key[8];
        std::snprintf(key, sizeof key, "K%03d", n);
        AddKey(block, 1, n % 12 + 1, key);
        AddKey(block, 2, n % 12 + 1, n % 3 == 0 ? "\x8F" : "A");
    }
    for (int n = 0; n < entries; n += 7) {
        char key[8];
        std::snprintf(key, sizeof key, "K%03d", n);
        DeleteKey(block, 1, 0, key);
    }
    CloseFileBlock(block);
}

std::string UInt16(int value) {
    return std::string{static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}

std::string Int32(std::int32_t value) {
    std::string bytes(4, '\0');
    std::memcpy(bytes.data(), &value, 4);
    return bytes;
}

std::int32_t Int32At(const std::string& bytes, std::size_t offset) {
    std::int32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

void Save(const std::string& folder, const std::string& seed, const FuzzFiles& files) {
    std::ofstream(folder + "/" + seed, std::ios::binary) << oltoma::fuzz::EncodeInput(files);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fileblock_seeds FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    std::filesystem::create_directories(folder);
    const std::string work = folder + "/.work";
    std::filesystem::create_directories(work);
    std::filesystem::current_path(work);
    engine::InitIsam(0, 8);

    Build("ONE", 4, 20);
    Save(folder, "one-level", FilesOf("ONE"));
    Build("TWO", 4, 90);
    FuzzFiles two = FilesOf("TWO");
    Save(folder, "two-levels", two);
    two.flags = oltoma::fuzz::kInspectFlag;
    Save(folder, "two-levels-inspected", two);

    // A journal holding before-images of the current headers and of page 1
    // of key 1, as an interrupted operation leaves it.
    FuzzFiles pending = FilesOf("ONE");
    const std::size_t rowBytes = (62 * 13 + 6) + (62 * 11 + 6);
    const std::string page = pending.index.substr(rowBytes, 62 * 13 + 6);
    const std::size_t items = static_cast<unsigned char>(page[0]);
    std::string journal(1, '\0');
    journal += UInt16(1000) + UInt16(1) + pending.index.substr(0, 28) + Int32(-2);
    journal += page.substr(0, 2) + UInt16(1) + UInt16(0) + page.substr(6, items * 13) + Int32(1) +
               page.substr(2, 4);
    const std::int32_t freeHead = Int32At(pending.data, 0);
    journal += UInt16(1000) + UInt16(0) + pending.data.substr(0, 21) + std::string(7, '\0') +
               pending.data.substr(static_cast<std::size_t>(freeHead) * 24, 4);
    pending.journal = journal;
    Save(folder, "pending-journal", pending);

    engine::ExitIsam();
    std::filesystem::current_path(folder);
    std::filesystem::remove_all(work);
    return 0;
}
