#include "storage/internal/engine_state.h"

#include "platform/process_state.h"
#include "storage/internal/isam_status_detail.h"
#include "storage/isam_status.h"

namespace oltoma::storage {

Engine& TheEngine() {
    static Engine engine;
    return engine;
}

namespace {

// The engine as before InitIsam. Open fileblocks are closed as a process
// death would close them: nothing cached or pending is written.
void ResetEngine() {
    Engine& engine = TheEngine();
    for (const auto& block : engine.openBlocks) {
        for (FileHandle* file : {&block->data, &block->index, &block->journal}) {
            if (file->IsOpen()) {
                CloseFile(*file);
            }
        }
    }
    engine.openBlocks.clear();
    engine.cache.Release();
    engine.initialised = false;
    engine.lockingMode = 0;
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&ResetEngine);

}  // namespace

bool Fail(int code) {
    detail::SetIsamError(code);
    return false;
}

bool FailCorrupt() {
    return Fail(IsamCode::kSystemError);
}

void CloseAndDeleteKeepingError(FileHandle* opened,
                                std::initializer_list<const std::string*> remove) {
    const int error = IsamError();
    if (opened != nullptr && opened->IsOpen()) {
        CloseFile(*opened);
    }
    for (const std::string* name : remove) {
        DeleteFile(*name);
    }
    detail::SetIsamError(error);
}

bool BeginCall() {
    detail::ClearStatus();
    return TheEngine().initialised || Fail(IsamCode::kNotInitialised);
}

FileBlock* BeginCall(FileBlock* reference, bool modifying) {
    if (!BeginCall()) {
        return nullptr;
    }
    // The reference is compared with the open fileblocks before it is used,
    // so a stale or foreign pointer is never followed.
    FileBlock* block = nullptr;
    for (const auto& open : TheEngine().openBlocks) {
        if (open.get() == reference) {
            block = open.get();
        }
    }
    if (block == nullptr || block->signature != kFileBlockSignature) {
        Fail(IsamCode::kBadFileBlock);
        return nullptr;
    }
    if (modifying && block->readOnly) {
        Fail(IsamCode::kReadOnly);
        return nullptr;
    }
    if (modifying && block->syncFailed) {
        // A sync failed: no more changes until the fileblock is reopened.
        detail::RecordDosFailure(FileOperation::kFlush, block->syncError);
        Fail(IsamCode::kSystemError);
        return nullptr;
    }
    if (modifying && block->unit.failed) {
        Fail(block->unit.failureCode);
        return nullptr;
    }
    return block;
}

FileBlock* BeginKeyCall(FileBlock* reference, int keyNumber, bool modifying) {
    FileBlock* block = BeginCall(reference, modifying);
    if (block != nullptr && (keyNumber < 1 || keyNumber > block->KeyCount())) {
        Fail(IsamCode::kBadKeyNumber);
        return nullptr;
    }
    return block;
}

}  // namespace oltoma::storage
