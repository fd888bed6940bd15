// The backup copy ("säkerhetskopiera", tbKopiera): copies the common files
// and the files of the current competition into a folder the user picks.
//
// Files, in this order: backup_file_set.h (journals are not copied).
// A source file that does not exist is skipped without a message, so a
// competition whose participant or definition files are missing is still
// backed up. A file of that name already in the target folder (from an
// earlier backup) is left as it is; the manifest does not list it, and the
// check of the manifest reports it. A competition register that exists but
// cannot be read fails the copy (it names the file).
//
// Every file goes to a temporary name in the target folder first (name +
// ".TMP", made anew), is forced to the disk, and only when all of them are
// copied do they replace the files of the same names there; the folder is
// then synced and the manifest (backup_manifest.h) written last. A failed
// read, write, flush or close, a target that cannot be written, or a folder
// that is the data directory itself therefore leaves an earlier backup in
// the folder untouched, and a crash leaves each file either its old or its
// new copy, whole; only a complete copy matches its manifest.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "ol/data/maintenance/maintenance_result.h"

namespace oltoma::ol {

// Asks for the target folder with the folder dialog: `caption` is the
// dialog's caption, `startFolder` the folder it starts at (both
// Windows-1252). Returns the chosen folder (Windows-1252), or an empty text
// when the user cancels.
using BackupFolderPrompt =
    std::function<std::string(std::string_view caption, std::string_view startFolder)>;

// Binds the prompt and returns the one bound before. The program binds the
// folder dialog (forms::ChooseDataDirectory); unbound, every backup is
// cancelled at the prompt.
BackupFolderPrompt BindBackupFolderPrompt(BackupFolderPrompt prompt);

// The command:
//  1. With 2048 bytes of memory or less, MessageLine gets msgtext 8 + 517
//     and the command ends.
//  2. Asks for the target folder, caption "kopiera till...", starting at the
//     club table's backup directory. Cancel ends the command. A trailing
//     "/" is dropped. A folder that is the data directory itself (same
//     device and inode) is refused with message 304 "Kan ej kopiera till
//     mig själv!" (information box); any other becomes the club table's
//     backup directory.
//  3. Opens a progress window "kopiering" (one line), closes the
//     participant and common files, copies (progress: folder/name
//     " bytes:" and the running total in 7 columns, then " ..done" or
//     " ..error"), reports in an information box
//       OlDataBas nr.nn kopierad till <folder> ..lyckad kopiering!!
//     or, at the first failure,
//       Fel vid kopiering!!ccc <name>: <text of ccc>
//     with the I/O result ccc in three digits, then opens the common files
//     and the competition again and closes the progress window. MessageLine
//     keeps the report.
// Without a current competition only the common files are copied.
MaintenanceResult BackupCopy();

}  // namespace oltoma::ol
