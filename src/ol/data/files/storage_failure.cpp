#include "ol/data/files/storage_failure.h"

#include "base/messages/messages.h"
#include "platform/process_state.h"
#include "platform/system_error.h"
#include "storage/isam_status.h"

namespace oltoma::ol {

namespace {

constexpr int kWriteFailedMessage = 101;

}  // namespace

std::string StorageFailureText(std::string_view fileText) {
    // A full disk and a file the system refuses have texts of their own.
    switch (storage::IsamDosError()) {
        case platform::SystemError::kDiskFull:
            return std::string(fileText) + ": " + msgtext(kWriteFailedMessage);
        case platform::SystemError::kAccessDenied:
            return std::string(fileText) + ": " + msgtext(platform::SystemError::kAccessDenied);
        default:
            break;
    }
    std::string text = std::string(fileText) + ": " + msgtext(storage::IsamError());
    if (storage::IsamDosError() != 0) {
        text += " (" + std::to_string(storage::IsamDosError()) + ")";
    }
    return text;
}

namespace {

int& ReportedError() {
    static int code = 0;
    return code;
}

void ForgetReportedError() {
    ReportedError() = 0;
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&ForgetReportedError);

}  // namespace

void ReportStorageFailure(std::string_view fileText) {
    ReportedError() = storage::IsamError();
    SetMessageLine(StorageFailureText(fileText));
}

int LastReportedStorageError() {
    return ReportedError();
}

void ForgetReportedStorageError() {
    ReportedError() = 0;
}

void ClearStorageStatus() {
    storage::ClearIsamStatus();
}

int FileFailureNumber() {
    if (storage::IsamDosError() == platform::SystemError::kDiskFull) {
        return kWriteFailedMessage;
    }
    return storage::IsamDosError() != 0 ? storage::IsamDosError() : storage::IsamError();
}

}  // namespace oltoma::ol
