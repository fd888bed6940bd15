#include "ol/data/files/file_formats.h"

#include "ol/data/files/file_names.h"
#include "ol/data/records/club_rec.h"
#include "ol/data/records/delt_rec.h"
#include "ol/data/records/distr_rec.h"
#include "ol/data/records/info_rec.h"
#include "ol/data/records/klass_rec.h"
#include "ol/data/records/kontr_rec.h"
#include "ol/data/records/record_keys.h"
#include "ol/data/records/rutb24_rec.h"
#include "ol/data/records/rutb_rec.h"
#include "ol/data/records/track_rec.h"
#include "storage/access_layer.h"

namespace oltoma::ol {
namespace {

storage::IndexDescriptor Descriptor(KeyFormat key) {
    return storage::IndexDescriptor{key.length, key.duplicates};
}

template <typename Record>
IndexedFileFormat FormatOf(std::vector<storage::IndexDescriptor> keys) {
    return IndexedFileFormat{static_cast<std::int32_t>(sizeof(Record)), std::move(keys)};
}

}  // namespace

const IndexedFileFormat& CompetitionRegisterFormat() {
    static const IndexedFileFormat format = FormatOf<InfoRec>({});
    return format;
}

const IndexedFileFormat& ClubRegisterFormat() {
    static const IndexedFileFormat format = FormatOf<ClubRec>({Descriptor(kClubKeyFormat)});
    return format;
}

const IndexedFileFormat& DistrictRegisterFormat() {
    static const IndexedFileFormat format = FormatOf<DistrRec>({Descriptor(kDistrictKeyFormat)});
    return format;
}

const IndexedFileFormat& RouteFileFormat() {
    static const IndexedFileFormat format = FormatOf<RutbRec>({Descriptor(kRouteKeyFormat)});
    return format;
}

const IndexedFileFormat& Route24FileFormat() {
    static const IndexedFileFormat format = FormatOf<Rutb24Rec>({Descriptor(kRouteKeyFormat)});
    return format;
}

const IndexedFileFormat& ClassFileFormat() {
    static const IndexedFileFormat format = FormatOf<KlassRec>(
        {Descriptor(kClassSortKeyFormat), Descriptor(kClassDesignationKeyFormat)});
    return format;
}

const IndexedFileFormat& ParticipantFileFormat() {
    static const IndexedFileFormat format = FormatOf<DeltRec>({Descriptor(kParticipantKeyFormat)});
    return format;
}

const IndexedFileFormat& CourseFileFormat() {
    static const IndexedFileFormat format = FormatOf<TrackRec>({Descriptor(kCourseKeyFormat)});
    return format;
}

const IndexedFileFormat& ControlFileFormat() {
    static const IndexedFileFormat format = FormatOf<KontrRec>({Descriptor(kControlKeyFormat)});
    return format;
}

bool CreateIndexedFile(std::string_view baseName, const IndexedFileFormat& format) {
    storage::CreateFileBlock(DataFileName(baseName), format.recordLength,
                             static_cast<int>(format.keys.size()), format.keys);
    return storage::IsamSucceeded();
}

}  // namespace oltoma::ol
