// Text that older data files and some stored messages hold in the OEM code
// page 850 is shown in Windows-1252 after this conversion.
#pragma once

#include <string>
#include <string_view>

namespace oltoma {

// True when the text holds one of the twelve OEM codes of the Swedish and
// Nordic letters (0x8F 0x8E 0x99 0x86 0x84 0x94 0x90 0x82 0x9A 0x81 0x92 0x91).
bool HasOemLetters(std::string_view text);

// The Windows-1252 byte for an OEM (code page 850) byte. Box-drawing and
// block characters, which Windows-1252 lacks, become "+", "-", "|", "=" or
// "#".
char OemToAnsiChar(char oem);

// If the text holds an OEM letter code, its first 1024 characters converted
// from code page 850 to Windows-1252; otherwise the text unchanged.
std::string OemToAnsiText(std::string_view text);

}  // namespace oltoma
