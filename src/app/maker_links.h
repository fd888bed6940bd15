// The maker's addresses behind the link labels of the main window, "kom
// igång" and the about boxes, and the maker's texts of the about boxes.
// UTF-8 source text; the addresses are plain ASCII.
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

// The about boxes: the maker's name, the maker line (followed by the
// version date, at most 38 characters in all) and the program families.
inline constexpr const char* kMakerName = "oltoma-gruppen";
inline constexpr const char* kMakerLine = "program för tävlingskansliet";
inline constexpr const char* kProgramFamilies[6] = {
    "oltoma - orienteringstävlingar", "klubb- och medlemsregister", "etiketter och giroblanketter",
    "rapporter och listor",           "import och export",          "verktyg för kansliet",
};

}  // namespace oltoma::maker_links
