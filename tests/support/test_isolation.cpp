#include "test_isolation.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/process_state.h"

namespace oltoma::testing {

void TestIsolation::OnTestStart(const ::testing::TestInfo&) {
    environment_.Restore();
    folder_ = EnterSandbox();
    platform::ResetProcessState();
}

void TestIsolation::OnTestEnd(const ::testing::TestInfo&) {
    platform::ResetProcessState();
    LeaveSandbox(folder_);
    environment_.Restore();
    if (!startFolder_.empty() && ::chdir(startFolder_.c_str()) != 0) {
        std::perror("chdir");
        std::exit(2);
    }
}

}  // namespace oltoma::testing
