// The report commands of the main window's menus. Each runs its pick list
// (several records, the PDF box offered), asks for the PDF file when the
// user ticked the box (Cancel there ends the command as a cancelled pick
// does), and prints the picked records in the pick's order. The
// definition reports expect the definition files open (the main window
// runs them in its definition-file bracket).
#pragma once

#include "platform/services.h"

namespace oltoma::ol {

// "kontroller": controls, "Välj kontroll(er)".
void PrintControlDefinitions(platform::WindowHandle owner);
// "banor klass": classes, "Välj klass(er)".
void PrintCoursesPerClass(platform::WindowHandle owner);
// "kodbanaklass": controls, "Välj kontroll(er)".
void PrintCodeCourseClass(platform::WindowHandle owner);
// "banor ": courses, "Välj ban(a)(or)".
void PrintCourseDefinitions(platform::WindowHandle owner);
// "klasslista": classes, "Välj klass(er)", no class filter.
void PrintClassList(platform::WindowHandle owner);
// "data och sökord" ('d'), "sammanställning" ('p'), "blankett" ('b'):
// route descriptions, "Välj rutbeskrivning(ar)". With the older library
// format in use, only the message of RefuseOlderRouteFormat.
void PrintRouteDescriptions(platform::WindowHandle owner, char mode);

}  // namespace oltoma::ol
