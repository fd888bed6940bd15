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

// The QImage of a Picture (a null image for an empty one), sharing nothing
// with it.
QImage ImageOf(const Picture& picture);

}  // namespace oltoma::platform
