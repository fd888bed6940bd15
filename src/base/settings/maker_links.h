// The addresses behind the link labels of the main window, "kom igång" and
// the about boxes, and the contact line of the printed result log.
// Windows-1252 (plain ASCII here).
#pragma once

namespace oltoma::maker_links {

inline constexpr const char* kWebSite = "www.oltoma.example.org";
inline constexpr const char* kWebPage = "/index.html";
inline constexpr const char* kMailAddress = "info@oltoma.example.org";
inline constexpr const char* kSecondMailAddress = "support@oltoma.example.org";
inline constexpr const char* kShop = "butik.oltoma.example.org";
inline constexpr const char* kBlog = "blogg.oltoma.example.org";
inline constexpr const char* kDocumentationFolder = "https://www.oltoma.example.org/dokument/";
inline constexpr const char* kManualFile = "oltoma.pdf";

}  // namespace oltoma::maker_links
