// A file written under a temporary name beside its final name and put in
// place only when it is complete, so a job that fails or is cancelled
// leaves no partial file and an existing file of the final name as it was.
// Paths are the file system's own bytes.
#pragma once

#include <string>

namespace oltoma::platform {

class ReplacingFile {
public:
    explicit ReplacingFile(std::string target);
    // Discards the temporary file when it was not committed.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Creates an empty temporary file (mode 0666 less the umask) in the
    // target's folder, named after the target with a unique suffix. False
    // when the folder cannot be written.
    bool Create();
    const std::string& TemporaryName() const { return temporary_; }
    const std::string& Target() const { return target_; }

    // Flushes the temporary file to the disk, renames it over the target and
    // syncs the folder. False when any step fails: the temporary file is
    // then removed and the target is as it was.
    bool Commit();
    // Removes the temporary file.
    void Discard();

private:
    std::string target_;
    std::string temporary_;
};

}  // namespace oltoma::platform
