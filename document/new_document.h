// The bytes of a new Tambrel document: the default icon, then a short text section.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace tbr {

inline constexpr std::size_t kDefaultIconSize = 2238;
inline constexpr std::size_t kTextSectionSize = 53;
inline constexpr std::size_t kNewDocumentSize = kDefaultIconSize + kTextSectionSize;  // 2291

// CR LF, the start marker line, the keyword line and the value line, each ending in CR LF.
std::span<const unsigned char> TextSectionBytes();

// The complete content of every new document.
std::span<const unsigned char> NewDocumentBytes();

}  // namespace tbr
