// How the indexed orienteering files are made: record length and index keys
// of each (the record layouts and key fields are those of the record
// headers; record_keys.h gives the key lengths).
//
//   file      record length  keys (length, duplicates)
//   OLTOMA    2364           none: the record number is the competition
//   CLUBAR    548            1: (30, yes)
//   DISTR     32             1: (3, yes)
//   RUTBESKR  288            1: (11, no)
//   RUTB24    520            1: (11, no)
//   KLASSnn   2348           1: (15, no) sort key; 2: (9, no) designation
//   OLnn      1748           1: (5, yes)
//   TRACKnn   280            1: (13, no)
//   KONTRnn   116            1: (4, no)
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "storage/isam_types.h"

namespace oltoma::ol {

struct IndexedFileFormat {
    std::int32_t recordLength;
    std::vector<storage::IndexDescriptor> keys;
};

const IndexedFileFormat& CompetitionRegisterFormat();
const IndexedFileFormat& ClubRegisterFormat();
const IndexedFileFormat& DistrictRegisterFormat();
const IndexedFileFormat& RouteFileFormat();
const IndexedFileFormat& Route24FileFormat();
const IndexedFileFormat& ClassFileFormat();
const IndexedFileFormat& ParticipantFileFormat();
const IndexedFileFormat& CourseFileFormat();
const IndexedFileFormat& ControlFileFormat();

// Creates the empty fileblock of a base name in the data directory
// (CreateFileBlock, which replaces any files of that name). Leaves the
// engine status; returns IsamSucceeded.
bool CreateIndexedFile(std::string_view baseName, const IndexedFileFormat& format);

}  // namespace oltoma::ol
