#include "ol/data/maintenance/rebuild/rebuild_register.h"

#include <vector>

#include "base/messages/messages.h"
#include "base/messages/progress.h"
#include "base/text/number_format.h"
#include "base/text/windows1252.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/storage_failure.h"
#include "ol/data/maintenance/data_file_records.h"
#include "ol/data/maintenance/maintenance_messages.h"
#include "ol/data/maintenance/rebuild/rebuild_temp.h"
#include "storage/access_layer.h"

namespace oltoma::ol {
namespace {

constexpr int kCannotRenameMessage = 518;
constexpr int kFailedMessage = 519;
constexpr int kIndexingMessage = 520;
constexpr int kFinishedMessage = 521;
constexpr std::size_t kTextLength = 22;

std::string Cut(std::string text) {
    return text.substr(0, kTextLength);
}

// Shows the storage failure of `fileText` as a status line.
void ShowStorageFailure(std::string_view fileText) {
    ShowStatusLine(StorageFailureText(fileText));
}

class RecordCopy {
public:
    RecordCopy(const RegisterRebuild& job, const RebuildTexts& texts) : job_(job), texts_(texts) {}

    // Builds the new fileblock from the temporary one; false (reported)
    // when it could not be completed.
    bool Run() {
        DataFileRecords source;
        if (!source.Open(job_.liveData, job_.format->recordLength)) {
            ShowStorageFailure(job_.base);
            return false;
        }
        if (!CreateNew()) {
            return false;
        }
        const std::string line =
            texts_.indexing + "/" + job_.displayName + " Recs:" + IntZeroPadded(source.Slots(), 4);
        ShowStatusLine(line);
        if (!CopyLiveRecords(source) || !CloseNew()) {
            return false;
        }
        ShowStatusLine(line + texts_.finished);
        return true;
    }

    // Closes and deletes whatever of the new fileblock exists.
    void Discard() {
        if (*job_.handle != nullptr) {
            storage::CloseFileBlock(*job_.handle);
            *job_.handle = nullptr;
        }
        storage::DeleteFileBlock(DataFileName(job_.base));
    }

private:
    bool CreateNew() {
        if (!CreateIndexedFile(job_.base, *job_.format)) {
            ShowStorageFailure(job_.base);
            return false;
        }
        storage::OpenFileBlockWithoutJournal(*job_.handle, DataFileName(job_.base));
        if (!storage::IsamSucceeded()) {
            *job_.handle = nullptr;
            ShowStorageFailure(job_.base);
            return false;
        }
        return true;
    }

    bool CopyLiveRecords(DataFileRecords& source) {
        std::vector<std::uint8_t> record(static_cast<std::size_t>(job_.format->recordLength));
        for (std::int32_t rc = 1; rc <= source.Slots(); ++rc) {
            if (!source.Read(rc, record.data())) {
                ShowStorageFailure(job_.base);
                return false;
            }
            if (!DataFileRecords::IsLive(record.data())) {
                continue;
            }
            std::string name;
            const std::int32_t newRc = job_.add(record.data(), name);
            if (newRc == 0) {
                ShowStatusLine(MessageLine.view());
                return false;
            }
            job_.visit(rc, newRc, record.data());
            ProgressLine(3, "Rec:" + IntSpacePadded(newRc, 4) + " " + name);
        }
        return true;
    }

    bool CloseNew() {
        storage::CloseFileBlock(*job_.handle);
        *job_.handle = nullptr;
        if (!storage::IsamSucceeded() || !FlushFileBlockFiles(job_.base)) {
            ShowStorageFailure(job_.base);
            return false;
        }
        return true;
    }

    const RegisterRebuild& job_;
    const RebuildTexts& texts_;
};

}  // namespace

RebuildTexts LoadRebuildTexts() {
    return RebuildTexts{Cut(msgtext(kCannotRenameMessage)), Cut(msgtext(kFailedMessage)),
                        Cut(msgtext(kIndexingMessage)), Cut(msgtext(kFinishedMessage))};
}

bool RebuildRegister(const RegisterRebuild& job, const RebuildTexts& texts) {
    ProgressLine(2, job.liveText);
    RecordCopy copy(job, texts);
    if (!copy.Run()) {
        copy.Discard();
        return false;
    }
    return true;
}

}  // namespace oltoma::ol
