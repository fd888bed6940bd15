#include "ol/data/maintenance/backup_copy.h"

#include <sys/stat.h>

#include <filesystem>
#include <vector>

#include "base/messages/memory_check.h"
#include "base/messages/message_owner_stack.h"
#include "base/messages/messages.h"
#include "base/messages/progress.h"
#include "base/settings/settings_state.h"
#include "base/text/number_format.h"
#include "base/text/windows1252.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/fileblock_handles.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/storage_failure.h"
#include "ol/data/maintenance/backup_file_set.h"
#include "ol/data/maintenance/backup_manifest.h"
#include "ol/data/maintenance/file_copy.h"
#include "ol/data/maintenance/maintenance_messages.h"
#include "platform/process_state.h"
#include "storage/access_layer.h"
#include "storage/file_primitives.h"
#include "storage/fileblock_names.h"

namespace oltoma::ol {
namespace {

constexpr int kNotEnoughMemoryMessage = 8;
constexpr int kSelfCopyMessage = 304;
constexpr int kDataBaseMessage = 512;
constexpr int kCopiedToMessage = 513;
constexpr int kCopySucceededMessage = 515;
constexpr int kCopyFailedMessage = 516;
constexpr int kDuringCopyMessage = 517;

constexpr std::int64_t kCopyBufferBytes = 32768;
constexpr int kProgressLines = 3;  // one status line
constexpr std::string_view kCaption = "kopiera till...";
constexpr std::string_view kProgressCaption = "kopiering";

BackupFolderPrompt& BoundPrompt() {
    static BackupFolderPrompt prompt;
    return prompt;
}

void UnbindBackupFolderPrompt() {
    BoundPrompt() = nullptr;
}
[[maybe_unused]] const bool kResetRegistered =
    platform::RegisterStateReset(&UnbindBackupFolderPrompt);

std::string DataName(std::string_view base) {
    return storage::NamesOfFileBlock(base).data;
}

std::string WithoutTrailingSeparator(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

// True when both names lead to one folder (same device and inode).
bool SameFolder(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

std::string DataDirectoryName() {
    return Utf8FromWindows1252(WorkingGlobalSettings().dataDirectory.view());
}

// A fileblock whose journal holds records is opened once (which plays the
// journal back) and closed, so its data and index files agree before they
// are copied without the journal. False with the storage status set when it
// cannot be.
bool SettleJournal(const std::string& fileBlock) {
    std::error_code error;
    const std::string journal = storage::NamesOfFileBlock(DataFileName(fileBlock)).journal;
    const auto size = std::filesystem::file_size(journal, error);
    if (error || size <= 1) {
        return true;
    }
    storage::FileBlock* handle = nullptr;
    if (!OpenDataFile(handle, fileBlock)) {
        return false;
    }
    CloseDataFile(handle, fileBlock);
    return true;
}

// The competition register must be readable: every other file of the set
// refers to it. A missing one is skipped like any missing source.
bool CompetitionRegisterReadable() {
    const std::string name = DataFileName(kCompetitionRegisterBase);
    std::error_code error;
    if (!std::filesystem::exists(storage::NamesOfFileBlock(name).data, error)) {
        return true;
    }
    ClearStorageStatus();
    storage::FileBlock* handle = nullptr;
    bool journalPending = false;
    storage::OpenFileBlockForReading(handle, name, journalPending);
    if (!storage::IsamSucceeded()) {
        return false;
    }
    storage::CloseFileBlock(handle);
    return true;
}

class FileSetCopy {
public:
    FileSetCopy(std::string targetText, int competition)
        : targetText_(std::move(targetText)),
          target_(Utf8FromWindows1252(targetText_)),
          files_(BackupFileSet(competition)) {
        manifest_.competition = competition;
    }

    // Copies every file to its temporary name, puts them in place, syncs the
    // folder and writes the manifest.
    bool Run() {
        if (!CompetitionRegisterReadable()) {
            return Fail(DataName(kCompetitionRegisterBase), FileFailureNumber());
        }
        for (const BackupFile& file : files_) {
            if (!file.fileBlock.empty() && !SettleJournal(file.fileBlock)) {
                return Fail(file.name, FileFailureNumber());
            }
            if (!CopyOne(file)) {
                return false;
            }
        }
        if (!PutInPlace()) {
            return false;
        }
        ClearStorageStatus();
        if (!storage::FlushDirectory(target_)) {
            return Fail(kBackupManifestFile, FileFailureNumber());
        }
        manifest_.time = ManifestTimeNow();
        if (!WriteBackupManifest(target_, manifest_)) {
            return Fail(kBackupManifestFile, FileFailureNumber());
        }
        return true;
    }

    // The failure report: message 516, the I/O result in three digits, the
    // file and the text of the result.
    std::string FailureText() const {
        return msgtext(kCopyFailedMessage) + IntZeroPadded(ioResult_, 3) + " " + failedName_ +
               ": " + msgtext(ioResult_);
    }

    ~FileSetCopy() {
        for (const Copied& copied : pending_) {
            storage::DeleteFile(copied.temporary);
        }
    }

private:
    std::string TargetName(const std::string& name) const { return target_ + "/" + name; }

    std::string ProgressText(const std::string& name) const {
        return targetText_ + "/" + Windows1252FromUtf8(name) + " bytes:";
    }

    bool CopyOne(const BackupFile& file) {
        const std::string temporary = TargetName(file.name) + kBackupTemporarySuffix;
        const std::string text = ProgressText(file.name);
        std::int64_t total = 0;
        const CopyResult result =
            CopyWholeFile(DataFileName(file.name), temporary, [&](std::int64_t bytes) {
                total = bytes;
                ProgressLine(2, text + IntSpacePadded(total, 7));
            });
        if (result.outcome == CopyOutcome::sourceMissing) {
            return true;
        }
        const bool copied = result.outcome == CopyOutcome::copied;
        ProgressLine(2, text + IntSpacePadded(total, 7) + (copied ? " ..done" : " ..error"));
        if (!copied) {
            return Fail(file.name, result.ioResult);
        }
        pending_.push_back({temporary, TargetName(file.name), file.name});
        manifest_.files.push_back({file.name, result.bytes, result.checksum});
        return true;
    }

    // Renames every copy over the file of its name; what is not in place
    // when a rename fails is deleted.
    bool PutInPlace() {
        while (!pending_.empty()) {
            const Copied& copied = pending_.front();
            ClearStorageStatus();
            if (!storage::RenameFile(copied.temporary, copied.final)) {
                return Fail(copied.name, FileFailureNumber());
            }
            pending_.erase(pending_.begin());
        }
        return true;
    }

    bool Fail(const std::string& name, int ioResult) {
        failedName_ = Windows1252FromUtf8(name);
        ioResult_ = ioResult;
        return false;
    }

    std::string targetText_;  // Windows-1252
    std::string target_;      // file system name
    std::vector<BackupFile> files_;
    struct Copied {
        std::string temporary;
        std::string final;
        std::string name;
    };
    std::vector<Copied> pending_;  // copies not yet in place
    BackupManifest manifest_;
    std::string failedName_;
    int ioResult_ = 0;
};

std::string SuccessText(int competition, const std::string& target) {
    return msgtext(kDataBaseMessage) + " nr." + CompetitionNumberText(competition) +
           msgtext(kCopiedToMessage) + target + msgtext(kCopySucceededMessage);
}

void ReportShortOfMemory() {
    ShowStatusLine(msgtext(kNotEnoughMemoryMessage) + msgtext(kDuringCopyMessage));
}

std::string AskTargetFolder() {
    const BackupFolderPrompt& prompt = BoundPrompt();
    if (!prompt) {
        return {};
    }
    return prompt(kCaption, Ol().clubTable.BackupDirectory.view());
}

// Opens the common files and competition again after the copy.
void Reopen(int competition) {
    OpenCommonFiles();
    if (competition != 0) {
        SelectCompetition(true, competition);
    }
}

}  // namespace

BackupFolderPrompt BindBackupFolderPrompt(BackupFolderPrompt prompt) {
    BackupFolderPrompt previous = std::move(BoundPrompt());
    BoundPrompt() = std::move(prompt);
    return previous;
}

MaintenanceResult BackupCopy() {
    if (!MemoryAvailable(1)) {
        ReportShortOfMemory();
        return MaintenanceResult::failed;
    }
    const std::string answer = AskTargetFolder();
    if (answer.empty()) {
        return MaintenanceResult::declined;
    }
    OlState& ol = Ol();
    const std::string target = WithoutTrailingSeparator(answer);
    if (SameFolder(Utf8FromWindows1252(target), DataDirectoryName())) {
        ShowInformation(msgtext(kSelfCopyMessage));
        return MaintenanceResult::failed;
    }
    ol.clubTable.BackupDirectory = target;

    OpenProgress(CurrentMessageOwner(), kProgressLines, kProgressCaption, false);
    const int competition = ol.CurrentCompetition;
    CloseParticipantFiles();
    CloseCommonFiles();
    bool copied = false;
    if (!MemoryAvailable(kCopyBufferBytes)) {
        ReportShortOfMemory();
    } else {
        FileSetCopy copy(target, competition);
        copied = copy.Run();
        ShowInformation(copied ? SuccessText(competition, target) : copy.FailureText());
    }
    const std::string report = MessageLine.str();
    Reopen(competition);
    SetMessageLine(report);
    CloseProgress();
    return copied ? MaintenanceResult::done : MaintenanceResult::failed;
}

}  // namespace oltoma::ol
