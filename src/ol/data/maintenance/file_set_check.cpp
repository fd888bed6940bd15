#include "ol/data/maintenance/file_set_check.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "base/files/folder_entries.h"
#include "base/messages/messages.h"
#include "base/text/swedish_case.h"
#include "base/text/windows1252.h"
#include "ol/data/files/file_formats.h"
#include "ol/data/files/file_names.h"
#include "ol/data/maintenance/backup_manifest.h"
#include "ol/data/maintenance/file_set_presence.h"
#include "ol/data/maintenance/file_set_references.h"
#include "ol/data/maintenance/modified_marker.h"
#include "ol/data/records/club_rec.h"
#include "ol/data/records/cmp_club_rec.h"
#include "ol/data/records/delt_rec.h"
#include "ol/data/records/distr_rec.h"
#include "ol/data/records/klass_rec.h"
#include "ol/data/records/kontr_rec.h"
#include "ol/data/records/record_keys.h"
#include "ol/data/records/rutb24_rec.h"
#include "ol/data/records/rutb_rec.h"
#include "ol/data/records/track_rec.h"
#include "storage/access_layer.h"
#include "storage/structure_check.h"

namespace oltoma::ol {
namespace {

constexpr std::size_t kMostKeyProblems = 20;

using KeyEntry = std::pair<std::string, std::int32_t>;  // key text, record number
using KeyBuilder = std::function<std::vector<std::pair<int, std::string>>(const void* record)>;

struct RegisterKind {
    const IndexedFileFormat& format;
    KeyBuilder keys;
};

template <typename Record>
const Record& As(const void* record) {
    return *static_cast<const Record*>(record);
}

// The register kind of a base name; nothing for other fileblocks.
std::optional<RegisterKind> KindOf(const std::string& base,
                                   std::span<const CheckedRegister> others) {
    for (const CheckedRegister& other : others) {
        if (base == other.base) {
            return RegisterKind{other.format, other.keys};
        }
    }
    const auto withNumber = [&base](std::string_view prefix) {
        return base.size() == prefix.size() + 2 && base.starts_with(prefix) &&
               std::isdigit(static_cast<unsigned char>(base[prefix.size()])) &&
               std::isdigit(static_cast<unsigned char>(base[prefix.size() + 1]));
    };
    if (base == kCompetitionRegisterBase) {
        return RegisterKind{CompetitionRegisterFormat(),
                            [](const void*) { return std::vector<std::pair<int, std::string>>{}; }};
    }
    if (base == kClubRegisterBase) {
        return RegisterKind{
            ClubRegisterFormat(), [](const void* r) {
                return std::vector<std::pair<int, std::string>>{{1, ClubKey(As<ClubRec>(r).Namn)}};
            }};
    }
    if (base == kDistrictRegisterBase) {
        return RegisterKind{DistrictRegisterFormat(), [](const void* r) {
                                return std::vector<std::pair<int, std::string>>{
                                    {1, DistrictKey(As<DistrRec>(r).Dnr)}};
                            }};
    }
    if (base == kRouteBase) {
        return RegisterKind{
            RouteFileFormat(), [](const void* r) {
                return std::vector<std::pair<int, std::string>>{{1, RouteKey(As<RutbRec>(r).Namn)}};
            }};
    }
    if (base == kRoute24Base) {
        return RegisterKind{Route24FileFormat(), [](const void* r) {
                                return std::vector<std::pair<int, std::string>>{
                                    {1, RouteKey(As<Rutb24Rec>(r).Namn)}};
                            }};
    }
    if (withNumber(kClassFileBase)) {
        return RegisterKind{ClassFileFormat(), [](const void* r) {
                                const KlassRec& klass = As<KlassRec>(r);
                                return std::vector<std::pair<int, std::string>>{
                                    {1, ClassSortOrderKey(klass.SortOrdn)},
                                    {2, ClassDesignationKey(klass.Bet)}};
                            }};
    }
    if (withNumber(kParticipantFileBase)) {
        return RegisterKind{ParticipantFileFormat(), [](const void* r) {
                                return std::vector<std::pair<int, std::string>>{
                                    {1, ParticipantKey(As<DeltRec>(r).NrStr)}};
                            }};
    }
    if (withNumber(kCourseFileBase)) {
        return RegisterKind{CourseFileFormat(), [](const void* r) {
                                return std::vector<std::pair<int, std::string>>{
                                    {1, CourseKey(As<TrackRec>(r).Bana)}};
                            }};
    }
    if (withNumber(kControlFileBase)) {
        return RegisterKind{ControlFileFormat(), [](const void* r) {
                                return std::vector<std::pair<int, std::string>>{
                                    {1, ControlKey(As<KontrRec>(r).KodNr)}};
                            }};
    }
    return std::nullopt;
}

std::string Quoted(const std::string& key) {
    return "\"" + Utf8FromWindows1252(key) + "\"";
}

std::string EngineText() {
    return Utf8FromWindows1252(msgtext(storage::IsamError()));
}

class FileBlockCheck {
public:
    FileBlockCheck(std::string base, std::string path, std::span<const CheckedRegister> others,
                   std::vector<std::string>& problems)
        : base_(std::move(base)), path_(std::move(path)), others_(others), problems_(problems) {}

