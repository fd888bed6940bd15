// A helper thread that runs one fdatasync while the caller runs another, so
// that a pair of syncs on a disk costs about one wait. The thread is started
// at the first request and kept for the life of the process: starting a
// thread for every pair cost about a fifth of a sync.
//
// One caller at a time (the storage engine is used from one thread). A child
// made by fork() has no helper thread: StartSideSync refuses there.
#pragma once

namespace oltoma::storage {

// Starts fdatasync(descriptor) on the helper thread. False when no helper can
// run (no thread could be started, or this is a forked child); the caller
// then syncs the file itself.
bool StartSideSync(int descriptor);
// Waits for the sync started by StartSideSync; 0 or its errno value.
int FinishSideSync();

}  // namespace oltoma::storage
