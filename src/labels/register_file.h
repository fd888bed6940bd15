// A register file of the label subsystem: one fileblock in the data
// directory with one index (key length 30, no duplicates) and one record
// buffer, and the record operations the register dialogs run on them. The
// label file and the two giro files are register files; each supplies its
// key, its empty-key rule and its deletion notice.
//
// Records are located with the register dialogs' routines
// (registers/fixt_select.h): FindRtn, NextRtn, SearchRtn, ClearRtn and
// RcRtn; the others locate nothing.
//
// Storage failures leave the engine status failed and put the file's name
// and the engine's text into MessageLine.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "registers/fixt_select.h"
#include "storage/isam_types.h"

namespace oltoma::labels {

using registers::FixtRtnTypes;

class RegisterFile {
public:
    RegisterFile(std::string_view baseName, std::int32_t recordLength);
    virtual ~RegisterFile() = default;
    RegisterFile(const RegisterFile&) = delete;
    RegisterFile& operator=(const RegisterFile&) = delete;

    // Opens the file; when its data file does not exist, creates it first
    // (record length, one key of 30 characters without duplicates). A file
    // that exists but does not open is left as it is: false, with the
    // engine's status of the failure. Clears the record buffer either way.
    bool Open();
    // Closes it when open.
    void Close();
    // As before the first Open: no file, the buffer cleared. The fileblock
    // is not closed: only the process-state reset calls this, after or
    // before the engine's reset has dropped every open fileblock.
    void Forget();
    bool IsOpen() const { return block_ != nullptr; }
    storage::FileBlock* Block() const { return block_; }
    // The base name in the data directory ("Etikett", "giroP", "giroB").
    std::string_view BaseName() const { return baseName_; }

    // Live records in the file (0 when it is not open).
    std::int32_t UsedRecords() const;

    // Locates a record by the routine and, when its number lies inside the
    // file, reads it into the buffer; exists tells that it is live. fileEnd
    // is set when a walk with NextRtn has no further key, and when a number
    // given with RcRtn lies beyond the file. A key whose record number lies
    // outside the file is passed over like a deleted record (exists and
    // fileEnd false), so a walk goes on.
    void Select(FixtRtnTypes routine, std::string_view key, std::int32_t& rc, bool& exists,
                bool& fileEnd);
    // Rewrites record rc from the buffer; keys are untouched.
    bool Put(std::int32_t rc);
    // adding: stores the buffer as a new live record, rc gets its number.
    // Always: applies the empty-key rule, rewrites record rc and adds its
    // key. When the key or the rewrite of a new record fails, the new record
    // is deleted again, so no record without a key is left; the failure
    // stays in the engine status and MessageLine.
    bool Add(bool adding, std::int32_t& rc);
    // With FindRtn the number is found by the key (0 when not found), else rc
    // is used. A number outside the file fails. Otherwise the record is read
    // into the buffer and its key is deleted, but only when the index
    // entry of that key is this record's. withRecord: the record is deleted
    // too (a record that is not live is refused) and the deletion notice
    // goes to MessageLine.
    bool Delete(FixtRtnTypes routine, std::string_view key, std::int32_t rc, bool withRecord);

    // Whether the index holds the key (the engine status is left clear).
    bool KeyTaken(std::string_view key);

protected:
    // The record buffer and what is computed from it.
    virtual void* Buffer() = 0;
    virtual std::string KeyOfBuffer() const = 0;
    virtual void ApplyEmptyKeyRule() = 0;
    virtual std::string DeletionNotice() const = 0;
    void ClearBuffer();

private:
    bool ReadInto(std::int32_t rc, void* record);
    void ReportFailure() const;
    void UndoAdd(std::int32_t rc);

    std::string baseName_;
    std::int32_t recordLength_;
    storage::FileBlock* block_ = nullptr;
    std::vector<unsigned char> scratch_;
};

// "<message>: " + the engine's text of the last failure, with the system
// error number in parentheses when a file primitive failed.
std::string RegisterFileFailureText(std::string_view message);

}  // namespace oltoma::labels
