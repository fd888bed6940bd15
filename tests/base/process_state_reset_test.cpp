// Every process-wide state of the base services is back at its start after
// platform::ResetProcessState, so a missing or unregistered reset shows here.
#include <gtest/gtest.h>

#include "base/messages/desktop_services.h"
#include "base/messages/memory_check.h"
#include "base/messages/message_owner_stack.h"
#include "base/messages/messages.h"
#include "base/messages/progress.h"
#include "base/settings/program_name.h"
#include "base/settings/settings_state.h"
#include "base/settings/window_scale.h"
#include "base/time/clock_text.h"
#include "base/time/stopwatch.h"
#include "platform/process_state.h"

namespace oltoma {
namespace {

TEST(ProcessStateReset, ReturnsEveryBaseStateToItsStart) {
    SetMessageLine("kvar");
    BindMessageLineObserver([](std::string_view) {});
    PushMessageOwner(42);
    PushCursor();
    OpenProgress(0, 3, "arbetar", false);
    platform::MemoryStatus status;
    status.availablePhysical = status.availableVirtual = 5000;
    MemoryAvailable(100, status);
    StartStopwatch();
    SetLocalTimeSource([] { return LocalDateTime{1999, 12, 31, 23, 59, 59, 5}; });
    WorkingGlobalSettings().currentNumber = 3;
    Configuration().inUse = true;
    WindowScale = 200;
    ProgramName = "OltomaW64";

    platform::ResetProcessState();

    EXPECT_EQ(MessageLine.view(), "");
    EXPECT_EQ(BindMessageLineObserver(nullptr), nullptr);
    EXPECT_EQ(MessageOwnerDepth(), 0);
    EXPECT_EQ(CursorDepth(), 0);
    EXPECT_EQ(ProgressDepth(), 0);
    EXPECT_EQ(LowestAvailablePhysical(), 0);
    EXPECT_EQ(LowestAvailableVirtual(), 0);
    EXPECT_EQ(StartStopwatch(), 1);
    EXPECT_NE(CurrentLocalTime().year, 1999);
    EXPECT_EQ(WorkingGlobalSettings().currentNumber, 0);
    EXPECT_FALSE(Configuration().inUse);
    EXPECT_EQ(WindowScale, kMinimumWindowScale);
    EXPECT_EQ(ProgramName.view(), "kvarnix");
}

}  // namespace
}  // namespace oltoma
