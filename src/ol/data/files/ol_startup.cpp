#include "ol/data/files/ol_startup.h"

#include <cstdlib>

#include "base/messages/messages.h"
#include "base/settings/settings_state.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "platform/process_state.h"
#include "storage/access_layer.h"
#include "storage/storage_start.h"

namespace oltoma::ol {
namespace {

bool engineStarted = false;

void ForgetEngineStart() {
    engineStarted = false;
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&ForgetEngineStart);

void ShutdownAtExit() {
    OlShutdown();
}

void RegisterExitHandler() {
    static const bool registered = std::atexit(&ShutdownAtExit) == 0;
    static_cast<void>(registered);
}

void ClearAllBuffers() {
    OlState& ol = Ol();
    ClearCompetitionRecord();
    ClearClass();
    ClearParticipant();
    ClearClub();
    ClearDistrict();
    ClearControl();
    ClearCourse();
    ClearRoute();
    ClearRoute24();
    ol.route.changed = false;
    ol.route24.changed = false;
}

}  // namespace

bool OlStartup(std::span<const std::string> parameters) {
    GlobalSettings& settings = WorkingGlobalSettings();
    settings.currentNumber = settings.currentNumbers[kOltomaApplicationKind];
    settings.dataDirectory = settings.dataDirectories[kOltomaApplicationKind];

    std::string failure;
    engineStarted = storage::InitStorageEngine(parameters, failure);
    if (!engineStarted) {
        SetMessageLine(failure);
        ConfirmMessage(storage::kStartFailureMessageCode);
    }

    OlState& ol = Ol();
    ol = OlState{};
    for (int i = 0; i < kOrderingTableSize; ++i) {
        ol.orderingTable[i] = static_cast<std::int16_t>(i);
    }
    ClearAllBuffers();
    ol.started = true;
    RegisterExitHandler();
    return engineStarted;
}

void OlShutdown() {
    OlState& ol = Ol();
    if (!ol.started) {
        return;
    }
    GlobalSettings& settings = WorkingGlobalSettings();
    settings.dataDirectories[kOltomaApplicationKind] = settings.dataDirectory.view();
    settings.currentNumbers[kOltomaApplicationKind] = settings.currentNumber;
    if (engineStarted) {
        storage::ExitIsam();
        engineStarted = false;
    }
    ol = OlState{};
}

}  // namespace oltoma::ol
