// The program's texts in the user's language, read from the string tables built into the
// program: one table a language, under Windows' numbers for it (messages/windows_languages.txt:
// the language as a whole, or the sub-languages that read it), each text under its MessageId's
// number. English is the source: the program's own EnglishText, and
// the en-US table where the shell's resource loader finds the document type's name (number 40)
// when the user's language has none.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/wide_text_win32.h"
#include "messages/messages.h"

namespace tbr::win32 {

// The tables' languages as LANGIDs: English (0: the program's own texts, which its en-US table
// repeats for the system's resource loader), and Windows' own pseudo-locale (qps-ploc), whose
// table holds every text longer, accented and bracketed, for checking the layout.
inline constexpr LANGID kEnglishTable = 0;
inline constexpr LANGID kEnglishResources = 0x0409;
inline constexpr LANGID kPseudoTable = 0x0501;

class Catalogue {
  public:
    // The texts of module's table in language; English where it has none.
    Catalogue(HINSTANCE module, LANGID language);
    // The table for the user's UI language (GetUserDefaultUILanguage), or English.
    static Catalogue ForUser(HINSTANCE module);
    // The languages module has tables for, English left out.
    static std::vector<std::uint16_t> Shipped(HINSTANCE module);

    LANGID language() const { return language_; }
    std::wstring text(MessageId id) const;
    // Written right to left: the windows are mirrored and boxes read from the right.
    bool rightToLeft() const { return rightToLeft_; }

  private:
    HINSTANCE module_;
    LANGID language_;
    bool rightToLeft_ = false;
};

}  // namespace tbr::win32
