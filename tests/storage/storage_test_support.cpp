#include "storage_test_support.h"

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "storage/internal/isam_engine.h"
#include "storage/isam_status.h"

namespace oltoma::storage::testing {

void StorageTest::SetUp() {
    previousFolder_ = std::filesystem::current_path().string();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string folder = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : folder) {
        if (c == '/') {
            c = '_';
        }
    }
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    ASSERT_EQ(engine::InitIsam(0, PageBuffers()), PageBuffers());
}

void StorageTest::TearDown() {
    engine::ExitIsam();
    std::filesystem::current_path(previousFolder_);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path) {
    return std::filesystem::exists(path);
}

std::int64_t FileLength(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? -1 : static_cast<std::int64_t>(size);
}

std::string LiveRecord(int length, std::string_view text) {
    std::string record(4, '\0');
    record += text;
    record.resize(static_cast<std::size_t>(length), '\0');
    return record;
}

std::int32_t Int32At(std::string_view bytes, std::size_t offset) {
    std::int32_t value = 0;
    if (offset + 4 <= bytes.size()) {
        std::memcpy(&value, bytes.data() + offset, 4);
    }
    return value;
}

void PutInt32(std::string& bytes, std::size_t offset, std::int32_t value) {
    std::memcpy(bytes.data() + offset, &value, 4);
}

void PutUInt16(std::string& bytes, std::size_t offset, std::uint16_t value) {
    std::memcpy(bytes.data() + offset, &value, 2);
}

void WriteEmptyFileBlock(const std::string& name, int recordLength,
                         const std::vector<KeyShape>& keys) {
    std::string data(static_cast<std::size_t>(recordLength), '\0');
    PutInt32(data, 0, -1);
    PutInt32(data, 12, recordLength);
    PutInt32(data, 16, static_cast<std::int32_t>(keys.size()));
    WriteFile(name + ".DAT", data);
    if (keys.empty()) {
        return;
    }
    std::size_t rowBytes = 0;
    for (const KeyShape& key : keys) {
        rowBytes += static_cast<std::size_t>(key.pageSize * (key.keyLen + 9) + 6);
    }
    std::string index(rowBytes, '\0');
    std::size_t offset = 0;
    for (const KeyShape& key : keys) {
        const int pageBytes = key.pageSize * (key.keyLen + 9) + 6;
        PutInt32(index, offset, -1);
        PutInt32(index, offset + 12, pageBytes);
        index[offset + 20] = key.duplicates ? 1 : 0;
        PutUInt16(index, offset + 26, static_cast<std::uint16_t>(key.pageSize));
        offset += static_cast<std::size_t>(pageBytes);
    }
    WriteFile(name + ".IX", index);
}

namespace {

std::vector<std::int32_t> FreeChain(const std::string& bytes, std::int32_t head,
                                    std::int32_t highest,
                                    const std::function<std::size_t(std::int32_t)>& offset) {
    std::vector<std::int32_t> chain;
    for (std::int32_t element = head;
         element != -1 && chain.size() <= static_cast<std::size_t>(highest);) {
        chain.push_back(element);
        if (element < 1 || element > highest) {
            break;
        }
        element = Int32At(bytes, offset(element));
    }
    return chain;
}

void WalkTree(const std::string& index, std::size_t keyOffset, std::size_t rowBytes, int keyLen,
              std::int32_t page, int depth, FileBlockImage::Key& key) {
    if (page <= 0 || depth > 10 || key.treePages.count(page) != 0) {
        key.entries.emplace_back("<bad page " + std::to_string(page) + ">", 0);
        return;
    }
    const std::size_t start = static_cast<std::size_t>(page) * rowBytes + keyOffset;
    const std::string slot =
        index.substr(std::min(start, index.size()), static_cast<std::size_t>(key.pageBytes));
    key.treePages[page] = slot;
    if (slot.size() < static_cast<std::size_t>(key.pageBytes)) {
        return;
    }
    const int count =
        static_cast<unsigned char>(slot[0]) | (static_cast<unsigned char>(slot[1]) << 8);
    const int stride = keyLen + 9;
    auto child = [&](int c) {
        return c == 0 ? Int32At(slot, 2) : Int32At(slot, 6 + (c - 1) * stride + 4);
    };
    for (int c = 0; c <= count && c <= key.pageSize; ++c) {
        if (child(c) != 0) {
            WalkTree(index, keyOffset, rowBytes, keyLen, child(c), depth + 1, key);
        }
        if (c < count) {
            const std::size_t item = 6 + static_cast<std::size_t>(c) * stride;
            const int length = std::min<int>(static_cast<unsigned char>(slot[item + 8]), keyLen);
            key.entries.emplace_back(slot.substr(item + 9, static_cast<std::size_t>(length)),
                                     Int32At(slot, item));
        }
    }
}

}  // namespace

