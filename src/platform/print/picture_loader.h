// Loading picture files for report pictures and picture labels. JPEG files
// (by extension) are decoded here with libjpeg-turbo; every other format is
// read by the bound PictureFileReader (the program binds one that reads BMP,
// PNG and the other formats Qt knows). Until one is bound, only JPEG loads.
#pragma once

#include <string>

#include "platform/print/picture.h"

namespace oltoma::platform {

class PictureFileReader {
public:
    virtual ~PictureFileReader() = default;
    // Reads a picture file of its own format (path in the local file-name
    // encoding); an empty picture when it cannot be read.
    virtual Picture Read(const std::string& path) = 0;
};

// Binds a reader (null = none); returns the one bound before.
PictureFileReader* BindPictureFileReader(PictureFileReader* reader);

// Loads a picture file: ".JPG"/".JPEG" (any case) as JPEG, anything else
// through the bound reader. Empty when the file is missing or unreadable.
Picture LoadPictureFile(const std::string& path);

}  // namespace oltoma::platform
