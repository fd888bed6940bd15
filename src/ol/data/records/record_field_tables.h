// The field tables of the orienteering records (field_descriptor.h): every
// field of each record layout in layout order, the padding and spare bytes
// marked as such, so that each table covers its record byte for byte.
//
//   FieldsOf<InfoRec>()  FieldsOf<KlassRec>()  FieldsOf<DeltRec>()
//   FieldsOf<ClubRec>()  FieldsOf<DistrRec>()  FieldsOf<KontrRec>()
//   FieldsOf<TrackRec>() FieldsOf<RutbRec>()   FieldsOf<Rutb24Rec>()
//   FieldsOf<AvgType>()  (the nested Avg of InfoRec)
#pragma once

#include "ol/data/records/club_rec.h"
#include "ol/data/records/delt_rec.h"
#include "ol/data/records/distr_rec.h"
#include "ol/data/records/field_descriptor.h"
#include "ol/data/records/info_rec.h"
#include "ol/data/records/klass_rec.h"
#include "ol/data/records/kontr_rec.h"
#include "ol/data/records/rutb24_rec.h"
#include "ol/data/records/rutb_rec.h"
#include "ol/data/records/track_rec.h"

namespace oltoma::ol {

template <>
FieldTable FieldsOf<InfoRec>();
template <>
FieldTable FieldsOf<KlassRec>();
template <>
FieldTable FieldsOf<DeltRec>();
template <>
FieldTable FieldsOf<ClubRec>();
template <>
FieldTable FieldsOf<DistrRec>();
template <>
FieldTable FieldsOf<KontrRec>();
template <>
FieldTable FieldsOf<TrackRec>();
template <>
FieldTable FieldsOf<RutbRec>();
template <>
FieldTable FieldsOf<Rutb24Rec>();

}  // namespace oltoma::ol
