// What the label subsystem's form tests share: a data directory of their
// own for each test function with the storage engine running, a label
// setting with known fonts, and doubles for beeps, message boxes and the
// printer.
#pragma once

#include <filesystem>
#include <string>

#include "base/messages/messages.h"
#include "base/settings/settings_state.h"
#include "base/settings/window_scale.h"
#include "base/text/windows1252.h"
#include "bound_services.h"
#include "labels/giro_file.h"
#include "labels/label_file.h"
#include "scripted_message_boxes.h"
#include "scripted_services.h"
#include "storage/access_layer.h"
#include "storage/storage_start.h"

namespace oltoma::labels::testing {

struct LabelFormsDoubles {
    oltoma::testing::ScriptedMessageBoxes boxes;
    oltoma::testing::RecordingSound sound;
    oltoma::testing::ScriptedNumberPrompt numbers;
    oltoma::testing::BoundServices bound{
        {.messageBoxes = &boxes, .sound = &sound, .numberPrompt = &numbers}};
};

// A fresh data directory named after the test function, entered as the
// data directory, with the storage engine started.
inline std::filesystem::path StartLabelData(const char* test) {
    const std::filesystem::path folder = std::filesystem::current_path() / test;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    WorkingGlobalSettings().dataDirectory = Windows1252FromUtf8(folder.string());
    storage::InitIsam(0, storage::kStartPageBuffers);
    SetMessageLine("");
    WindowScale = 100;
    return folder;
}

inline void StopLabelData() {
    CloseLabelFile();
    CloseGiroFile();
    storage::ExitIsam();
}

}  // namespace oltoma::labels::testing
