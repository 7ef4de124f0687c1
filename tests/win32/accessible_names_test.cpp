// What a screen reader hears for the main window's picture buttons, asked the way it asks: through
// Microsoft Active Accessibility (oleacc). A button that shows only a picture still carries a
// window text, which it does not draw: the text of the label beside it, and that is its name.
#include <oleacc.h>

#include "tests/win32/window_test_support.h"

namespace tbr::testing {
namespace {

using win32::Form1;

class AccessibleNames : public WindowTest {};

TEST_F(AccessibleNames, PictureButtonsAreNamedByTheTextBesideThem) {
    const std::pair<int, int> buttons[] = {{Form1::kCommand1, Form1::kLabel1},
                                           {Form1::kCommand2, Form1::kLabel2}};
    for (const auto& [button, label] : buttons) {
        // __uuidof rather than IID_IAccessible, which MinGW's oleacc import library resolves to
        // the address of a stub instead of the interface's identifier.
        IAccessible* accessible = nullptr;
        ASSERT_EQ(AccessibleObjectFromWindow(main(button), static_cast<DWORD>(OBJID_CLIENT),
                                             __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&accessible)),
                  S_OK)
            << button;
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        EXPECT_EQ(accessible->get_accName(self, &name), S_OK) << button;
        EXPECT_EQ(std::wstring(name != nullptr ? name : L""), TextOf(main(label))) << button;
        SysFreeString(name);
        accessible->Release();
    }
}

}  // namespace
}  // namespace tbr::testing
