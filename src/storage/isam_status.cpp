#include "storage/isam_status.h"

#include "platform/process_state.h"
#include "storage/internal/isam_status_detail.h"

namespace oltoma::storage {
namespace {

struct Status {
    int error = 0;
    int dosError = 0;
    int dosFunction = 0;
};

Status& CurrentStatus() {
    static Status status;
    return status;
}

void ResetStatus() {
    CurrentStatus() = Status{};
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&ResetStatus);

}  // namespace

bool IsamSucceeded() {
    return CurrentStatus().error == 0;
}
int IsamError() {
    return CurrentStatus().error;
}
int IsamDosError() {
    return CurrentStatus().dosError;
}
int IsamDosFunction() {
    return CurrentStatus().dosFunction;
}

int IsamErrorClass(int code) {
    switch (code) {
        case 0:
            return 0;
        case 9903:
        case 10410:
            return 1;
        case 9900:
        case 10065:
        case 10110:
        case 10306:
        case 10330:
        case 10332:
        case 10335:
        case 10355:
        case 10360:
        case 10390:
        case 10397:
        case 10399:
            return 2;
        default:
            break;
    }
    if (code >= 10200 && code <= 10299) {
        return 1;
    }
    if (code >= 10001 && code <= 10009) {
        return 3;
    }
    return 4;
}

int IsamErrorClass() {
    return IsamErrorClass(IsamError());
}

namespace detail {

void ClearStatus() {
    CurrentStatus() = Status{};
}

void SetIsamError(int code) {
    CurrentStatus().error = code;
}

void RecordDosFailure(int function, int systemError) {
    Status& status = CurrentStatus();
    if (status.dosFunction == 0 && status.dosError == 0) {
        status.dosFunction = function;
        status.dosError = systemError;
    }
}

}  // namespace detail

void ClearIsamStatus() {
    detail::ClearStatus();
}

void ReportIsamError(int code) {
    detail::SetIsamError(code);
}

void ReportFileFailure(int function, int systemError, int code) {
    detail::RecordDosFailure(function, systemError);
    detail::SetIsamError(code);
}

}  // namespace oltoma::storage
