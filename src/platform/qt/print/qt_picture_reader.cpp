#include "platform/qt/print/qt_picture_reader.h"

#include <cstring>

namespace oltoma::platform {

Picture PictureFromImage(const QImage& image) {
    if (image.isNull()) {
        return Picture();
    }
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    Picture picture(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        std::memcpy(&picture.pixels()[static_cast<std::size_t>(y) * argb.width()],
                    argb.constScanLine(y), static_cast<std::size_t>(argb.width()) * 4);
    }
    picture.set_monochrome(image.format() == QImage::Format_Mono ||
                           image.format() == QImage::Format_MonoLSB);
    return picture;
}

QImage ImageOf(const Picture& picture) {
    if (picture.empty()) {
        return QImage();
    }
    return QImage(reinterpret_cast<const uchar*>(picture.pixels().data()), picture.width(),
                  picture.height(), picture.width() * 4, QImage::Format_ARGB32)
        .copy();
}

Picture QtPictureReader::Read(const std::string& path) {
    return PictureFromImage(QImage(QString::fromLocal8Bit(path.c_str())));
}

}  // namespace oltoma::platform
