// oltoma-tool list DIR REGISTER [COMPETITION]: every live record of a
// register as JSON Lines on standard output, read-only.
//
// Records come in the order of key 1 (equal keys by record number); the
// competition register, which has no key, in record order. A live record no
// key reaches follows in record order, so every live record is listed
// exactly once whatever state the index is in. The file is opened for
// reading only, without playing back its journal; a pending journal, a
// file held by another process or a record length other than the layout's
// refuse the listing.
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "base/messages/messages.h"
#include "base/text/windows1252.h"
#include "ol/data/files/file_formats.h"
#include "ol/data/files/file_names.h"
#include "ol/data/records/record_field_tables.h"
#include "storage/access_layer.h"
#include "tool/maintenance_session.h"
#include "tool/record_json.h"
#include "tool/tool_commands.h"
#include "tool/usage_text.h"

namespace oltoma::tool {
namespace {

using RecordWriter = void (*)(std::ostream&, const std::uint8_t*);

struct ListedRegister {
    std::string_view name;
    std::string_view base;
    bool perCompetition;
    const ol::IndexedFileFormat& (*format)();
    RecordWriter write;
};

// The record as the data layer reads it (converted from the OEM code page
// where it holds OEM letters), as JSON.
template <typename Record>
void WriteConverted(std::ostream& out, const std::uint8_t* bytes) {
    Record record;
    std::memcpy(&record, bytes, sizeof record);
    ol::ConvertAfterRead(record);
    WriteRecordJson(out, reinterpret_cast<const std::uint8_t*>(&record), ol::FieldsOf<Record>());
}

const ListedRegister kRegisters[] = {
    {"clubs", ol::kClubRegisterBase, false, &ol::ClubRegisterFormat, &WriteConverted<ol::ClubRec>},
    {"districts", ol::kDistrictRegisterBase, false, &ol::DistrictRegisterFormat,
     &WriteConverted<ol::DistrRec>},
    {"controls", ol::kControlFileBase, true, &ol::ControlFileFormat, &WriteConverted<ol::KontrRec>},
    {"courses", ol::kCourseFileBase, true, &ol::CourseFileFormat, &WriteConverted<ol::TrackRec>},
    {"classes", ol::kClassFileBase, true, &ol::ClassFileFormat, &WriteConverted<ol::KlassRec>},
    {"participants", ol::kParticipantFileBase, true, &ol::ParticipantFileFormat,
     &WriteConverted<ol::DeltRec>},
    {"competitions", ol::kCompetitionRegisterBase, false, &ol::CompetitionRegisterFormat,
     &WriteConverted<ol::InfoRec>},
    {"routes", ol::kRouteBase, false, &ol::RouteFileFormat, &WriteConverted<ol::RutbRec>},
    {"routes24", ol::kRoute24Base, false, &ol::Route24FileFormat, &WriteConverted<ol::Rutb24Rec>},
};

const ListedRegister* RegisterNamed(std::string_view name) {
    for (const ListedRegister& listed : kRegisters) {
        if (listed.name == name) {
            return &listed;
        }
    }
    return nullptr;
}

int Refuse(const std::string& base, const std::string& reason) {
    std::cerr << "oltoma-tool: " << base << ": " << reason << '\n';
    return kExitFailure;
}

std::string EngineText() {
    return Utf8FromWindows1252(msgtext(storage::IsamError()));
}

// Lists the open fileblock's live records; false (reported) when a record
// cannot be read.
class RecordListing {
public:
    RecordListing(storage::FileBlock* block, std::int32_t slots, const ListedRegister& listed)
        : block_(block),
          slots_(slots),
          listed_(listed),
          printed_(static_cast<std::size_t>(slots > 0 ? slots : 0), false),
          record_(static_cast<std::size_t>(listed.format().recordLength)) {}

