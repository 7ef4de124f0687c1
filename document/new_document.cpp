// The content of a new document: the default icon exactly as the resource holds it, then the text
// section. Nothing here encodes the icon; its bytes are copied unchanged.
#include "document/new_document.h"

#include "resources/embedded.h"

namespace tbr {
namespace {

// CR LF, "<START TBR>" CR LF, "USERDEF" in quotes CR LF, then the value line
// 1,"MS Sans Serif","8",0,0 and its CR LF. The leading CR LF directly follows the icon's last byte.
constexpr char kTextSection[] =
    "\r\n"
    "<START TBR>\r\n"
    "\"USERDEF\"\r\n"
    "1,\"MS Sans Serif\",\"8\",0,0\r\n";
static_assert(sizeof(kTextSection) - 1 == kTextSectionSize, "the text section is 53 bytes");

}  // namespace

std::span<const unsigned char> TextSectionBytes() {
    return {reinterpret_cast<const unsigned char*>(kTextSection), kTextSectionSize};
}

std::span<const unsigned char> NewDocumentBytes() {
    // Built once, on first use; the icon resource is fixed at build time.
    static const std::vector<unsigned char> bytes = [] {
        const std::span<const unsigned char> icon = resources::DefaultDocumentIcon();
        std::vector<unsigned char> all(icon.begin(), icon.end());
        const std::span<const unsigned char> text = TextSectionBytes();
        all.insert(all.end(), text.begin(), text.end());
        return all;
    }();
    return bytes;
}

}  // namespace tbr
