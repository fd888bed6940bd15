// What the start of a file tells about an XML document, without an XML
// parser: the file chooser lists course files in the IOF XML format beside
// the sectioned exchange files, and the import hands files that begin as XML
// to the XML import. Only the start is looked at (kXmlStartBytes), so
// memory stays bounded whatever the file holds.
//
//   begins as XML   after a UTF-8 byte-order mark and blanks (space, tab,
//                   CR, LF) the first character is "<"
//   root name       the local name (after any "prefix:") of the first
//                   element, past the XML declaration, processing
//                   instructions and comments; none when anything else
//                   comes first (a DOCTYPE, text) or the start ends before
//                   the name does
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace oltoma {

inline constexpr std::size_t kXmlStartBytes = 4096;

// Whether `start` begins as an XML document.
bool BeginsAsXml(std::string_view start);

// The local name of the root element; empty when it cannot be told.
std::string XmlRootName(std::string_view start);

}  // namespace oltoma
