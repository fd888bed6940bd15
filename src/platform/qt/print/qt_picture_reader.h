// Reads BMP, PNG and the other picture formats Qt knows into a Picture.
#pragma once

#include <QImage>

#include "platform/print/picture_loader.h"

namespace oltoma::platform {

class QtPictureReader final : public PictureFileReader {
public:
    Picture Read(const std::string& path) override;
};

// The Picture of a QImage (empty for a null image).
Picture PictureFromImage(const QImage& image);

}  // namespace oltoma::platform
