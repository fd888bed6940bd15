#include "platform/print/jpeg_decoder.h"

#include <turbojpeg.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

namespace oltoma::platform {
namespace {

// Files above this size are not JPEG pictures a report would print.
constexpr std::streamoff kMaxJpegFileBytes = 256LL * 1024 * 1024;

class Decompressor {
public:
    Decompressor() : handle_(tjInitDecompress()) {}
    ~Decompressor() {
        if (handle_ != nullptr) {
            tjDestroy(handle_);
        }
    }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;
    tjhandle get() const { return handle_; }

private:
    tjhandle handle_;
};

}  // namespace

Picture DecodeJpeg(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size == 0 || size > static_cast<std::size_t>(kMaxJpegFileBytes)) {
        return Picture();
    }
    Decompressor decompressor;
    if (decompressor.get() == nullptr) {
        return Picture();
    }
    int width = 0;
    int height = 0;
    int subsampling = 0;
    int colourspace = 0;
    unsigned char* source = const_cast<unsigned char*>(data);
    const unsigned long length = static_cast<unsigned long>(size);
    if (tjDecompressHeader3(decompressor.get(), source, length, &width, &height, &subsampling,
                            &colourspace) != 0 ||
        width < 1 || height < 1 ||
        static_cast<std::int64_t>(width) * static_cast<std::int64_t>(height) > kMaxJpegPixels) {
        return Picture();
    }
    std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * height * 3);
    if (tjDecompress2(decompressor.get(), source, length, rgb.data(), width, width * 3, height,
                      TJPF_RGB, TJFLAG_ACCURATEDCT) != 0) {
        return Picture();
    }
    Picture picture(width, height);
    std::vector<std::uint32_t>& pixels = picture.pixels();
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const unsigned char* p = &rgb[i * 3];
        pixels[i] = 0xFF000000u | (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
    }
    return picture;
}

Picture LoadJpegFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) {
        return Picture();
    }
    const std::streamoff size = file.tellg();
    if (size <= 0 || size > kMaxJpegFileBytes) {
        return Picture();
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    file.seekg(0);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), size)) {
        return Picture();
    }
    return DecodeJpeg(bytes.data(), bytes.size());
}

bool HasJpegExtension(const std::string& path) {
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos) {
        return false;
    }
    std::string extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension == ".JPG" || extension == ".JPEG";
}

}  // namespace oltoma::platform