    void Run() {
        bool journalPending = false;
        storage::OpenFileBlockForReading(block_, path_, journalPending);
        if (!storage::IsamSucceeded()) {
            Problem("cannot be opened: " + EngineText());
            return;
        }
        if (journalPending) {
            Problem("journal pending (not played back)");
        }
        for (const std::string& line : storage::CheckFileBlockStructure(block_)) {
            Problem(line);
        }
        if (const std::optional<RegisterKind> kind = KindOf(base_, others_)) {
            CheckRegister(*kind);
        }
        storage::CloseFileBlock(block_);
    }

private:
    void Problem(const std::string& text) { problems_.push_back(base_ + ": " + text); }

    void CheckRegister(const RegisterKind& kind) {
        const std::int32_t length = storage::RecordLength(block_);
        if (length != kind.format.recordLength) {
            Problem("record length " + std::to_string(length) + ", expected " +
                    std::to_string(kind.format.recordLength));
            return;
        }
        const int keyCount = storage::KeyCount(block_);
        if (keyCount != static_cast<int>(kind.format.keys.size())) {
            Problem(std::to_string(keyCount) + " keys, expected " +
                    std::to_string(kind.format.keys.size()));
            return;
        }
        std::map<int, std::vector<KeyEntry>> expected;
        if (!ExpectedKeys(kind, expected)) {
            return;
        }
        for (int key = 1; key <= keyCount; ++key) {
            CompareKey(key, expected[key]);
        }
    }

    bool ExpectedKeys(const RegisterKind& kind, std::map<int, std::vector<KeyEntry>>& expected) {
        std::vector<std::uint8_t> record(static_cast<std::size_t>(kind.format.recordLength));
        const std::int32_t slots = storage::FileLen(block_);
        for (std::int32_t rc = 1; rc < slots; ++rc) {
            storage::GetRec(block_, rc, record.data());
            if (!storage::IsamSucceeded()) {
                Problem("record " + std::to_string(rc) + " cannot be read: " + EngineText());
                return false;
            }
            if (record[0] != 0 || record[1] != 0 || record[2] != 0 || record[3] != 0) {
                continue;
            }
            for (const auto& [key, text] : kind.keys(record.data())) {
                expected[key].emplace_back(text, rc);
            }
        }
        return true;
    }

    std::vector<KeyEntry> IndexEntries(int key) {
        std::vector<KeyEntry> entries;
        storage::ClearKey(block_, key);
        storage::IsamKeyStr text;
        std::int32_t rc = 0;
        for (;;) {
            storage::NextKey(block_, key, text, rc);
            if (!storage::IsamSucceeded()) {
                break;
            }
            entries.emplace_back(text.str(), rc);
        }
        return entries;
    }

