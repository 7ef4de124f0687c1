// What a screen reader hears for the windows' controls, asked the way it asks: through Microsoft
// Active Accessibility (oleacc). A button that shows only a picture still carries a window text,
// which it does not draw: the text of the label beside it, and that is its name. A text box is
// named by the static text just before it.
#include <oleacc.h>

#include "tests/win32/window_test_support.h"

namespace tbr::testing {
namespace {

class AccessibleNames : public WindowTest {};

std::wstring AccessibleName(HWND control) {
    // __uuidof rather than IID_IAccessible, which MinGW's oleacc import library resolves to the
    // address of a stub instead of the interface's identifier.
    IAccessible* accessible = nullptr;
    if (AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&accessible)) != S_OK) {
        ADD_FAILURE() << "no accessible object for " << GetDlgCtrlID(control);
        return L"";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    EXPECT_EQ(accessible->get_accName(self, &name), S_OK) << GetDlgCtrlID(control);
    std::wstring text(name != nullptr ? name : L"");
    SysFreeString(name);
    accessible->Release();
    return text;
}

TEST_F(AccessibleNames, PictureButtonsAreNamedByTheTextBesideThem) {
    const std::pair<int, int> buttons[] = {{Id(Form1Part::Command1), Id(Form1Part::Label1)},
                                           {Id(Form1Part::Command2), Id(Form1Part::Label2)}};
    for (const auto& [button, label] : buttons) {
        EXPECT_EQ(AccessibleName(main(button)), TextOf(main(label))) << button;
    }
}

// The wizard's question names nothing, so that it is read as the window's text when the wizard
// opens; the folder box has a short name of its own.
TEST_F(AccessibleNames, TheFolderBoxHasAShortName) {
    click(main(Id(Form1Part::Command1)));
    ASSERT_NE(form2(), nullptr);
    EXPECT_EQ(AccessibleName(wizard(Id(Form2Part::Text1))), L"Folder");
}

}  // namespace
}  // namespace tbr::testing
