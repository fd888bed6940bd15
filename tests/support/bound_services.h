// Binds test doubles for the lifetime of a guard and restores what was bound
// before:
//   RecordingSound sound;
//   BoundServices bound({.sound = &sound});
// Members left null keep the service bound at the time.
#pragma once

#include "platform/services.h"

namespace oltoma::testing {

class BoundServices {
public:
    explicit BoundServices(const platform::Services& doubles) {
        previous_ = platform::BindServices({});
        platform::Services merged = previous_;
        Take(merged.messageBoxes, doubles.messageBoxes);
        Take(merged.sound, doubles.sound);
        Take(merged.cursors, doubles.cursors);
        Take(merged.numberPrompt, doubles.numberPrompt);
        Take(merged.shell, doubles.shell);
        Take(merged.programLauncher, doubles.programLauncher);
        Take(merged.printerCatalog, doubles.printerCatalog);
        Take(merged.fileDialogs, doubles.fileDialogs);
        platform::BindServices(merged);
    }
    ~BoundServices() { platform::BindServices(previous_); }
    BoundServices(const BoundServices&) = delete;
    BoundServices& operator=(const BoundServices&) = delete;

private:
    template <typename Interface>
    static void Take(Interface*& target, Interface* given) {
        if (given != nullptr) {
            target = given;
        }
    }

    platform::Services previous_;
};

}  // namespace oltoma::testing
