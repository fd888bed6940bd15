// The giro files giroP (plusgiro and postgiro slips) and giroB (bankgiro
// slips) in the data directory and the one giro record buffer. The file of
// a kind is open only while its register is shown.
#pragma once

#include <string>
#include <string_view>

#include "labels/giro_rec.h"
#include "labels/register_file.h"

namespace oltoma::labels {

// The giro record buffer: every giro operation reads and writes it.
TGiroRec& GiroRec();

// The giro file opened last by OpenGiroFile, as a register file.
RegisterFile& GiroFile();

// Opens the giro file of the kind, creating it when it does not exist (a
// file that exists but does not open is left untouched); clears the giro
// record. Returns whether it is open.
bool OpenGiroFile(Tgirotyp kind);
void CloseGiroFile();

// "fel med girofilerna: " + the engine's text.
std::string GiroFileFailureText();

// Before a new slip: clears the giro record; true when the file holds 199
// slips or more.
bool GiroRegisterFull();

// The list line: TillG padded with "." to 16 characters, a blank,
// Mottagare, and "_" + Lnr when Lnr is not empty.
std::string GiroRegStr(const TGiroRec& slip);

// Whether another slip of the open file holds the key.
bool GiroKeyTaken(std::string_view key);

// "Mottagare och littera finns redan registrerad. "<key>" Måste vara unik."
std::string GiroKeyTakenText(std::string_view key);

}  // namespace oltoma::labels
