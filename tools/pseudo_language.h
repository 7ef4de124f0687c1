// The pseudo-language en_XA: every English text with accented letters, 40 % longer and in
// brackets. Shown in the windows, it finds texts too long for their place and texts that never
// went through the catalogue (they stay plain English, without brackets).
#pragma once

#include <string>

namespace tbr::tools {

inline constexpr char kPseudoLanguage[] = "en_XA";

std::string PseudoText(const std::string& english);

}  // namespace tbr::tools
