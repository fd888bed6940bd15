// The label file Etikett in the data directory and its record buffer. The
// file is open only while the label register is shown.
#pragma once

#include <string>
#include <string_view>

#include "labels/etikett_rec.h"
#include "labels/register_file.h"

namespace oltoma::labels {

// The label record buffer: every label operation reads and writes it.
TEtikettRec& EtikettRec();

// The label file as a register file (record operations of the register).
RegisterFile& LabelFile();

// Opens the label file, creating it when it does not exist (a file that
// exists but does not open is left untouched); clears the label record.
// Returns whether it is open.
bool OpenLabelFile();
void CloseLabelFile();

// The message the menu command leaves when the file cannot be opened:
// "fel med Etikettfilerna: " + the engine's text.
std::string LabelFileFailureText();

// Before a new label: clears the label record; true when the file holds
// 299 labels or more.
bool LabelRegisterFull();

// The list line of the label in the buffer: its key.
std::string LabelRegStr();

// The key the text will be stored under (the text cut as it is stored,
// "XXX" for an empty one), and whether another label holds it already.
std::string StoredLabelKey(std::string_view text);
bool LabelKeyTaken(std::string_view text);

// "Etiketten finns redan registrerad. "<key>" Måste vara unik."
std::string LabelKeyTakenText(std::string_view key);

}  // namespace oltoma::labels
