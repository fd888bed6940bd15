#include "storage/access_layer.h"

#include "storage/internal/isam_engine.h"

namespace oltoma::storage {

void CreateFileBlock(std::string_view name, std::int32_t recordLength, int numberOfKeys,
                     std::span<const IndexDescriptor> descriptors) {
    engine::MakeFileBlock(name, recordLength, numberOfKeys, descriptors);
}

void OpenFileBlock(FileBlock*& block, std::string_view name) {
    engine::OpenFileBlock(block, name, false, false, true, false);
}

void CloseFileBlock(FileBlock*& block) {
    engine::CloseFileBlock(block);
}
void DeleteFileBlock(std::string_view name) {
    engine::DeleteFileBlock(name);
}

std::int32_t AddRec(FileBlock* block, const void* record) {
    return engine::AddRec(block, record);
}

void GetRec(FileBlock* block, std::int32_t recordNumber, void* record) {
    engine::GetRec(block, recordNumber, record);
}

void PutRec(FileBlock* block, std::int32_t recordNumber, const void* record) {
    engine::PutRec(block, recordNumber, record);
}

void DeleteRec(FileBlock* block, std::int32_t recordNumber) {
    engine::DeleteRec(block, recordNumber);
}

std::int32_t FileLen(FileBlock* block) {
    return engine::FileLen(block);
}
std::int32_t UsedRecs(FileBlock* block) {
    return engine::UsedRecs(block);
}

void AddKey(FileBlock* block, int keyNumber, std::int32_t recordNumber, std::string_view key) {
    engine::AddKey(block, keyNumber, recordNumber, IsamKeyStr(key));
}

void DeleteKey(FileBlock* block, int keyNumber, std::int32_t recordNumber, std::string_view key) {
    engine::DeleteKey(block, keyNumber, recordNumber, IsamKeyStr(key));
}

std::int32_t FindKey(FileBlock* block, int keyNumber, std::string_view key) {
    return engine::FindKey(block, keyNumber, IsamKeyStr(key));
}

std::int32_t SearchKey(FileBlock* block, int keyNumber, IsamKeyStr& key) {
    return engine::SearchKey(block, keyNumber, key);
}

void NextKey(FileBlock* block, int keyNumber, IsamKeyStr& key, std::int32_t& recordNumber) {
    engine::NextKey(block, keyNumber, key, recordNumber);
}

void ClearKey(FileBlock* block, int keyNumber) {
    engine::ClearKey(block, keyNumber);
}

std::int32_t KeyEntryRecord(FileBlock* block, int keyNumber, std::int32_t recordNumber,
                            std::string_view key) {
    return engine::KeyEntryRecord(block, keyNumber, recordNumber, IsamKeyStr(key));
}

void BeginStoreUnit(FileBlock* block) {
    engine::BeginStoreUnit(block);
}

bool CommitStoreUnit(FileBlock* block) {
    return engine::CommitStoreUnit(block);
}

void CancelStoreUnit(FileBlock* block) {
    engine::CancelStoreUnit(block);
}

bool StoreUnitRunning(const FileBlock* block) {
    return engine::StoreUnitRunning(block);
}

bool StoreUnitCanAddRecord(const FileBlock* block) {
    return engine::StoreUnitCanAddRecord(block);
}

int StoreUnitOperations(const FileBlock* block) {
    return engine::StoreUnitOperations(block);
}

std::int64_t StoreUnitJournalBytes(const FileBlock* block) {
    return engine::StoreUnitJournalBytes(block);
}

int InitIsam(int lockingMode, int pageBuffers) {
    return engine::InitIsam(lockingMode, pageBuffers);
}

void ExitIsam() {
    engine::ExitIsam();
}

void OpenFileBlockForReading(FileBlock*& block, std::string_view name, bool& journalPending) {
    engine::OpenFileBlockForReading(block, name, journalPending);
}

void OpenFileBlockWithoutJournal(FileBlock*& block, std::string_view name) {
    engine::OpenFileBlock(block, name, false, false, false, false);
}

std::int32_t RecordLength(const FileBlock* block) {
    return engine::RecordLength(block);
}

int KeyCount(const FileBlock* block) {
    return engine::KeyCount(block);
}

bool KeyAllowsDuplicates(const FileBlock* block, int keyNumber) {
    return engine::KeyAllowsDuplicates(block, keyNumber);
}

}  // namespace oltoma::storage
