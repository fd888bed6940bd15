// The system's numbered message texts and its message dialogs.
//
// A message code is class * 100 + sub-number. The class decides what is
// shown:
//
//   class  effect                               caption  buttons, icon
//   0      no box; the text becomes MessageLine  -        -   (result Ok)
//   1      question                             "??"     Yes, No
//   2      information                          "info"   Ok, exclamation
//   3      error                                "error"  Abort, Retry, Ignore
//
// Boxes are owned by the window on top of the message-box owner stack
// (base/messages/message_owner_stack.h) and shown through platform::MessageBoxes.
// All texts are Windows-1252.
#pragma once

#include <string>
#include <string_view>

#include "base/text/short_string.h"
#include "platform/services.h"

namespace oltoma {

// The one process-wide message line: class-0 messages land here, and any
// part of the system may leave a text here for ConfirmMessage or for the
// status bars to show at their next refresh.
extern MyMsgStrng MessageLine;

// Puts text (cut to 160 characters) into MessageLine and hands the line to
// the bound observer, if any.
void SetMessageLine(std::string_view text);

// Called with MessageLine (Windows-1252) each time a text is put into it, so
// that a run without windows (oltoma-tool) can show every message and not
// only the last one.
using MessageLineObserver = void (*)(std::string_view line);

// Binds the observer (nullptr: none) and returns the one bound before.
MessageLineObserver BindMessageLineObserver(MessageLineObserver observer);

// The text of a message number, at most 100 characters. Never fails:
// storage engine numbers 9500..10499 read "Btree: " + their text (or
// "Btree: errornr=" + the number in 6 columns when they have none), every
// other number without a text gives "Okänt nummer i msgtextanrop= " + the
// number in 6 columns.
std::string msgtext(int number);

// Shows text (cut to 160 characters) as the code's class says and returns
// the button pressed; Ok for class 0, None when no box could be shown. A
// text holding one of the OEM codes of Å Ä Ö å ä ö is converted from the
// OEM code page first. Codes of a class outside 0..3 are shown as
// information boxes, so that no message is lost.
platform::MessageResult DisplayMessage(int code, std::string_view text);

// DisplayMessage without the OEM conversion (for printed-report texts that
// are already Windows-1252 and may hold such bytes legitimately).
platform::MessageResult DisplayMessageUnconverted(int code, std::string_view text);

// The question box of class 1 ("??", Yes and No) for a question whose Yes
// destroys data: No is the default button, so one Enter keeps the data, and
// Escape answers No as well. Returns the button pressed, None when no box
// could be shown. The text is treated as DisplayMessage treats it.
platform::MessageResult AskBeforeDestroying(std::string_view text);

// Shows MessageLine with DisplayMessage(code) and returns true for Ok, Yes,
// Retry, Ignore or no box at all; false for No, Cancel and Abort. Before
// showing, the sub-number (code mod 100) chooses the text: 0 and 34 clear
// MessageLine; 7, 31, 33, 36 and 39 put msgtext 324, 325, 326, 329 and 330
// into it; any other sub-number keeps what the caller left there.
bool ConfirmMessage(int code);

}  // namespace oltoma
