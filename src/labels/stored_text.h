// Multi-line texts as records keep them: Windows-1252, lines separated by
// CR LF, at most a given number of bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace oltoma::labels {

// The text with its line breaks (LF, CR LF or a lone CR) as CR LF, cut to
// at most `limit` bytes, never between the CR and the LF of a break.
std::string StoredLines(std::string_view text, std::size_t limit);

// The number of bytes StoredLines would store without a limit.
std::size_t StoredLength(std::string_view text);

// The text with its CR LF breaks as LF, for an editor.
std::string EditorLines(std::string_view stored);

}  // namespace oltoma::labels
