// The manifest of a backup copy: written last into the target folder, it
// makes a complete copy of a file set recognisable. A folder whose files do
// not match its manifest holds a copy cut short or changed since. It lists
// the files copied, in the order they were copied; a file of the set whose
// source was missing is not listed, so one of that name in the folder is
// an earlier copy's.
//
// File format (text, UTF-8, lines ending in "\n"), "kopia.manifest":
//   line 1        "OLTOMA kopia 1"
//   line 2        "time " + the local time of the copy, "YYYY-MM-DD hh:mm:ss"
//   line 3        "competition " + the competition number, 0..8 (0 for none)
//   lines 4..     "file " + name + " " + size in bytes + " " + 8 hexadecimal
//                 digits: the FNV-1a checksum (fnv_checksum.h) of its bytes
//   last line     "check " + 8 hexadecimal digits: FNV-1a of every byte
//                 before this line
// It is written as "kopia.manifest.tmp", synced, renamed over the old one
// and the folder synced.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace oltoma::ol {

inline constexpr const char* kBackupManifestFile = "kopia.manifest";

struct BackupManifest {
    struct File {
        std::string name;
        std::int64_t bytes = 0;
        std::uint32_t checksum = 0;
    };
    std::string time;
    int competition = 0;
    std::vector<File> files;
};

// The local time as the manifest writes it.
std::string ManifestTimeNow();

// Writes the manifest into `folder` (file system name). False with the
// engine status set.
bool WriteBackupManifest(const std::string& folder, const BackupManifest& manifest);

enum class ManifestState { absent, damaged, read };

// Reads the manifest of `folder`.
ManifestState ReadBackupManifest(const std::string& folder, BackupManifest& manifest);

// One line (UTF-8) for each file of the manifest that is missing in
// `folder` or whose size or checksum differs.
std::vector<std::string> ManifestDifferences(const std::string& folder,
                                             const BackupManifest& manifest);

// One line (UTF-8) for each file of the backup's file set
// (backup_file_set.h, of the manifest's competition) that is in `folder`
// but not in the manifest: its source was missing at the copy, so it is an
// earlier copy's and need not agree with the files beside it.
std::vector<std::string> FilesLeftFromEarlierCopies(const std::string& folder,
                                                    const BackupManifest& manifest);

// One line (UTF-8) for each temporary copy (kBackupTemporarySuffix) of a
// file of the manifest's file set in `folder`: a later backup into the
// folder was interrupted before it put its copies in place.
std::vector<std::string> CopiesLeftByAnInterruptedBackup(const std::string& folder,
                                                         const BackupManifest& manifest);

// What `check` says of the manifest of `folder`: nothing when there is
// none (a data directory) or its files match it; a line for a damaged
// manifest, for each file that differs (a backup cut short or changed
// since), for each file left from an earlier copy and for each temporary
// copy of an interrupted backup.
std::vector<std::string> BackupManifestProblems(const std::string& folder);

}  // namespace oltoma::ol