FileBlockImage ReadImage(const std::string& name) {
    FileBlockImage image;
    const std::string data = ReadFile(name + ".DAT");
    const std::int32_t freeHead = Int32At(data, 0);
    image.freeCount = Int32At(data, 4);
    image.slotCount = Int32At(data, 8);
    image.recordLength = Int32At(data, 12);
    image.keyCount = Int32At(data, 16) & 0xFF;
    image.modifiedFlag = data.size() > 20 ? data[20] : -1;
    const auto recordOffset = [&](std::int32_t record) {
        return static_cast<std::size_t>(record) * static_cast<std::size_t>(image.recordLength);
    };
    image.freeRecords = FreeChain(data, freeHead, image.slotCount, recordOffset);
    for (std::int32_t record = 1; record <= image.slotCount; ++record) {
        if (std::find(image.freeRecords.begin(), image.freeRecords.end(), record) ==
            image.freeRecords.end()) {
            image.liveRecords[record] = data.substr(std::min(recordOffset(record), data.size()),
                                                    static_cast<std::size_t>(image.recordLength));
        }
    }
    if (image.keyCount == 0) {
        return image;
    }
    const std::string index = ReadFile(name + ".IX");
    std::size_t rowBytes = 0;
    for (int k = 0; k < image.keyCount; ++k) {
        rowBytes += static_cast<std::size_t>(Int32At(index, rowBytes + 12));
    }
    std::size_t keyOffset = 0;
    for (int k = 0; k < image.keyCount; ++k) {
        FileBlockImage::Key key;
        const std::int32_t keyFreeHead = Int32At(index, keyOffset);
        key.freeCount = Int32At(index, keyOffset + 4);
        key.pageCount = Int32At(index, keyOffset + 8);
        key.pageBytes = Int32At(index, keyOffset + 12);
        key.rootPage = Int32At(index, keyOffset + 16);
        key.allowDuplicates = static_cast<unsigned char>(index[keyOffset + 20]);
        key.entryCount = Int32At(index, keyOffset + 22);
        key.pageSize = static_cast<unsigned char>(index[keyOffset + 26]) |
                       (static_cast<unsigned char>(index[keyOffset + 27]) << 8);
        if (key.pageSize == 0) {
            key.pageSize = 62;
        }
        const int keyLen = (key.pageBytes - 6) / key.pageSize - 9;
        key.freePages = FreeChain(index, keyFreeHead, key.pageCount, [&](std::int32_t page) {
            return static_cast<std::size_t>(page) * rowBytes + keyOffset;
        });
        if (key.rootPage != 0) {
            WalkTree(index, keyOffset, rowBytes, keyLen, key.rootPage, 1, key);
        }
        image.keys.push_back(std::move(key));
        keyOffset += static_cast<std::size_t>(image.keys.back().pageBytes);
    }
    return image;
}

std::string FirstDifference(const FileBlockImage& expected, const FileBlockImage& actual) {
    std::ostringstream text;
    if (expected.freeCount != actual.freeCount || expected.slotCount != actual.slotCount ||
        expected.recordLength != actual.recordLength || expected.keyCount != actual.keyCount ||
        expected.modifiedFlag != actual.modifiedFlag) {
        text << "data header: FreeCount " << expected.freeCount << "/" << actual.freeCount
             << " SlotCount " << expected.slotCount << "/" << actual.slotCount;
        return text.str();
    }
    if (expected.freeRecords != actual.freeRecords) {
        return "free record lists differ";
    }
    if (expected.liveRecords != actual.liveRecords) {
        for (const auto& [record, bytes] : expected.liveRecords) {
            const auto found = actual.liveRecords.find(record);
            if (found == actual.liveRecords.end() || found->second != bytes) {
                return "live record " + std::to_string(record) + " differs";
            }
        }
        return "extra live records";
    }
    for (std::size_t k = 0; k < expected.keys.size() && k < actual.keys.size(); ++k) {
        const auto& a = expected.keys[k];
        const auto& b = actual.keys[k];
        if (a == b) {
            continue;
        }
        text << "key " << k + 1 << ": ";
        if (a.entries != b.entries) {
            text << "entries differ (" << a.entries.size() << "/" << b.entries.size() << ")";
        } else if (a.freePages != b.freePages) {
            text << "free pages differ";
        } else if (a.treePages != b.treePages) {
            text << "tree pages differ";
        } else {
            text << "header differs: PageCount " << a.pageCount << "/" << b.pageCount
                 << " RootPage " << a.rootPage << "/" << b.rootPage << " EntryCount "
                 << a.entryCount << "/" << b.entryCount << " FreeCount " << a.freeCount << "/"
                 << b.freeCount;
        }
        return text.str();
    }
    return expected == actual ? "" : "keys differ";
}

FileSnapshot TakeSnapshot(const std::string& name) {
    return FileSnapshot{ReadFile(name + ".DAT"), ReadFile(name + ".IX"), ReadFile(name + ".DIA")};
}

void RestoreSnapshot(const std::string& name, const FileSnapshot& snapshot) {
    // Files are replaced rather than truncated and rewritten: truncating a
    // file with unwritten pages can wait for the disk, which would make
    // sweeps slow.
    const std::pair<std::string, const std::string*> files[] = {
        {name + ".DAT", &snapshot.data},
        {name + ".IX", &snapshot.index},
        {name + ".DIA", &snapshot.journal},
    };
    for (const auto& [path, bytes] : files) {
        if (ReadFile(path) != *bytes) {
            std::filesystem::remove(path);
            WriteFile(path, *bytes);
        }
    }
}

}  // namespace oltoma::storage::testing
