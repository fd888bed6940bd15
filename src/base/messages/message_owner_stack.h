// The message-box owner stack: the windows that own message boxes, most
// recent on top. Up to 33 handles are kept; deeper pushes are counted but
// not stored, so pushes and pops stay in step, and boxes shown at such a
// depth have no owner.
#pragma once

#include "platform/services.h"

namespace oltoma {

inline constexpr int kMessageOwnerStackSize = 33;

// Increments the depth and stores the handle while the depth is at most 33.
void PushMessageOwner(platform::WindowHandle window);

// Decrements the depth; a pop on an empty stack does nothing.
void PopMessageOwner();

// The handle on top when the depth is 1..33, otherwise 0 (no owner).
platform::WindowHandle CurrentMessageOwner();

// The current depth (0 = empty).
int MessageOwnerDepth();

}  // namespace oltoma
