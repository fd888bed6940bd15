#include "ol/data/maintenance/rebuild/rebuild_register.h"

#include <filesystem>
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
        if (source.Modified()) {
            ReportUntrustedHeader(source);
        }
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
            if (!source.IsLiveAt(rc, record.data())) {
                continue;
            }
            if (rc > source.HeaderSlots()) {
                ++recoveredBeyondHeader_;
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

    // A data file written without journal and never closed: its header's
    // count cannot be trusted, so every whole record of the file was read.
    // Says how that differs from the header.
    void ReportUntrustedHeader(const DataFileRecords& source) const {
        std::string line = Windows1252FromUtf8(DataFileBaseName()) +
                           Windows1252FromUtf8(": skriven utan att stängas; ");
        if (source.Slots() >= source.HeaderSlots()) {
            line += std::to_string(recoveredBeyondHeader_) +
                    Windows1252FromUtf8(" poster utöver huvudets antal återvunna.");
        } else {
            line += Windows1252FromUtf8("huvudet räknar ") + std::to_string(source.HeaderSlots()) +
                    Windows1252FromUtf8(" poster, filen rymmer ") + std::to_string(source.Slots()) +
                    ".";
        }
        ShowStatusLine(line);
    }

    std::string DataFileBaseName() const {
        return std::filesystem::path(job_.liveData).filename().string();
    }

    const RegisterRebuild& job_;
    const RebuildTexts& texts_;
    std::int32_t recoveredBeyondHeader_ = 0;
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
