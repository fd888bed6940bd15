#include "base/messages/message_owner_stack.h"

#include <gtest/gtest.h>

namespace oltoma {
namespace {

TEST(MessageOwnerStack, TopHandleOwnsUntilTheStackIsTooDeep) {
    EXPECT_EQ(CurrentMessageOwner(), 0u);
    for (platform::WindowHandle window = 1; window <= 33; ++window) {
        PushMessageOwner(window);
    }
    EXPECT_EQ(CurrentMessageOwner(), 33u);
    PushMessageOwner(34);  // counted, not stored
    EXPECT_EQ(MessageOwnerDepth(), 34);
    EXPECT_EQ(CurrentMessageOwner(), 0u);
    PopMessageOwner();
    EXPECT_EQ(CurrentMessageOwner(), 33u);
    PopMessageOwner();
    EXPECT_EQ(CurrentMessageOwner(), 32u);
}

TEST(MessageOwnerStack, PopOnEmptyStackKeepsLaterPushesWorking) {
    PopMessageOwner();
    PopMessageOwner();
    EXPECT_EQ(MessageOwnerDepth(), 0);
    PushMessageOwner(7);
    EXPECT_EQ(CurrentMessageOwner(), 7u);
    PopMessageOwner();
    EXPECT_EQ(CurrentMessageOwner(), 0u);
}

}  // namespace
}  // namespace oltoma
