#include "labels/register_file.h"

#include <cstring>
#include <filesystem>

#include "base/messages/messages.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/storage_failure.h"
#include "storage/access_layer.h"
#include "storage/fileblock_names.h"

namespace oltoma::labels {
namespace {

constexpr int kKey = 1;
constexpr int kDeletionNoticeMessage = 1;

bool Live(const void* record) {
    std::int32_t status = 0;
    std::memcpy(&status, record, sizeof status);
    return status == 0;
}

}  // namespace

RegisterFile::RegisterFile(std::string_view baseName, std::int32_t recordLength)
    : baseName_(baseName),
      recordLength_(recordLength),
      scratch_(static_cast<std::size_t>(recordLength)) {}

void RegisterFile::ClearBuffer() {
    std::memset(Buffer(), 0, static_cast<std::size_t>(recordLength_));
}

bool RegisterFile::Open() {
    ClearBuffer();
    if (block_ != nullptr) {
        return true;
    }
    const std::string name = ol::DataFileName(baseName_);
    std::error_code error;
    if (!std::filesystem::exists(storage::NamesOfFileBlock(name).data, error) && !error) {
        const storage::IndexDescriptor key{storage::kMaxKeyLen, false};
        storage::CreateFileBlock(name, recordLength_, 1, {&key, 1});
        if (!storage::IsamSucceeded()) {
            return false;
        }
    }
    storage::OpenFileBlock(block_, name);
    if (!storage::IsamSucceeded()) {
        block_ = nullptr;
        return false;
    }
    return true;
}

void RegisterFile::Forget() {
    block_ = nullptr;
    ClearBuffer();
}

void RegisterFile::Close() {
    if (block_ == nullptr) {
        return;
    }
    storage::CloseFileBlock(block_);
    if (!storage::IsamSucceeded()) {
        ReportFailure();
    }
    block_ = nullptr;
}

std::int32_t RegisterFile::UsedRecords() const {
    return block_ != nullptr ? storage::UsedRecs(block_) : 0;
}

bool RegisterFile::ReadInto(std::int32_t rc, void* record) {
    storage::GetRec(block_, rc, scratch_.data());
    if (!storage::IsamSucceeded()) {
        ReportFailure();
        return false;
    }
    std::memcpy(record, scratch_.data(), scratch_.size());
    return true;
}

void RegisterFile::Select(FixtRtnTypes routine, std::string_view key, std::int32_t& rc,
                          bool& exists, bool& fileEnd) {
    exists = false;
    fileEnd = false;
    if (block_ == nullptr) {
        fileEnd = true;
        return;
    }
    const std::string_view cut = registers::IsamKeyOf(key);
    switch (routine) {
        case registers::FindRtn:
            rc = storage::FindKey(block_, kKey, cut);
            if (!storage::IsamSucceeded()) {
                rc = 0;
            }
            break;
        case registers::NextRtn: {
            storage::IsamKeyStr found;
            storage::NextKey(block_, kKey, found, rc);
            if (!storage::IsamSucceeded()) {
                rc = 0;
                fileEnd = true;
                return;
            }
            if (rc <= 0 || rc >= storage::FileLen(block_)) {
                return;  // an entry pointing outside the file: passed over
            }
            break;
        }
        case registers::SearchRtn: {
            storage::IsamKeyStr searched(cut);
            rc = storage::SearchKey(block_, kKey, searched);
            if (!storage::IsamSucceeded()) {
                rc = 0;
            }
            break;
        }
        case registers::ClearRtn:
            storage::ClearKey(block_, kKey);
            rc = 0;
            break;
        case registers::RcRtn:
            break;
        case registers::FindRcRtn:
        case registers::PrevRtn:
            rc = 0;
            break;
    }
    const std::int32_t slots = storage::FileLen(block_);
    if (slots - 1 < rc) {
        fileEnd = true;
        return;
    }
    if (rc > 0 && ReadInto(rc, Buffer())) {
        exists = Live(Buffer());
    }
}

bool RegisterFile::Put(std::int32_t rc) {
    storage::PutRec(block_, rc, Buffer());
    if (!storage::IsamSucceeded()) {
        ReportFailure();
        return false;
    }
    return true;
}

void RegisterFile::UndoAdd(std::int32_t rc) {
    const int code = storage::IsamError();
    const int systemError = storage::IsamDosError();
    const int function = storage::IsamDosFunction();
    storage::DeleteRec(block_, rc);
    storage::ClearIsamStatus();
    if (systemError != 0) {
        storage::ReportFileFailure(function, systemError, code);
    } else {
        storage::ReportIsamError(code);
    }
}

bool RegisterFile::Add(bool adding, std::int32_t& rc) {
    if (block_ == nullptr) {
        storage::ClearIsamStatus();
        storage::ReportIsamError(storage::IsamCode::kNotOpen);
        return false;
    }
    if (adding) {
        std::memset(Buffer(), 0, sizeof(std::int32_t));
        rc = storage::AddRec(block_, Buffer());
        if (!storage::IsamSucceeded()) {
            ReportFailure();
            return false;
        }
    }
    ApplyEmptyKeyRule();
    storage::PutRec(block_, rc, Buffer());
    if (storage::IsamSucceeded()) {
        storage::AddKey(block_, kKey, rc, KeyOfBuffer());
    }
    if (storage::IsamSucceeded()) {
        return true;
    }
    ReportFailure();
    if (adding) {
        UndoAdd(rc);
    }
    return false;
}

bool RegisterFile::Delete(FixtRtnTypes routine, std::string_view key, std::int32_t rc,
                          bool withRecord) {
    if (block_ == nullptr) {
        storage::ClearIsamStatus();
        storage::ReportIsamError(storage::IsamCode::kNotOpen);
        return false;
    }
    std::int32_t number = rc;
    if (routine == registers::FindRtn) {
        number = storage::FindKey(block_, kKey, registers::IsamKeyOf(key));
        if (!storage::IsamSucceeded()) {
            number = 0;
        }
    }
    storage::ClearIsamStatus();
    if (number <= 0 || number >= storage::FileLen(block_)) {
        storage::ReportIsamError(storage::IsamCode::kDeleteRecOutOfRange);
        return false;
    }
    if (!ReadInto(number, Buffer())) {
        return false;
    }
    const std::string recordKey = KeyOfBuffer();
    const bool ownEntry =
        storage::FindKey(block_, kKey, recordKey) == number && storage::IsamSucceeded();
    storage::ClearIsamStatus();
    if (ownEntry) {
        storage::DeleteKey(block_, kKey, number, recordKey);
        if (!storage::IsamSucceeded()) {
            ReportFailure();
            return false;
        }
    }
    if (!withRecord) {
        return true;
    }
    if (!Live(Buffer())) {
        // Deleting a free slot again would break the file's free list.
        storage::ReportIsamError(storage::IsamCode::kDeleteRecOutOfRange);
        return false;
    }
    storage::DeleteRec(block_, number);
    if (!storage::IsamSucceeded()) {
        ReportFailure();
        return false;
    }
    SetMessageLine(DeletionNotice());
    ConfirmMessage(kDeletionNoticeMessage);
    return true;
}

bool RegisterFile::KeyTaken(std::string_view key) {
    if (block_ == nullptr) {
        return false;
    }
    storage::FindKey(block_, kKey, registers::IsamKeyOf(key));
    const bool found = storage::IsamSucceeded();
    storage::ClearIsamStatus();
    return found;
}

void RegisterFile::ReportFailure() const {
    ol::ReportStorageFailure(baseName_);
}

std::string RegisterFileFailureText(std::string_view message) {
    std::string text = std::string(message) + ": " + msgtext(storage::IsamError());
    if (storage::IsamDosError() != 0) {
        text += " (" + std::to_string(storage::IsamDosError()) + ")";
    }
    return text;
}

}  // namespace oltoma::labels
