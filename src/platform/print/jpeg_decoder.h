// JPEG pictures, decoded with libjpeg-turbo (its TurboJPEG interface).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/print/picture.h"

namespace oltoma::platform {

// Pictures larger than this many pixels are refused rather than decoded, so
// a damaged or hostile header cannot ask for gigabytes of memory.
inline constexpr std::int64_t kMaxJpegPixels = 64LL * 1024 * 1024;

// Decodes JPEG data into an opaque picture. Returns an empty picture when
// the data is not a JPEG image the library can decode, or is too large.
Picture DecodeJpeg(const std::uint8_t* data, std::size_t size);

// Reads and decodes a JPEG file (path in the local file-name encoding).
// Returns an empty picture when the file cannot be read or decoded.
Picture LoadJpegFile(const std::string& path);

// True when the file name's extension, in upper case, is ".JPG" or ".JPEG".
bool HasJpegExtension(const std::string& path);

}  // namespace oltoma::platform
