// The built-in pictures "PrBildres0" to "PrBildres4", drawn by code so the
// program carries no picture files. The report writer uses picture i when
// the file of closing picture i is missing.
//
//   name        size       colours
//   PrBildres0  236 x 173  black and white: a control flag
//   PrBildres1  380 x 220  colour: a control flag over contour lines and a lake
//   PrBildres2  300 x 150  black and white: contour lines of a hill
//   PrBildres3   32 x 32   black and white: a control circle
//   PrBildres4  160 x 160  colour: a compass rose
#pragma once

#include <string_view>

#include "platform/print/picture.h"

namespace oltoma::platform {

inline constexpr int kBuiltinPictureCount = 5;

// Built-in picture 0..4; an empty picture for any other number.
Picture BuiltinPicture(int number);

// The built-in picture of a name "PrBildres0".."PrBildres4"; empty otherwise.
Picture BuiltinPictureNamed(std::string_view name);

}  // namespace oltoma::platform
