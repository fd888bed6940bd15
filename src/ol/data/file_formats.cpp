#include "ol/data/file_formats.h"

#include "ol/data/club_rec.h"
#include "ol/data/delt_rec.h"
#include "ol/data/distr_rec.h"
#include "ol/data/file_names.h"
#include "ol/data/info_rec.h"
#include "ol/data/klass_rec.h"
#include "ol/data/kontr_rec.h"
#include "ol/data/record_keys.h"
#include "ol/data/rutb24_rec.h"
#include "ol/data/rutb_rec.h"
#include "ol/data/track_rec.h"
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
