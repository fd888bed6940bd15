#include "ol/data/records/record_text.h"

namespace oltoma::ol {

void ConvertOemField(TLongPathName& path) {
    const std::string text = path.str();
    if (HasOemLetters(text)) {
        path.assign(OemToAnsiText(text));
    }
}

void ConvertOemFields(AdressLines& lines) {
    for (Strng22& line : lines.line) {
        ConvertOemField(line);
    }
}

}  // namespace oltoma::ol