    void CompareKey(int key, std::vector<KeyEntry>& expected) {
        std::vector<KeyEntry> actual = IndexEntries(key);
        std::sort(expected.begin(), expected.end());
        std::sort(actual.begin(), actual.end());
        std::vector<KeyEntry> missing;
        std::vector<KeyEntry> extra;
        std::set_difference(expected.begin(), expected.end(), actual.begin(), actual.end(),
                            std::back_inserter(missing));
        std::set_difference(actual.begin(), actual.end(), expected.begin(), expected.end(),
                            std::back_inserter(extra));
        const std::string prefix = "key " + std::to_string(key) + ": ";
        std::size_t reported = 0;
        for (const KeyEntry& entry : missing) {
            if (reported++ < kMostKeyProblems) {
                Problem(prefix + "record " + std::to_string(entry.second) + " has no entry " +
                        Quoted(entry.first));
            }
        }
        for (const KeyEntry& entry : extra) {
            if (reported++ < kMostKeyProblems) {
                Problem(prefix + "entry " + Quoted(entry.first) + " -> record " +
                        std::to_string(entry.second) + " does not match a live record");
            }
        }
        if (reported > kMostKeyProblems) {
            Problem(prefix + std::to_string(reported - kMostKeyProblems) +
                    " further key problems not listed");
        }
    }

    std::string base_;
    std::string path_;
    std::span<const CheckedRegister> others_;
    std::vector<std::string>& problems_;
    storage::FileBlock* block_ = nullptr;
};

bool IsClubTableName(const std::string& name) {
    return name.size() == 11 && name.starts_with(kClubTableBase) && name.ends_with(".Dat") &&
           std::isdigit(static_cast<unsigned char>(name[5])) &&
           std::isdigit(static_cast<unsigned char>(name[6]));
}

// A backup copy carries a manifest; its files must match it.
void AddBackupManifestProblems(const std::string& folder, std::vector<std::string>& problems) {
    const std::vector<std::string> found = BackupManifestProblems(folder);
    problems.insert(problems.end(), found.begin(), found.end());
}

// Files the set must hold, and the references between a competition's
// files.
void AddFileSetProblems(const std::string& folder, const std::set<std::string>& names,
                        std::vector<std::string>& problems, std::vector<std::string>& notices) {
    const std::vector<int> competitions = CompetitionsToCheck(folder);
    const std::vector<std::string> missing = MissingFiles(folder, names, competitions);
    problems.insert(problems.end(), missing.begin(), missing.end());
    for (int competition : competitions) {
        CheckCompetitionReferences(folder, competition, problems, notices);
    }
}

}  // namespace

std::vector<std::string> CheckFileSet(const std::string& folder,
                                      std::span<const CheckedRegister> others,
                                      std::vector<std::string>* notices) {
    std::vector<std::string> problems;
    std::error_code error;
    std::set<std::string> names;
    for (const auto& entry : FolderEntries(folder, error)) {
        std::error_code kindError;
        if (entry.is_regular_file(kindError)) {
            names.insert(entry.path().filename().string());
        }
    }
    if (error) {
        problems.push_back(folder + ": cannot be read: " + error.message());
        return problems;
    }
    for (const std::string& name : names) {
        const std::string upper = UpperString(name);
        if (upper.starts_with("FILETMP.")) {
            problems.push_back(name + ": left by an interrupted index rebuild");
        } else if (IsClubTableName(name)) {
            const auto size = std::filesystem::file_size(folder + "/" + name, error);
            if (error || size != sizeof(CmpClubRec)) {
                problems.push_back(name + ": " + std::to_string(error ? 0 : size) +
                                   " bytes, expected " + std::to_string(sizeof(CmpClubRec)));
            }
        } else if (name.ends_with(".DAT")) {
            const std::string base = name.substr(0, name.size() - 4);
            FileBlockCheck(base, folder + "/" + base, others, problems).Run();
            if (const auto marker = ModifiedMarkerText(folder + "/" + name)) {
                problems.push_back(base + ": " + *marker);
            }
        } else if (name.ends_with(".IX") &&
                   names.count(name.substr(0, name.size() - 3) + ".DAT") == 0) {
            problems.push_back(name + ": index file without its data file");
        }
    }
    AddBackupManifestProblems(folder, problems);
    std::vector<std::string> noticed;
    AddFileSetProblems(folder, names, problems, noticed);
    if (notices != nullptr) {
        *notices = std::move(noticed);
    }
    return problems;
}

}  // namespace oltoma::ol
