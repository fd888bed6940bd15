#include "ol/data/files/definition_bracket.h"

#include "base/messages/messages.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/ol_state.h"

namespace oltoma::ol {

DefinitionFilesBracket::DefinitionFilesBracket() {
    CloseParticipantFiles();
    opened_ = OpenDefinitionFiles();
    if (!opened_) {
        SetMessageLine("Filerna inte \xF6ppna");  // Windows-1252 o-umlaut
    }
}

DefinitionFilesBracket::~DefinitionFilesBracket() {
    CloseDefinitionFiles();
    OpenParticipantFiles();
}

bool RunWithDefinitionFiles(const std::function<void()>& command) {
    const DefinitionFilesBracket bracket;
    if (bracket.Opened()) {
        command();
    }
    return bracket.Opened();
}

}  // namespace oltoma::ol
