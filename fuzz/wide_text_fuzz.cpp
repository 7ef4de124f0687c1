// The boundary between the program's UTF-8 text and Windows' UTF-16 (common/wide_text_win32.h),
// with lone surrogates, built here on the stand-in of the two Windows conversion calls.
//
// Input: read twice, as UTF-8 bytes and as UTF-16 code units (pairs of bytes, low byte first).
// Properties:
// - UTF-8 that the strict conversion (WideFromUtf8) accepts comes back unchanged from UTF-16, by
//   both ways back (Utf8FromWide, Utf8Text), and the lenient conversion for boxes (WideText)
//   gives the same UTF-16;
// - text holding a kept lone surrogate is never accepted by the strict conversion;
// - any UTF-16 a box can hold, lone surrogates included, comes back exactly through Utf8Text and
//   WideText; the strict conversion of it succeeds exactly when it holds no lone surrogate;
// - whatever the lenient conversion made of any bytes survives a second round unchanged.
#include <cstdint>

#include "common/wide_text_win32.h"
#include "fuzz/fuzz_support.h"

namespace tbr::fuzz {
namespace {

bool HoldsLoneSurrogate(std::wstring_view wide) {
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const bool high = wide[i] >= 0xD800 && wide[i] <= 0xDBFF;
        const bool low = wide[i] >= 0xDC00 && wide[i] <= 0xDFFF;
        const bool lowNext = i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF;
        if (low || (high && !lowNext)) {
            return true;
        }
        i += high ? 1 : 0;
    }
    return false;
}

void CheckUtf8(std::string_view utf8) {
    const Result<std::wstring> wide = WideFromUtf8(utf8, "fuzz");
    bool keptSurrogate = false;
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        keptSurrogate = keptSurrogate || KeptSurrogateAt(utf8, at) != 0;
    }
    FUZZ_CHECK(!(wide.ok() && keptSurrogate));
    if (wide.ok()) {
        const Result<std::string> back = Utf8FromWide(wide.value(), "fuzz");
        FUZZ_CHECK(back.ok() && back.value() == utf8);
        FUZZ_CHECK(Utf8Text(wide.value()) == utf8);
        FUZZ_CHECK(WideText(utf8) == wide.value());
    }
    const std::wstring shown = WideText(utf8);
    FUZZ_CHECK(WideText(Utf8Text(shown)) == shown);
}

void CheckUtf16(std::wstring_view wide) {
    const std::string utf8 = Utf8Text(wide);
    FUZZ_CHECK(WideText(utf8) == wide);
    const Result<std::string> strict = Utf8FromWide(wide, "fuzz");
    FUZZ_CHECK(strict.ok() == !HoldsLoneSurrogate(wide));
    FUZZ_CHECK(!strict.ok() || strict.value() == utf8);
    FUZZ_CHECK(WideFromUtf8(utf8, "fuzz").ok() == !HoldsLoneSurrogate(wide));
}

}  // namespace
}  // namespace tbr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tbr::fuzz;
    CheckUtf8(AsText(data, size));
    std::wstring wide;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        wide += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
    }
    CheckUtf16(wide);
    return 0;
}
