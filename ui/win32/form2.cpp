#include "ui/win32/form2.h"

#include "wizard/form2_layout.h"

namespace tbr::win32 {
namespace {

// In tab order (Next, the selected option, folder box, Browse, name box, Back, Finish, Cancel).
// Each label comes just before the control it names, which is where screen readers look; the
// question names nothing and is read as the window's text, and the folder box is named "Folder".
constexpr ControlLayout kControls[] = {
    PushButton(Form2::kCommand1, Form2Part::Command1, MessageId::NextButton),
    Label(Form2::kLabel1, Form2Part::Label1, MessageId::LocationQuestion),
    FirstOption(Form2::kOption1, Form2Part::Option1, MessageId::DesktopOption),
    Option(Form2::kOption2, Form2Part::Option2, MessageId::OtherLocationOption),
    ScreenReaderName(Form2::kLabel3, MessageId::FolderBoxName),
    TextBox(Form2::kText1, Form2Part::Text1),
    PushButton(Form2::kCommand3, Form2Part::Command3, MessageId::BrowseButton),
    Label(Form2::kLabel2, Form2Part::Label2, MessageId::NamePrompt),
    TextBox(Form2::kText2, Form2Part::Text2),
    PushButton(Form2::kCommand4, Form2Part::Command4, MessageId::BackButton),
    PushButton(Form2::kCommand5, Form2Part::Command5, MessageId::FinishButton),
    PushButton(Form2::kCommand2, Form2Part::Command2, MessageId::CancelButton),
};

constexpr int kLocationPage[] = {Form2::kLabel1, Form2::kOption1,  Form2::kOption2,
                                 Form2::kText1,  Form2::kCommand3, Form2::kCommand1};
constexpr int kNamePage[] = {Form2::kLabel2, Form2::kText2, Form2::kCommand4, Form2::kCommand5};

// 4710 x 3630 twips in English: 314 x 242 pixels at 96 DPI.
constexpr DialogTemplate kWindow{MessageId::WizardTitle, Placement::SystemDefault, LayOutForm2,
                                 kControls};

}  // namespace

Form2::Form2(HINSTANCE instance, Navigator& navigator, const Catalogue& catalogue)
    : DialogWindow(instance, navigator, catalogue, kWindow), wizard_(*this, *this) {}

INT_PTR Form2::onInitDialog() {
    // The boxes hold any length of text; Enter presses "Finish" where it is shown and enabled.
    SendMessageW(control(kText1), EM_SETLIMITTEXT, 0, 0);
    SendMessageW(control(kText2), EM_SETLIMITTEXT, 0, 0);
    SendMessageW(window(), DM_SETDEFID, kCommand5, 0);
    wizard_.onLoad();
    FocusControl(window(), control(kCommand1));
    return FALSE;  // the focus is set
}

INT_PTR Form2::onCommand(int id, int code) {
    if (code == EN_CHANGE) {
        onTextChanged(id);
    } else if (code == BN_CLICKED) {
        onClicked(id);  // Escape's IDCANCEL and Enter's IDOK end up here and do nothing
    }
    return TRUE;
}

void Form2::onClicked(int id) {
    switch (id) {
        case kCommand1:
            wizard_.onNextClicked();
            break;
        case kCommand2:
            wizard_.onCancelClicked();
            break;
        case kCommand3:
            wizard_.onBrowseClicked();
            break;
        case kCommand4:
            wizard_.onBackClicked();
            break;
        case kCommand5:
            wizard_.onFinishClicked();
            break;
        case kOption1:
            wizard_.onDesktopClicked();
            break;
        case kOption2:
            wizard_.onOtherLocationClicked();
            break;
        default:
            break;
    }
}

void Form2::onTextChanged(int id) {
    if (rendering_ || (id != kText1 && id != kText2)) {
        return;
    }
    const std::string text = Utf8Text(WindowText(control(id)));
    if (id == kText1) {
        wizard_.onFolderTextChanged(text);
    } else {
        wizard_.onNameTextChanged(text);
    }
}

void Form2::render(const WizardState& state) {
    if (window() == nullptr) {
        return;
    }
    const HWND focusBefore = GetFocus();
    rendering_ = true;
    showPage(state.page);
    SetWindowTextIfDifferent(control(kText1), WideText(state.folderText));
    SetWindowTextIfDifferent(control(kText2), WideText(state.nameText));
    setChecked(kOption1, state.desktopSelected);
    setChecked(kOption2, !state.desktopSelected);
    setEnabled(kText1, state.folderBoxEnabled);
    setEnabled(kCommand3, state.browseEnabled);
    setEnabled(kCommand1, state.nextEnabled);
    setEnabled(kCommand5, state.finishEnabled);
    rendering_ = false;
    keepFocusUsable(focusBefore);
}

void Form2::focusNameBox() {
    if (window() != nullptr) {
        FocusControl(window(), control(kText2));
    }
}

// Going forward hides the location page before the name page appears; going back shows the
// location page before the name page goes.
void Form2::showPage(WizardPage page) {
    const bool location = page == WizardPage::Location;
    auto apply = [this](const auto& ids, bool visible) {
        for (const int id : ids) {
            ShowWindow(control(id), visible ? SW_SHOWNA : SW_HIDE);
        }
    };
    if (location) {
        apply(kLocationPage, true);
        apply(kNamePage, false);
    } else {
        apply(kLocationPage, false);
        apply(kNamePage, true);
    }
}

void Form2::setEnabled(int id, bool enabled) {
    const HWND child = control(id);
    if ((IsWindowEnabled(child) != FALSE) != enabled) {
        EnableWindow(child, enabled ? TRUE : FALSE);
    }
}

// Of the two options only the selected one is a tab stop; the arrow keys move between them.
void Form2::setChecked(int id, bool checked) {
    const HWND option = control(id);
    SendMessageW(option, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    LONG_PTR style = GetWindowLongPtrW(option, GWL_STYLE);
    style = checked ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    SetWindowLongPtrW(option, GWL_STYLE, style);
}

// A control that was hidden or disabled while it had the focus hands it on to the next control
// in the tab order, as the keyboard would otherwise be left without a target.
void Form2::keepFocusUsable(HWND focusBefore) {
    if (focusBefore == nullptr || GetParent(focusBefore) != window()) {
        return;
    }
    if (IsWindowVisible(focusBefore) && IsWindowEnabled(focusBefore)) {
        return;
    }
    if (const HWND next = GetNextDlgTabItem(window(), focusBefore, FALSE)) {
        FocusControl(window(), next);
    }
}

}  // namespace tbr::win32
