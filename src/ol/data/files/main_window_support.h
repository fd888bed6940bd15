// What the main window asks of the file set: choosing and deleting
// competitions from its "välj" and "radera" menus, which of its entries
// depend on which files, and its data status text. The main window (or its
// adapter) calls these and only shows the results.
#pragma once

#include <string>

namespace oltoma::ol {

// "välj" entry n (1..8): closes the participant files, remembers n in the
// settings and makes it current when it exists.
void ChooseCompetition(int n);

// "radera" entry n (1..8): when n is a slot of the register, deletes
// competition n after asking (DeleteCompetition). The competition that was
// current before stays current unless it was the one deleted; the settings
// then remember the current competition (0 for none).
void RemoveCompetition(int n);

// The file-set conditions the main window's menus depend on. Reading them
// lends the definition files for a moment (participant files closed, then
// opened again), as the course and control counts live there.
struct FileSetConditions {
    bool commonFilesOpen = false;       // B
    bool noClubs = true;                // not B, or no live club
    bool noRoutes = true;               // not B, or no live route description
    bool participantFilesOpen = false;  // P
    bool noParticipants = true;         // not P, or no live participant
    bool definitionFilesOpen = false;   // D
    bool noCourses = true;              // not D, or no live course
    bool noControls = true;             // not D, or no live control
};
FileSetConditions ReadFileSetConditions();

// The data status text (Windows-1252): with open participant files the
// competition's name, a blank and its organiser (at most 81 characters), and
// " <inga tävlande inmatade>" when it has no participants; with only the
// common files open "<tävling ej vald/inmatad>"; else "<datafiler saknas>".
std::string DataStatusText();

}  // namespace oltoma::ol
