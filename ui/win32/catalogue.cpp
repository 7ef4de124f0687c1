#include "ui/win32/catalogue.h"

#include <algorithm>
#include <optional>

#include "messages/language_choice.h"

namespace tbr::win32 {
namespace {

// A string table resource holds 16 texts, block n the numbers 16 (n - 1) to 16 n - 1, each as
// its length in UTF-16 code units followed by that many units (no terminator).
constexpr int kTextsPerBlock = 16;

// RT_STRING, in its wide form whatever the build's character set.
LPCWSTR StringTables() {
    return MAKEINTRESOURCEW(6);
}

LPCWSTR BlockOf(int number) {
    return MAKEINTRESOURCEW(number / kTextsPerBlock + 1);
}

// The text of that number in exactly that language's table. LoadString would pick a language of
// its own (the thread's, and Wine ignores SetThreadUILanguage), so the table is read directly.
std::optional<std::wstring> TableText(HINSTANCE module, LANGID language, int number) {
    const HRSRC found = FindResourceExW(module, StringTables(), BlockOf(number), language);
    const HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const auto* at = static_cast<const WCHAR*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    if (at == nullptr) {
        return std::nullopt;
    }
    const WCHAR* const end = at + SizeofResource(module, found) / sizeof(WCHAR);
    for (int skip = number % kTextsPerBlock; skip > 0 && at < end; --skip) {
        at += 1 + *at;
    }
    if (at >= end || *at == 0 || end - (at + 1) < *at) {
        return std::nullopt;
    }
    return std::wstring(at + 1, *at);
}

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR list) {
    auto& languages = *reinterpret_cast<std::vector<std::uint16_t>*>(list);
    if (language != kEnglishTable && language != kEnglishResources &&
        std::find(languages.begin(), languages.end(), language) == languages.end()) {
        languages.push_back(language);
    }
    return TRUE;
}

}  // namespace

Catalogue::Catalogue(HINSTANCE module, LANGID language) : module_(module), language_(language) {
    const std::vector<std::uint16_t> shipped = Shipped(module);
    if (std::find(shipped.begin(), shipped.end(), language) == shipped.end()) {
        language_ = kEnglishTable;
    }
    rightToLeft_ = text(MessageId::LayoutDirection) == L"RTL";
}

Catalogue Catalogue::ForUser(HINSTANCE module) {
    return Catalogue(module, ChooseWindowsCatalogue(GetUserDefaultUILanguage(), Shipped(module)));
}

std::vector<std::uint16_t> Catalogue::Shipped(HINSTANCE module) {
    std::vector<std::uint16_t> languages;
    // Every table has a first block: the texts numbered 0 to 15.
    EnumResourceLanguagesW(module, StringTables(), BlockOf(0), AddLanguage,
                           reinterpret_cast<LONG_PTR>(&languages));
    return languages;
}

std::wstring Catalogue::text(MessageId id) const {
    if (language_ != kEnglishTable) {
        if (std::optional<std::wstring> found =
                TableText(module_, language_, static_cast<int>(id))) {
            return std::move(*found);
        }
    }
    return WideText(EnglishText(id));
}

}  // namespace tbr::win32
