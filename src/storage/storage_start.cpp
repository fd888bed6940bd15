#include "storage/storage_start.h"

#include <string_view>

#include "base/text/swedish_case.h"
#include "storage/internal/isam_engine.h"
#include "storage/isam_status.h"

namespace oltoma::storage {
namespace {

constexpr int kHighestStation = 50;
constexpr std::size_t kMessageLength = 160;

// A number right-aligned in `width` columns; wider numbers keep every digit.
std::string RightAligned(int number, std::size_t width) {
    std::string text = std::to_string(number);
    if (text.size() < width) {
        text.insert(0, width - text.size(), ' ');
    }
    return text;
}

}  // namespace

std::string StartFailureMessage() {
    // Windows-1252: \xE4 is a-umlaut, \xF6 o-umlaut.
    std::string message = "IsamDosError: " + RightAligned(IsamDosError(), 3) +
                          " IsamError: " + RightAligned(IsamError(), 3) +
                          " IsamErrorClass:" + RightAligned(IsamErrorClass(), 3) +
                          "Ej tillr\xE4"
                          "ckligt minne vid initiering av BTREE!"
                          "eller, Fel n\xE4tverk. Kan endast k\xF6ras lokalt!"
                          "eller, Arbetsstationens nummer f\xF6r h\xF6gt >" +
                          std::to_string(kHighestStation) + " eller >" +
                          static_cast<char>(64 + kHighestStation);
    if (message.size() > kMessageLength) {
        message.resize(kMessageLength);
    }
    return message;
}

bool InitStorageEngine(std::span<const std::string> parameters, std::string& startFailureMessage) {
    int lockingMode = 0;
    for (const std::string& parameter : parameters) {
        if (UpperString(parameter).find("/NET") != std::string::npos) {
            lockingMode = 2;
        }
    }
    engine::InitIsam(lockingMode, kStartPageBuffers);
    if (IsamSucceeded()) {
        return true;
    }
    startFailureMessage = StartFailureMessage();
    return false;
}

}  // namespace oltoma::storage
