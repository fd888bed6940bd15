#include "ol/data/records/cmp_club_rec.h"

#include "ol/data/records/record_text.h"

namespace oltoma::ol {
namespace {

bool IsClubIndex(std::int32_t clubRc) {
    return clubRc >= 0 && clubRc <= kClubTableClubs;
}

bool IsControlNumber(std::int32_t controlRc) {
    return controlRc >= 1 && controlRc <= kClubTableControls;
}

}  // namespace

void ClearCmpClubRec(CmpClubRec& table, const InfoRec& competition) {
    table = CmpClubRec{};
    table.Arr = competition.Arr.view();
}

void ConvertAfterRead(CmpClubRec& table) {
    ConvertOemField(table.PathText);
    ConvertOemField(table.BackupDirectory);
    ConvertOemField(table.Text1);
    ConvertOemField(table.Text2);
    ConvertOemField(table.Arr);
}

ClubEntry* ClubEntryOf(CmpClubRec& table, std::int32_t clubRc) {
    return IsClubIndex(clubRc) ? &table.Clubs[clubRc] : nullptr;
}

const ClubEntry* ClubEntryOf(const CmpClubRec& table, std::int32_t clubRc) {
    return IsClubIndex(clubRc) ? &table.Clubs[clubRc] : nullptr;
}

std::int16_t EntryCountOf(const CmpClubRec& table, std::int32_t clubRc) {
    return IsClubIndex(clubRc) ? table.ClubEntryCount[clubRc] : std::int16_t{0};
}

bool SetEntryCount(CmpClubRec& table, std::int32_t clubRc, std::int16_t count) {
    if (!IsClubIndex(clubRc)) {
        return false;
    }
    table.ClubEntryCount[clubRc] = count;
    return true;
}

std::int16_t ControlUseOf(const CmpClubRec& table, std::int32_t controlRc) {
    return IsControlNumber(controlRc) ? table.ControlUseCount[controlRc - 1] : std::int16_t{0};
}

bool AddControlUse(CmpClubRec& table, std::int32_t controlRc, int delta) {
    if (!IsControlNumber(controlRc)) {
        return false;
    }
    table.ControlUseCount[controlRc - 1] =
        static_cast<std::int16_t>(table.ControlUseCount[controlRc - 1] + delta);
    return true;
}

}  // namespace oltoma::ol
