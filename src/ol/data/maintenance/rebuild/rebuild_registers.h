// The registers of the index rebuild other than the participants, each
// rebuilt by RebuildRegister (rebuild_register.h) with its own add
// operation:
//
//   CLUBAR    clubs: fills the club renumbering table and remembers the
//             replacement club (the last club whose upper-cased name holds
//             "ÖÖÖ" or "___")
//   DISTR     districts
//   RUTBESKR  route descriptions, older form (skipped when it has no files)
//   RUTB24    route descriptions (skipped when it has no files)
//   KLASSnn   classes: their Count groups 0..StrNr are cleared before each
//             is added (the participants count them again); fills the class
//             renumbering table
//   KONTRnn   controls, added unchanged
//   TRACKnn   courses: the club table's control use counts are cleared and
//             counted again from the courses' control codes found in KONTRnn
//
// Each returns whether the register's new files were built.
#pragma once

#include "ol/data/maintenance/rebuild/rebuild_register.h"
#include "ol/data/maintenance/rebuild/rebuild_state.h"

namespace oltoma::ol {

bool RebuildClubs(RebuildState& state, const RebuildTexts& texts);
bool RebuildDistricts(const RebuildState& state, const RebuildTexts& texts);
bool RebuildRouteFiles(const RebuildState& state, const RebuildTexts& texts);
bool RebuildClasses(RebuildState& state, const RebuildTexts& texts);
bool RebuildControls(const RebuildState& state, const RebuildTexts& texts);
bool RebuildCourses(const RebuildState& state, const RebuildTexts& texts);

// True when the register's live data file exists.
bool RegisterFilesExist(const RebuildState& state, std::string_view base);

}  // namespace oltoma::ol
