#include "ol/reports/description_symbols.h"

#include <cstring>

#include "base/messages/memory_check.h"
#include "base/messages/messages.h"
#include "base/text/windows1252.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"

namespace oltoma::ol {
namespace {

// Memory of the four symbol buffers of 520 bytes.
constexpr int kSymbolBufferBytes = 4 * 520;

std::size_t IndexOf(Frame frame) {
    return static_cast<std::size_t>(frame);
}

}  // namespace

SymbolBytes SymbolOf(const Rutb24Rec& route) {
    SymbolBytes bytes;
    std::memcpy(bytes.data(), route.Symbol, bytes.size());
    return bytes;
}

DescriptionSymbols::DescriptionSymbols() : current_(&frames_[IndexOf(Frame::blank)]) {}

void DescriptionSymbols::LoadFrameSymbols() {
    frames_ = {};
    current_ = &frames_[IndexOf(Frame::blank)];
    if (!MemoryAvailable(kSymbolBufferBytes)) {
        DisplayMessage(1, Windows1252FromUtf8("För lite minne för rutbeskrivningarna!"));
        return;
    }
    struct FrameKeys {
        Frame frame;
        std::string_view key;
        std::string_view fallback;
    };
    static constexpr FrameKeys kFrames[] = {
        {Frame::vu, "_VU", "XVU"},
        {Frame::u, "_U", "XU"},
        {Frame::v, "_V", "XV"},
    };
    for (const FrameKeys& keys : kFrames) {
        const SymbolBytes* found = Lookup(keys.key);
        if (found == nullptr) {
            found = Lookup(keys.fallback);
        }
        if (found != nullptr) {
            frames_[IndexOf(keys.frame)] = *found;
        }
    }
}

void DescriptionSymbols::UseFrame(Frame frame) {
    current_ = &frames_[IndexOf(frame)];
}

void DescriptionSymbols::UseSymbol(const SymbolBytes& symbol) {
    given_ = symbol;
    current_ = &given_;
}

bool DescriptionSymbols::UseSymbolNamed(std::string_view text) {
    const SymbolBytes* found = Lookup(text);
    if (found != nullptr) {
        current_ = found;
    }
    return found != nullptr;
}

const SymbolBytes& DescriptionSymbols::FrameSymbol(Frame frame) const {
    return frames_[IndexOf(frame)];
}

const SymbolBytes* DescriptionSymbols::Lookup(std::string_view text) {
    OlState& ol = Ol();
    if (text.empty() || !ol.Route24FileOpen || ol.route24File == nullptr) {
        return nullptr;
    }
    const std::string key(text);
    if (const auto known = found_.find(key); known != found_.end()) {
        return known->second.get();
    }
    // The lookup reads into the library's record buffer; whoever loaded a
    // record there (a pick list) keeps it.
    const RecordBuffer<Rutb24Rec> saved = ol.route24;
    std::int32_t rc = 0;
    bool notFound = true;
    bool ok = false;
    FindRoute24(FindMode::kByKey, key, rc, notFound, ok);
    std::unique_ptr<SymbolBytes> symbol;
    if (!notFound) {
        symbol = std::make_unique<SymbolBytes>(SymbolOf(ol.route24.rec));
    }
    ol.route24 = saved;
    return found_.emplace(key, std::move(symbol)).first->second.get();
}

const platform::Picture& DescriptionSymbols::CurrentPicture(const SymbolVariant& variant) {
    std::string key(1, static_cast<char>((variant.wide ? 1 : 0) | (variant.doubledLine ? 2 : 0) |
                                         (variant.topBandOnly ? 4 : 0)));
    key.append(reinterpret_cast<const char*>(current_->data()), current_->size());
    auto [entry, made] = pictures_.try_emplace(std::move(key));
    if (made) {
        entry->second = SymbolPicture(current_->data(), variant);
    }
    return entry->second;
}

}  // namespace oltoma::ol
