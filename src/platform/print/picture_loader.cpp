#include "platform/print/picture_loader.h"

#include "platform/print/jpeg_decoder.h"
#include "platform/process_state.h"

namespace oltoma::platform {
namespace {

PictureFileReader*& BoundReader() {
    static PictureFileReader* reader = nullptr;
    return reader;
}

void UnbindPictureFileReader() {
    BoundReader() = nullptr;
}
[[maybe_unused]] const bool kResetRegistered = RegisterStateReset(&UnbindPictureFileReader);

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
