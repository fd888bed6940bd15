// File names of a fileblock. A fileblock name is a path, optionally of the
// form data-name;index-name (a third ";" part is ignored). The data file and
// the journal take their name from the part before the first ";", the index
// file from the part after it (or from the whole name). Each name gets its
// extension this way: when a "." follows the last "/" the text after the last
// "." is replaced, otherwise "." and the extension are appended.
#pragma once

#include <string>
#include <string_view>

namespace oltoma::storage {

struct FileBlockNames {
    std::string data;     // .DAT
    std::string index;    // .IX
    std::string journal;  // .DIA
};

FileBlockNames NamesOfFileBlock(std::string_view fileBlockName);

// The name with its extension set by the rule above.
std::string WithExtension(std::string_view name, std::string_view extension);

}  // namespace oltoma::storage
