// Writes an IOF XML 3.0 message with libxml2's text writer: UTF-8, indented
// by two blanks, the root element in the standard's namespace with
// iofVersion "3.0", createTime (the local time with its offset from UTC) and
// creator ("oltoma" + the version). Texts are handed in as the registers
// store them (Windows-1252); characters XML 1.0 forbids are left out.
// Elements are written in the order the caller opens them, which must be
// the schema's order.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace oltoma::ol::iof {

// The creator attribute: "oltoma 10.00".
std::string CreatorText();

// The local time now as xs:dateTime with its offset: "2024-03-04T13:05:09+01:00".
std::string CreateTimeNow();

class IofWriter {
public:
    // Takes the document's bytes as they are made; false when they could
    // not be written (the document then fails).
    using Sink = std::function<bool(std::string_view bytes)>;

    // Writes the XML declaration and opens the root element `message`.
    IofWriter(Sink sink, const char* message);
    ~IofWriter();
    IofWriter(const IofWriter&) = delete;
    IofWriter& operator=(const IofWriter&) = delete;

    void Open(const char* element);
    // An attribute of the element opened last, before anything inside it.
    void Attribute(const char* name, std::string_view stored);
    // <element>text</element>.
    void Element(const char* element, std::string_view stored);
    void Close();

    // Closes what is open and hands on the rest; true when every byte was
    // written.
    bool Finish();

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace oltoma::ol::iof
