// Which of the shipped translations the user gets. English, the source language, is what is left
// when none fits; it is never among the shipped ones.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace tbr {

// The variables a Linux desktop names the user's language with.
struct LocaleEnvironment {
    std::string language;    // LANGUAGE: a list of languages by preference, as "fr:de"
    std::string lcAll;       // LC_ALL, LC_MESSAGES, LANG: one locale each, as "de_AT.UTF-8"
    std::string lcMessages;  // (the first that is set counts)
    std::string lang;

    static LocaleEnvironment FromProcess();
};

// Linux: the shipped catalogue ("de", "pt_BR", ...) for environment, or "" for English. The
// languages of LANGUAGE are tried in order, then the locale. A locale's region falls back to its
// language (de_AT gets de). Only when nothing named fits does a language get another region's
// translation of it (pt_PT gets pt_BR, but pt_PT:en English), except where the two are written in
// different scripts: a Chinese locale's script, or else its region, decides between zh_TW and
// zh_CN (zh_Hant_TW and zh_HK get zh_TW, zh_Hans_SG zh_CN). Any English stops the search with
// English; "C" and "POSIX" name no language (nothing else named: English).
std::string ChooseCatalogue(const LocaleEnvironment& environment,
                            std::span<const std::string> shipped);

// Windows: the string tables' language (a LANGID) for the user's UI language userLanguage, or 0
// for English. A table written under the user's language itself is taken; else a table for the
// language as a whole (SUBLANG_NEUTRAL), so a region falls back to its language
// (messages/windows_languages.txt says which is which); Simplified Chinese (0x0004) is not given
// to Traditional regions.
std::uint16_t ChooseWindowsCatalogue(std::uint16_t userLanguage,
                                     std::span<const std::uint16_t> shipped);

}  // namespace tbr