    bool InKeyOrder() {
        storage::ClearKey(block_, 1);
        storage::IsamKeyStr key;
        // Each record has one key 1; a damaged index cannot make the walk
        // endless.
        const long long maxSteps = 4LL * slots_ + 16;
        for (long long step = 0; step < maxSteps; ++step) {
            std::int32_t rc = 0;
            storage::NextKey(block_, 1, key, rc);
            if (!storage::IsamSucceeded()) {
                return true;  // the end of the index, or an index that fails: records follow
            }
            if (!Print(rc)) {
                return false;
            }
        }
        return true;
    }

    bool InRecordOrder() {
        for (std::int32_t rc = 1; rc < slots_; ++rc) {
            if (!Print(rc)) {
                return false;
            }
        }
        return true;
    }

private:
    bool Print(std::int32_t rc) {
        if (rc <= 0 || rc >= slots_ || printed_[static_cast<std::size_t>(rc)]) {
            return true;
        }
        storage::GetRec(block_, rc, record_.data());
        if (!storage::IsamSucceeded()) {
            std::cout.flush();
            std::cerr << "oltoma-tool: record " << rc << " cannot be read: " << EngineText()
                      << '\n';
            return false;
        }
        if (record_[0] != 0 || record_[1] != 0 || record_[2] != 0 || record_[3] != 0) {
            return true;  // deleted
        }
        printed_[static_cast<std::size_t>(rc)] = true;
        listed_.write(std::cout, record_.data());
        std::cout << '\n';
        return true;
    }

    storage::FileBlock* block_;
    std::int32_t slots_;
    const ListedRegister& listed_;
    std::vector<bool> printed_;
    std::vector<std::uint8_t> record_;
};

int ListRegister(const ListedRegister& listed, int competition) {
    const std::string base = listed.perCompetition
                                 ? ol::CompetitionBaseName(listed.base, competition)
                                 : std::string(listed.base);
    const std::string name = ol::DataFileName(base);
    std::error_code error;
    if (!std::filesystem::is_regular_file(name + ".DAT", error)) {
        return Refuse(base, "no such register in the folder");
    }
    storage::FileBlock* block = nullptr;
    bool journalPending = false;
    storage::OpenFileBlockForReading(block, name, journalPending);
    if (!storage::IsamSucceeded()) {
        return Refuse(base, "cannot be opened: " + EngineText());
    }
    const auto close = [&block] { storage::CloseFileBlock(block); };
    if (journalPending) {
        close();
        return Refuse(base,
                      "a journal is pending (an operation was cut short); the program or "
                      "\"indexbygg\" plays it back");
    }
    const std::int32_t expected = listed.format().recordLength;
    const std::int32_t length = storage::RecordLength(block);
    if (length != expected) {
        close();
        return Refuse(base, "record length " + std::to_string(length) + ", expected " +
                                std::to_string(expected));
    }
    const std::int32_t slots = storage::FileLen(block);
    if (!storage::IsamSucceeded()) {
        close();
        return Refuse(base, "cannot be read: " + EngineText());
    }
    RecordListing listing(block, slots, listed);
    const bool keyed = !listed.format().keys.empty() && storage::KeyCount(block) >= 1;
    const bool complete = (!keyed || listing.InKeyOrder()) && listing.InRecordOrder();
    close();
    std::cout.flush();
    return complete ? kExitSuccess : kExitFailure;
}

}  // namespace

int RunListCommand(std::span<const std::string> arguments) {
    if (arguments.size() < 2 || arguments.size() > 3) {
        return CommandUsageError("list");
    }
    const ListedRegister* listed = RegisterNamed(arguments[1]);
    if (listed == nullptr || listed->perCompetition != (arguments.size() == 3)) {
        return CommandUsageError("list");
    }
    int competition = 0;
    if (listed->perCompetition) {
        competition = CompetitionArgument(arguments[2]);
        if (competition < 1) {
            return CommandUsageError("list");
        }
    }
    MaintenanceSession session(arguments[0], competition, false);
    if (!session.Ready()) {
        return kExitFailure;
    }
    return ListRegister(*listed, competition);
}

}  // namespace oltoma::tool
