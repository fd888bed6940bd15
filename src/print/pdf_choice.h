// The PDF file of a report the user chose to write to a file instead of the
// printer: asked through the bound PdfFilePrompt (platform/pdf_file_prompt.h).
#pragma once

#include <string>
#include <string_view>

#include "platform/services.h"

namespace oltoma {

// Proposes the job title (Windows-1252) + ".pdf" in the folder of the last
// file chosen this session, or the documents folder at first. Returns the
// chosen path with ".pdf" added when it lacks that ending (in any case), or
// empty when the user cancelled. The path stays in the file system's
// encoding.
std::string AskReportPdfFile(platform::WindowHandle owner, std::string_view jobTitle);

}  // namespace oltoma
