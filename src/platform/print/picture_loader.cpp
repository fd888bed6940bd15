#include "platform/print/picture_loader.h"

#include "platform/print/jpeg_decoder.h"

namespace oltoma::platform {
namespace {

PictureFileReader*& BoundReader() {
    static PictureFileReader* reader = nullptr;
    return reader;
}

}  // namespace

PictureFileReader* BindPictureFileReader(PictureFileReader* reader) {
    PictureFileReader* previous = BoundReader();
    BoundReader() = reader;
    return previous;
}

Picture LoadPictureFile(const std::string& path) {
    if (HasJpegExtension(path)) {
        return LoadJpegFile(path);
    }
    PictureFileReader* reader = BoundReader();
    return reader != nullptr ? reader->Read(path) : Picture();
}

}  // namespace oltoma::platform
