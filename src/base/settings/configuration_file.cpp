#include "base/settings/configuration_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "base/messages/memory_check.h"
#include "base/messages/messages.h"
#include "base/settings/data_directory.h"
#include "base/settings/settings_defaults.h"
#include "base/settings/settings_printer.h"
#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "platform/folder_sync.h"

namespace oltoma {
namespace {

// The five working records and a little more.
constexpr std::int64_t kWorkingMemoryBytes = 97472;

std::int64_t LabelSlotOffset(int n) {
    return kLabelSettingsOffset + static_cast<std::int64_t>(n - 1) * sizeof(LabelSetting);
}
std::int64_t PrintSlotOffset(int n) {
    return kPrintSettingsOffset + static_cast<std::int64_t>(n - 1) * sizeof(PrintSetting);
}
bool ValidSlot(int n) {
    return n >= 1 && n <= kSettingSlots;
}

bool ReadAt(int descriptor, void* data, std::size_t size, std::int64_t offset) {
    auto* bytes = static_cast<char*>(data);
    std::size_t done = 0;
    while (descriptor >= 0 && done < size) {
        const ssize_t got = ::pread(descriptor, bytes + done, size - done, offset + done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(got);
    }
    return descriptor >= 0;
}

bool WriteAt(int descriptor, const void* data, std::size_t size, std::int64_t offset) {
    const auto* bytes = static_cast<const char*>(data);
    std::size_t done = 0;
    while (descriptor >= 0 && done < size) {
        const ssize_t put = ::pwrite(descriptor, bytes + done, size - done, offset + done);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    return descriptor >= 0;
}

// Reads a record into `target` only when all of it could be read.
template <typename Record>
bool ReadRecord(int descriptor, Record& target, std::int64_t offset) {
    Record record{};
    if (!ReadAt(descriptor, &record, sizeof(record), offset)) {
        return false;
    }
    target = record;
    return true;
}

template <typename Record>
bool WriteRecord(int descriptor, const Record& record, std::int64_t offset) {
    return WriteAt(descriptor, &record, sizeof(record), offset);
}

void CloseDescriptor(int descriptor) {
    if (descriptor >= 0) {
        ::close(descriptor);
    }
}

// Loads GlobalSettings and the current label and print settings. False when
// the file is missing, cannot be read, or is not exactly the file's size
// (then after the version-conflict message).
bool LoadFromFile() {
    const std::string& name = Configuration().fileName;
    int descriptor = ::open(name.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    if (descriptor < 0) {
        descriptor =
            ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);  // read-only still loads
    }
    if (descriptor < 0) {
        return false;
    }
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size != kConfigurationFileSize) {
        CloseDescriptor(descriptor);
        DisplayMessage(201, Windows1252FromUtf8("Versionskonflikt av konfigurationsfilen \"" +
                                                name + "\" Nollställer. "));
        return false;
    }
    GlobalSettings global{};
    const bool loaded = ReadRecord(descriptor, global, 0);
    if (loaded) {
        WorkingGlobalSettings() = global;
        ReadRecord(descriptor, WorkingLabelSetting(), LabelSlotOffset(CurrentLabelNumber()));
        ReadRecord(descriptor, WorkingPrintSetting(), PrintSlotOffset(CurrentPrintNumber()));
    }
    CloseDescriptor(descriptor);
    return loaded;
}

// Writes a new file of defaults and takes the defaults of the current
// settings. GlobalSettings is written again at the end so that the file
// holds the setting names at once.
void RebuildFile() {
    DefaultGlobalSettings();
    const int descriptor = ::open(Configuration().fileName.c_str(),
                                  O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    WriteRecord(descriptor, WorkingGlobalSettings(), 0);
    for (int n = 1; n <= kSettingSlots; ++n) {
        DefaultLabelSetting(n);
        WriteRecord(descriptor, WorkingLabelSetting(), LabelSlotOffset(n));
    }
    for (int n = 1; n <= kSettingSlots; ++n) {
        DefaultPrintSetting(n);
        WriteRecord(descriptor, WorkingPrintSetting(), PrintSlotOffset(n));
    }
    WriteRecord(descriptor, WorkingGlobalSettings(), 0);
    // A new file of defaults lasts across a power loss: its bytes, then its
    // name in the folder.
    if (descriptor >= 0) {
        ::fsync(descriptor);
    }
    CloseDescriptor(descriptor);
    platform::SyncFolderOf(Configuration().fileName);
    DefaultLabelSetting(CurrentLabelNumber());
    DefaultPrintSetting(CurrentPrintNumber());
}

}  // namespace

bool LoadConfiguration(int applicationKind) {
    if (!MemoryAvailable(kWorkingMemoryBytes)) {
        DisplayMessage(201, "Minnesbrist!!");
        return false;
    }
    CloseConfigFile();
    ConfigurationState& state = Configuration();
    state.applicationKind = std::clamp(applicationKind, 0, kApplicationKinds - 1);
    CaptureStartPrinter();
    WorkingGlobalSettings() = GlobalSettings{};
    WorkingLabelSetting() = LabelSetting{};
    WorkingPrintSetting() = PrintSetting{};
    CaptureDefaultPrinter();
    PrepareProgramFolders();
    state.inUse = true;
    if (LoadFromFile()) {
        // A printer that is gone leaves a message; the settings stay.
        SelectSettingPrinter();
    } else {
        RebuildFile();
    }
    EnterDataDirectory(WorkingGlobalSettings().dataDirectories[state.applicationKind]);
    return true;
}

void SaveConfiguration() {
    CloseConfigFile();
    const ConfigurationState& state = Configuration();
    if (state.inUse) {
        const int descriptor = ::open(state.fileName.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
        if (descriptor >= 0) {
            WriteRecord(descriptor, WorkingGlobalSettings(), 0);
            WriteRecord(descriptor, WorkingLabelSetting(), LabelSlotOffset(CurrentLabelNumber()));
            WriteRecord(descriptor, WorkingPrintSetting(), PrintSlotOffset(CurrentPrintNumber()));
            CloseDescriptor(descriptor);
        }
    }
    RestoreStartPrinter();
}

bool OpenConfigFile() {
    CloseConfigFile();
    ConfigurationState& state = Configuration();
    if (state.inUse && !state.fileName.empty()) {
        state.descriptor = ::open(state.fileName.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    }
    state.open = state.descriptor >= 0;
    return state.open;
}

void CloseConfigFile() {
    ConfigurationState& state = Configuration();
    CloseDescriptor(state.descriptor);
    state.descriptor = -1;
    state.open = false;
}

bool ReadLabelSetting(int n) {
    if (!ValidSlot(n)) {
        return false;
    }
    if (!Configuration().open) {
        DefaultLabelSetting(n);
        return false;
    }
    return ReadRecord(Configuration().descriptor, WorkingLabelSetting(), LabelSlotOffset(n));
}

bool WriteLabelSetting(int n) {
    if (!ValidSlot(n) || !Configuration().open) {
        return false;
    }
    return WriteRecord(Configuration().descriptor, WorkingLabelSetting(), LabelSlotOffset(n));
}

bool ReadPrintSetting(int n) {
    if (!ValidSlot(n)) {
        return false;
    }
    if (!Configuration().open) {
        DefaultPrintSetting(n);
        return false;
    }
    return ReadRecord(Configuration().descriptor, WorkingPrintSetting(), PrintSlotOffset(n));
}

bool WritePrintSetting(int n) {
    if (!ValidSlot(n) || !Configuration().open) {
        return false;
    }
    return WriteRecord(Configuration().descriptor, WorkingPrintSetting(), PrintSlotOffset(n));
}

}  // namespace oltoma
