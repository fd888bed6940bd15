// Real data files for a main window under test, made through the data layer
// the window has started (in its data directory), as the program's own
// commands will make them.
#pragma once

#include <QtTest>

#include <cstdint>
#include <string>
#include <string_view>

#include "base/text/windows1252.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"

namespace oltoma::testing {

// A competition to make: its name, organiser and how many participants,
// controls and courses it gets (texts UTF-8).
struct TestCompetition {
    std::string name;
    std::string organiser;
    int participants = 0;
    int controls = 0;
    int courses = 0;
};

namespace file_set_detail {

inline void Add(bool (*save)(bool, std::int32_t&)) {
    std::int32_t rc = 0;
    QVERIFY(save(true, rc));
}

inline void AddRecords(const TestCompetition& competition) {
    for (int i = 1; i <= competition.participants; ++i) {
        ol::ClearParticipant();
        ol::Ol().participant.rec.NrStr = std::to_string(1000 + i);
        Add(&ol::SaveParticipant);
    }
    QVERIFY(ol::OpenDefinitionFiles());
    for (int i = 1; i <= competition.controls; ++i) {
        ol::ClearControl();
        ol::Ol().control.rec.KodNr = std::to_string(30 + i);
        Add(&ol::SaveControl);
    }
    for (int i = 1; i <= competition.courses; ++i) {
        ol::ClearCourse();
        ol::Ol().course.rec.Bana = std::string(1, static_cast<char>('A' + i - 1));
        Add(&ol::SaveCourse);
    }
    ol::CloseDefinitionFiles();
}

}  // namespace file_set_detail

// Adds a competition with its files and records as the competition dialog
// and the registers do; it stays current, its files closed (the next
// UpdateMenus opens them). Returns its number (0 when refused).
inline int AddCompetition(const TestCompetition& competition) {
    ol::CloseParticipantFiles();
    ol::ClearCompetitionRecord();
    ol::Ol().competition.rec.Tvl = Windows1252FromUtf8(competition.name);
    ol::Ol().competition.rec.Arr = Windows1252FromUtf8(competition.organiser);
    int n = 0;
    if (!ol::SaveCompetition(true, n) || !ol::CreateCompetitionFiles()) {
        return 0;
    }
    file_set_detail::AddRecords(competition);
    ol::CloseParticipantFiles();
    return n;
}

// Fresh common files with `clubsAndRoutes` clubs and route descriptions and
// the competitions given, then the common files reopened as "datadir" opens
// them: no competition is chosen. The window is then refreshed.
inline void MakeFileSet(TMainForm& form, std::initializer_list<TestCompetition> competitions,
                        int clubsAndRoutes = 0) {
    ol::CloseCommonFiles();
    QVERIFY(ol::CreateCommonFiles());
    QVERIFY(ol::OpenCommonFiles());
    for (int i = 1; i <= clubsAndRoutes; ++i) {
        ol::ClearClub();
        ol::Ol().club.rec.Namn = "KLUBB " + std::to_string(i);
        file_set_detail::Add(&ol::SaveClub);
        ol::ClearRoute24();
        ol::Ol().route24.rec.Namn = "RUTA " + std::to_string(i);
        file_set_detail::Add(&ol::SaveRoute24);
    }
    for (const TestCompetition& competition : competitions) {
        QVERIFY(AddCompetition(competition) != 0);
    }
    ol::CloseCommonFiles();
    QVERIFY(ol::OpenCommonFiles());
    form.UpdateMenus(0);
}

}  // namespace oltoma::testing
