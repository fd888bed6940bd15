// The maker's texts of the about boxes (UTF-8 source text, shown through
// Qt); the addresses beside them are in base/settings/maker_links.h.
#pragma once

namespace oltoma::maker_links {

// The about boxes: the maker's name, the maker line (followed by the
// version date, at most 38 characters in all) and the program families.
inline constexpr const char* kMakerName = "oltoma-gruppen";
inline constexpr const char* kMakerLine = "program för tävlingskansliet";
inline constexpr const char* kProgramFamilies[6] = {
    "oltoma - orienteringstävlingar", "klubb- och medlemsregister", "etiketter och giroblanketter",
    "rapporter och listor",           "import och export",          "verktyg för kansliet",
};

}  // namespace oltoma::maker_links
