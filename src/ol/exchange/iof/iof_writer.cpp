#include "ol/exchange/iof/iof_writer.h"

#include <libxml/xmlwriter.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "base/time/clock_text.h"
#include "ol/exchange/iof/course_data_reader.h"
#include "ol/exchange/iof/xml_values.h"
#include "oltoma_version.h"

namespace oltoma::ol::iof {
namespace {

const xmlChar* Xml(const char* text) {
    return reinterpret_cast<const xmlChar*>(text);
}

}  // namespace

struct IofWriter::State {
    Sink sink;
    xmlTextWriterPtr writer = nullptr;
    bool ok = true;
    bool finished = false;

    void Check(int result) { ok = ok && result >= 0; }

    static int Write(void* context, const char* buffer, int length) {
        auto* state = static_cast<State*>(context);
        if (length < 0 ||
            !state->sink(std::string_view(buffer, static_cast<std::size_t>(length)))) {
            state->ok = false;
            return -1;
        }
        return length;
    }
};

std::string CreatorText() {
    return std::string("oltoma ") + OLTOMA_VERSION;
}

std::string CreateTimeNow() {
    const LocalDateTime now = CurrentLocalTime();
    std::tm local{};
    local.tm_year = now.year - 1900;
    local.tm_mon = now.month - 1;
    local.tm_mday = now.day;
    local.tm_hour = now.hour;
    local.tm_min = now.minute;
    local.tm_sec = now.second;
    local.tm_isdst = -1;
    long offset = 0;
    if (std::mktime(&local) != static_cast<std::time_t>(-1)) {
        offset = local.tm_gmtoff;
    }
    const long minutes = std::labs(offset) / 60;
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02ld:%02ld", now.year,
                  now.month, now.day, now.hour, now.minute, now.second, offset < 0 ? '-' : '+',
                  minutes / 60, minutes % 60);
    return text;
}

IofWriter::IofWriter(Sink sink, const char* message) : state_(std::make_unique<State>()) {
    state_->sink = std::move(sink);
    xmlOutputBufferPtr output =
        xmlOutputBufferCreateIO(&State::Write, nullptr, state_.get(), nullptr);
    state_->writer = output != nullptr ? xmlNewTextWriter(output) : nullptr;
    if (state_->writer == nullptr) {
        if (output != nullptr) {
            xmlOutputBufferClose(output);
        }
        state_->ok = false;
        return;
    }
    state_->Check(xmlTextWriterSetIndent(state_->writer, 1));
    state_->Check(xmlTextWriterSetIndentString(state_->writer, Xml("  ")));
    state_->Check(xmlTextWriterStartDocument(state_->writer, "1.0", "UTF-8", nullptr));
    Open(message);
    Attribute("xmlns", kIofNamespace);
    Attribute("iofVersion", "3.0");
    Attribute("createTime", CreateTimeNow());
    Attribute("creator", CreatorText());
}

IofWriter::~IofWriter() {
    if (state_->writer != nullptr) {
        xmlFreeTextWriter(state_->writer);
    }
}

void IofWriter::Open(const char* element) {
    if (state_->writer != nullptr) {
        state_->Check(xmlTextWriterStartElement(state_->writer, Xml(element)));
    }
}

void IofWriter::Attribute(const char* name, std::string_view stored) {
    if (state_->writer != nullptr) {
        const std::string text = DocumentText(stored);
        state_->Check(xmlTextWriterWriteAttribute(state_->writer, Xml(name), Xml(text.c_str())));
    }
}

void IofWriter::Element(const char* element, std::string_view stored) {
    if (state_->writer != nullptr) {
        const std::string text = DocumentText(stored);
        state_->Check(xmlTextWriterWriteElement(state_->writer, Xml(element), Xml(text.c_str())));
    }
}

void IofWriter::Close() {
    if (state_->writer != nullptr) {
        state_->Check(xmlTextWriterEndElement(state_->writer));
    }
}

bool IofWriter::Finish() {
    if (state_->writer != nullptr && !state_->finished) {
        state_->finished = true;
        state_->Check(xmlTextWriterEndDocument(state_->writer));
        state_->Check(xmlTextWriterFlush(state_->writer));
    }
    return state_->ok;
}

}  // namespace oltoma::ol::iof
