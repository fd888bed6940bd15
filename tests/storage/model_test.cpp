// Long random sequences of record and key operations checked against a
// model held in std::map, with a structural check of every tree after each
// batch, across close and reopen, on an 8-buffer page cache shared by two
// fileblocks. Indexes with small pages make deep trees, so splits,
// redistributions, merges and cache evictions during operations are common.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <random>
#include <set>

#include "base/text/windows1252.h"
#include "storage/access_layer.h"
#include "storage/fault_injection.h"
#include "storage/internal/isam_engine.h"
#include "storage/structure_check.h"
#include "storage_test_support.h"

namespace oltoma::storage {
namespace {

using Entry = std::pair<std::string, std::int32_t>;

int CompareByCodePoint(const std::string& a, const std::string& b) {
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const char32_t x = DecodeWindows1252(static_cast<unsigned char>(a[i]));
        const char32_t y = DecodeWindows1252(static_cast<unsigned char>(b[i]));
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// Entry order of an index: by key, and with duplicates by record number.
struct EntryOrder {
    bool duplicates = false;
    bool operator()(const Entry& a, const Entry& b) const {
        const int byKey = CompareByCodePoint(a.first, b.first);
        if (byKey != 0 || !duplicates) {
            return byKey < 0;
        }
        return a.second < b.second;
    }
};

struct KeyModel {
    testing::KeyShape shape;
    std::set<Entry, EntryOrder> entries;
    std::optional<Entry> position;  // last entry returned; none = before the first
    bool pathValid = true;
    bool scanning = false;  // position is known
};

class FileBlockModel {
public:
    FileBlockModel(std::string name, int recordLength, std::vector<testing::KeyShape> keys)
        : name_(std::move(name)), recordLength_(recordLength) {
        for (const auto& shape : keys) {
            KeyModel key;
            key.shape = shape;
            key.entries = std::set<Entry, EntryOrder>(EntryOrder{shape.duplicates});
            keys_.push_back(std::move(key));
        }
        testing::WriteEmptyFileBlock(name_, recordLength_, keys);
    }

    void Open() {
        OpenFileBlock(block_, name_);
        ASSERT_TRUE(IsamSucceeded()) << IsamError();
        for (KeyModel& key : keys_) {
            key.position.reset();
            key.pathValid = true;
            key.scanning = true;
        }
    }
    void Close() {
        CloseFileBlock(block_);
        ASSERT_TRUE(IsamSucceeded());
    }
    void Forget() { block_ = nullptr; }

    // One random operation; a growing fileblock gets more additions than
    // deletions, a shrinking one the other way round.
    void RandomStep(std::mt19937& random, bool growing) {
        const int weights[] = {
            growing ? 2 : 1, growing ? 1 : 2, 1, growing ? 4 : 1, growing ? 1 : 4, 1, 2};
        std::discrete_distribution<int> choose(std::begin(weights), std::end(weights));
        switch (choose(random)) {
            case 0:
                return AddRecord(random);
            case 1:
                return DeleteRecord(random);
            case 2:
                return PutAndGetRecord(random);
            case 3:
                return AddRandomKey(random);
            case 4:
                return DeleteRandomKey(random);
            case 5:
                return FindOrSearch(random);
            default:
                return Scan(random);
        }
    }

    void CheckAll() {
        const std::vector<std::string> problems = CheckFileBlockStructure(block_);
        EXPECT_TRUE(problems.empty()) << name_ << ": " << problems.front();
        EXPECT_EQ(FileLen(block_), slotCount_ + 1);
        EXPECT_EQ(UsedRecs(block_), static_cast<std::int32_t>(records_.size()));
        for (std::size_t k = 0; k < keys_.size(); ++k) {
            const int keyNumber = static_cast<int>(k) + 1;
            std::vector<Entry> scanned;
            ClearKey(block_, keyNumber);
            IsamKeyStr key;
            std::int32_t record = 0;
            for (NextKey(block_, keyNumber, key, record); IsamSucceeded();
                 NextKey(block_, keyNumber, key, record)) {
                scanned.emplace_back(key.str(), record);
            }
            EXPECT_EQ(IsamError(), IsamCode::kNoNextKey);
            EXPECT_TRUE(std::equal(scanned.begin(), scanned.end(), keys_[k].entries.begin(),
                                   keys_[k].entries.end()))
                << name_ << " key " << keyNumber;
            keys_[k].position.reset();
            keys_[k].pathValid = true;
            keys_[k].scanning = true;
        }
    }

private:
    std::string RandomText(std::mt19937& random, int longest) {
        static const char kAlphabet[] = {'A',    'B',    'a',    '0',   '\x8F',
                                         '\x90', '\xC5', '\x80', '\xFF'};
        const int length = std::uniform_int_distribution<int>(0, longest)(random);
        std::string text;
        for (int i = 0; i < length; ++i) {
            text += kAlphabet[std::uniform_int_distribution<int>(0, sizeof kAlphabet - 1)(random)];
        }
        return text;
    }

    std::int32_t RandomLiveRecord(std::mt19937& random) {
        if (records_.empty()) {
            return 1;
        }
        auto it = records_.begin();
        std::advance(it,
                     std::uniform_int_distribution<std::size_t>(0, records_.size() - 1)(random));
        return it->first;
    }

    void AddRecord(std::mt19937& random) {
        const std::string record = testing::LiveRecord(recordLength_, RandomText(random, 12));
        std::int32_t expected = slotCount_ + 1;
        if (!freeList_.empty()) {
            expected = freeList_.back();
        }
        ASSERT_EQ(AddRec(block_, record.data()), expected) << IsamError();
        if (!freeList_.empty()) {
            freeList_.pop_back();
        } else {
            ++slotCount_;
        }
        records_[expected] = record;
    }

    void DeleteRecord(std::mt19937& random) {
        if (records_.empty()) {
            DeleteRec(block_, slotCount_ + 1);
            EXPECT_EQ(IsamError(), IsamCode::kDeleteRecOutOfRange);
            return;
        }
        const std::int32_t number = RandomLiveRecord(random);
        DeleteRec(block_, number);
        ASSERT_TRUE(IsamSucceeded()) << IsamError();
        records_.erase(number);
        freeList_.push_back(number);
    }

    void PutAndGetRecord(std::mt19937& random) {
        if (records_.empty()) {
            return;
        }
        const std::int32_t number = RandomLiveRecord(random);
        if (random() % 2 == 0) {
            records_[number] = testing::LiveRecord(recordLength_, RandomText(random, 12));
            PutRec(block_, number, records_[number].data());
            ASSERT_TRUE(IsamSucceeded());
        }
        std::string read(static_cast<std::size_t>(recordLength_), '\0');
        GetRec(block_, number, read.data());
        EXPECT_EQ(read, records_[number]);
    }

    std::size_t RandomKeyIndex(std::mt19937& random) {
        return std::uniform_int_distribution<std::size_t>(0, keys_.size() - 1)(random);
    }

    void AddRandomKey(std::mt19937& random) {
        const std::size_t k = RandomKeyIndex(random);
        KeyModel& key = keys_[k];
        Entry entry{RandomText(random, key.shape.keyLen + 1), RandomLiveRecord(random)};
        if (entry.first.size() > IsamKeyStr::kCapacity) {
            entry.first.resize(IsamKeyStr::kCapacity);  // the access layer cuts keys to 30
        }
        AddKey(block_, static_cast<int>(k) + 1, entry.second, entry.first);
        key.pathValid = false;
        if (static_cast<int>(entry.first.size()) > key.shape.keyLen) {
            EXPECT_EQ(IsamError(), IsamCode::kKeyTooLong);
        } else if (key.entries.count(entry) != 0) {
            EXPECT_EQ(IsamError(), IsamCode::kKeyExists);
        } else {
            ASSERT_TRUE(IsamSucceeded()) << IsamError();
            key.entries.insert(entry);
        }
    }

    void DeleteRandomKey(std::mt19937& random) {
        const std::size_t k = RandomKeyIndex(random);
        KeyModel& key = keys_[k];
        Entry entry{RandomText(random, key.shape.keyLen), RandomLiveRecord(random)};
        if (!key.entries.empty() && random() % 4 != 0) {
            auto it = key.entries.begin();
            std::advance(
                it, std::uniform_int_distribution<std::size_t>(0, key.entries.size() - 1)(random));
            entry = *it;
        }
        DeleteKey(block_, static_cast<int>(k) + 1, entry.second, entry.first);
        key.pathValid = false;
        const auto found = key.entries.find(entry);
        if (found == key.entries.end()) {
            EXPECT_EQ(IsamError(), IsamCode::kDeleteKeyNotFound);
        } else {
            ASSERT_TRUE(IsamSucceeded()) << IsamError();
            key.entries.erase(found);
        }
    }

    void FindOrSearch(std::mt19937& random) {
        const std::size_t k = RandomKeyIndex(random);
        KeyModel& key = keys_[k];
        const int keyNumber = static_cast<int>(k) + 1;
        std::string text = RandomText(random, key.shape.keyLen);
        if (!key.entries.empty() && random() % 2 == 0) {
            auto it = key.entries.begin();
            std::advance(
                it, std::uniform_int_distribution<std::size_t>(0, key.entries.size() - 1)(random));
            text = it->first;
        }
        const auto first = key.entries.lower_bound(Entry{text, 0});
        key.pathValid = true;
        key.scanning = false;
        if (random() % 2 == 0) {
            const std::int32_t found = FindKey(block_, keyNumber, text);
            if (first != key.entries.end() && first->first == text) {
                EXPECT_EQ(found, first->second) << IsamError();
                key.position = *first;
                key.scanning = true;
            } else {
                EXPECT_EQ(IsamError(), IsamCode::kFindKeyNotFound);
            }
            return;
        }
        IsamKeyStr searched(text);
        const std::int32_t found = SearchKey(block_, keyNumber, searched);
        if (first == key.entries.end()) {
            EXPECT_EQ(IsamError(), IsamCode::kSearchKeyNotFound);
            key.position.reset();
            key.scanning = true;
        } else {
            EXPECT_EQ(Entry(searched.str(), found), *first);
            key.position = *first;
            key.scanning = true;
        }
    }

    void Scan(std::mt19937& random) {
        const std::size_t k = RandomKeyIndex(random);
        KeyModel& key = keys_[k];
        const int keyNumber = static_cast<int>(k) + 1;
        if (!key.scanning || random() % 8 == 0) {
            ClearKey(block_, keyNumber);
            key.position.reset();
            key.pathValid = true;
            key.scanning = true;
        }
        IsamKeyStr text(key.position ? key.position->first : "");
        std::int32_t record = key.position ? key.position->second : 0;
        NextKey(block_, keyNumber, text, record);
        auto expected = key.entries.begin();
        if (key.position || !key.pathValid) {
            expected = key.entries.upper_bound(key.position.value_or(Entry{"", 0}));
        }
        key.pathValid = true;
        if (expected == key.entries.end()) {
            EXPECT_EQ(IsamError(), IsamCode::kNoNextKey);
            key.position.reset();
        } else {
            EXPECT_EQ(Entry(text.str(), record), *expected) << IsamError();
            key.position = *expected;
        }
    }

    std::string name_;
    int recordLength_;
    std::vector<KeyModel> keys_;
    FileBlock* block_ = nullptr;
    std::map<std::int32_t, std::string> records_;
    std::vector<std::int32_t> freeList_;  // top = next record to reuse
    std::int32_t slotCount_ = 0;
};

class ModelTest : public testing::StorageTest {
protected:
    int PageBuffers() const override { return 8; }
    void SetUp() override {
        StorageTest::SetUp();
        fault::Reset();
        fault::SkipSyncs(true);
    }
};

TEST_F(ModelTest, RandomOperationsMatchTheModel) {
    FileBlockModel small("SMALL", 40, {{8, false, 4}, {5, true, 6}, {12, false, 62}});
    FileBlockModel wide("WIDE", 25, {{30, true, 5}, {1, false, 3}});
    small.Open();
    wide.Open();
    std::mt19937 random(20240611);
    constexpr int kBatches = 20;
    constexpr int kStepsPerBatch = 2000;
    for (int batch = 0; batch < kBatches && !HasFatalFailure(); ++batch) {
        for (int step = 0; step < kStepsPerBatch && !HasFatalFailure(); ++step) {
            (random() % 3 == 0 ? wide : small).RandomStep(random, batch < kBatches / 2);
        }
        small.CheckAll();
        wide.CheckAll();
        if (batch % 3 == 1) {
            small.Close();
            small.Open();
        } else if (batch % 3 == 2) {
            engine::ExitIsam();
            small.Forget();
            wide.Forget();
            ASSERT_EQ(engine::InitIsam(0, 8), 8);
            small.Open();
            wide.Open();
        }
    }
}

}  // namespace
}  // namespace oltoma::storage
