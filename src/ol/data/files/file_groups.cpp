#include "ol/data/files/file_groups.h"

#include <string>

#include "base/messages/messages.h"
#include "base/settings/settings_state.h"
#include "ol/data/files/club_table_file.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_formats.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/fileblock_handles.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/data/files/route_file.h"
#include "ol/data/files/storage_failure.h"
#include "storage/access_layer.h"

namespace oltoma::ol {
namespace {

constexpr int kFilesOpenMessage = 325;
constexpr int kFilesMissingMessage = 324;
constexpr int kFilesClosedMessage = 326;

std::string OfCompetition(std::string_view base) {
    return CompetitionBaseName(base, Ol().CurrentCompetition);
}

// Reads the register's counts; false when it cannot be opened.
bool ReadRegisterCounts() {
    OlState& ol = Ol();
    storage::FileBlock* reg = nullptr;
    if (!OpenDataFile(reg, kCompetitionRegisterBase)) {
        ol.CompetitionSlots = 0;
        ol.CompetitionsUsed = 0;
        return false;
    }
    ol.CompetitionSlots = storage::FileLen(reg);
    ol.CompetitionsUsed = storage::UsedRecs(reg);
    CloseDataFile(reg, kCompetitionRegisterBase);
    return true;
}

void CloseCommonHandles() {
    OlState& ol = Ol();
    CloseRouteFile();
    CloseDataFile(ol.clubFile, kClubRegisterBase);
    CloseDataFile(ol.districtFile, kDistrictRegisterBase);
}

void CloseParticipantHandles() {
    OlState& ol = Ol();
    CloseDataFile(ol.classFile, OfCompetition(kClassFileBase));
    CloseDataFile(ol.participantFile, OfCompetition(kParticipantFileBase));
    CloseDataFile(ol.courseFile, OfCompetition(kCourseFileBase));
}

void CloseDefinitionHandles() {
    OlState& ol = Ol();
    CloseDataFile(ol.classFile, OfCompetition(kClassFileBase));
    CloseDataFile(ol.controlFile, OfCompetition(kControlFileBase));
    CloseDataFile(ol.courseFile, OfCompetition(kCourseFileBase));
}

bool MayOpenCompetitionGroup() {
    return Ol().CommonFilesOpen && Ol().CurrentCompetition != 0;
}

struct FileToCreate {
    std::string_view base;
    const IndexedFileFormat& (*format)();
};

// The indexed files of a competition in the order they are made.
constexpr FileToCreate kParticipantSideFiles[] = {
    {kParticipantFileBase, &ParticipantFileFormat},
    {kCourseFileBase, &CourseFileFormat},
    {kControlFileBase, &ControlFileFormat},
};

void DeleteCompetitionFilesQuietly() {
    storage::DeleteFileBlock(DataFileName(OfCompetition(kClassFileBase)));
    DeleteClubTableFile(Ol().CurrentCompetition);
    for (const FileToCreate& file : kParticipantSideFiles) {
        storage::DeleteFileBlock(DataFileName(OfCompetition(file.base)));
    }
}

}  // namespace

bool OpenCommonFiles() {
    OlState& ol = Ol();
    CloseCommonFiles();
    SetMessageLine("");
    bool opened = ReadRegisterCounts();
    if (opened) {
        OpenRouteFile();
        opened = OpenDataFile(ol.clubFile, kClubRegisterBase) &&
                 OpenDataFile(ol.districtFile, kDistrictRegisterBase);
    }
    if (!opened) {
        CloseCommonHandles();
    }
    ol.CommonFilesOpen = opened;
    // A storage failure already in the line says more than "missing".
    if (opened || MessageLine.empty()) {
        SetMessageLine(msgtext(opened ? kFilesOpenMessage : kFilesMissingMessage));
    }
    ClearCompetitionRecord();
    ClearClub();
    return opened;
}

void CloseCommonFiles() {
    OlState& ol = Ol();
    CloseParticipantFiles();
    CloseDefinitionFiles();
    const bool wasOpen = ol.CommonFilesOpen;
    CloseCommonHandles();
    ol.CommonFilesOpen = false;
    if (wasOpen) {
        SetMessageLine(msgtext(kFilesClosedMessage));
    }
}

bool OpenParticipantFiles() {
    OlState& ol = Ol();
    if (ol.ParticipantFilesOpen) {
        return true;
    }
    if (MayOpenCompetitionGroup()) {
        CloseDefinitionFiles();
        const bool opened = OpenDataFile(ol.classFile, OfCompetition(kClassFileBase)) &&
                            ReadClubTable() &&
                            OpenDataFile(ol.participantFile, OfCompetition(kParticipantFileBase)) &&
                            OpenDataFile(ol.courseFile, OfCompetition(kCourseFileBase));
        if (opened) {
            WorkingGlobalSettings().currentNumber = ol.CurrentCompetition;
        } else {
            CloseParticipantHandles();
        }
        ol.ParticipantFilesOpen = opened;
    }
    ClearParticipant();
    ClearClass();
    ClearCourse();
    return ol.ParticipantFilesOpen;
}

void CloseParticipantFiles() {
    OlState& ol = Ol();
    if (!ol.ParticipantFilesOpen) {
        return;
    }
    StoreCompetition(ol.CurrentCompetition);
    CloseParticipantHandles();
    WriteClubTable();
    ol.ParticipantFilesOpen = false;
}

bool OpenDefinitionFiles() {
    OlState& ol = Ol();
    if (ol.DefinitionFilesOpen) {
        return true;
    }
    if (MayOpenCompetitionGroup()) {
        CloseParticipantFiles();
        const bool opened = ReadClubTable() &&
                            OpenDataFile(ol.classFile, OfCompetition(kClassFileBase)) &&
                            OpenDataFile(ol.controlFile, OfCompetition(kControlFileBase)) &&
                            OpenDataFile(ol.courseFile, OfCompetition(kCourseFileBase));
        if (!opened) {
            CloseDefinitionHandles();
        }
        ol.DefinitionFilesOpen = opened;
    }
    ClearClass();
    ClearControl();
    ClearCourse();
    return ol.DefinitionFilesOpen;
}

void CloseDefinitionFiles() {
    OlState& ol = Ol();
    if (!ol.DefinitionFilesOpen) {
        return;
    }
    CloseDefinitionHandles();
    WriteClubTable();
    ol.DefinitionFilesOpen = false;
}

bool CreateCompetitionFiles() {
    OlState& ol = Ol();
    if (!MayOpenCompetitionGroup() || ol.ParticipantFilesOpen || ol.DefinitionFilesOpen) {
        return false;
    }
    bool created = CreateIndexedFile(OfCompetition(kClassFileBase), ClassFileFormat());
    std::string failedFile = OfCompetition(kClassFileBase);
    if (created) {
        ClearClubTable();
        created = WriteClubTable();
        failedFile.clear();  // WriteClubTable shows its own message
    }
    for (const FileToCreate& file : kParticipantSideFiles) {
        if (!created) {
            break;
        }
        created = CreateIndexedFile(OfCompetition(file.base), file.format());
        failedFile = OfCompetition(file.base);
    }
    if (!created) {
        if (!failedFile.empty()) {
            ReportStorageFailure(failedFile);
        }
        DeleteCompetitionFilesQuietly();
        return false;
    }
    return OpenParticipantFiles();
}

bool CreateCommonFiles() {
    if (Ol().CommonFilesOpen) {
        return false;
    }
    const FileToCreate commonFiles[] = {
        {kCompetitionRegisterBase, &CompetitionRegisterFormat},
        {kClubRegisterBase, &ClubRegisterFormat},
        {kDistrictRegisterBase, &DistrictRegisterFormat},
        {kRoute24Base, &Route24FileFormat},
        {kRouteBase, &RouteFileFormat},
    };
    for (const FileToCreate& file : commonFiles) {
        if (!CreateIndexedFile(file.base, file.format())) {
            ReportStorageFailure(file.base);
            return false;
        }
    }
    return true;
}

}  // namespace oltoma::ol
