#include "ui/win32/described_controls.h"

#include <vector>

#include "ui/win32/banner.h"

namespace tbr::win32 {
namespace {

struct Kind {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
};

// How each kind of control is made. Every tab stop starts a group, so that the arrow keys move
// only between neighbouring options.
Kind KindOf(ControlRole role, bool firstOption) {
    constexpr DWORD kStop = WS_TABSTOP | WS_GROUP;
    switch (role) {
        case ControlRole::Banner:
            return {kBannerClass, kStop, WS_EX_CLIENTEDGE};
        case ControlRole::PictureButton:  // shows an icon; its text is its name, never drawn
            return {L"BUTTON", BS_PUSHBUTTON | BS_ICON | kStop, 0};
        case ControlRole::PushButton:
            return {L"BUTTON", BS_PUSHBUTTON | kStop, 0};
        case ControlRole::Label:
            return {L"STATIC", SS_LEFT | SS_NOPREFIX | WS_GROUP, 0};
        case ControlRole::Option:
            return {L"BUTTON", BS_AUTORADIOBUTTON | (firstOption ? kStop : 0), 0};
        case ControlRole::TextBox:
            break;
    }
    return {L"EDIT", ES_AUTOHSCROLL | kStop, WS_EX_CLIENTEDGE};
}

HWND Create(HWND dialog, const Kind& kind, const std::wstring& text, int id, bool visible) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE));
    return CreateWindowExW(kind.exStyle, kind.windowClass, text.c_str(),
                           WS_CHILD | (visible ? WS_VISIBLE : 0) | kind.style, 0, 0, 0, 0, dialog,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

HFONT FontOf(const ControlDescription& control, const WindowFonts& fonts) {
    return control.font == ControlFont::Label ? fonts.label() : fonts.dialog();
}

// The controls of one window, by their parts (places in its description), as its child windows
// show them: their texts were set from the catalogue when they were created; fonts are made for
// dpi. A push button's text is measured between its margins (its raised edge and the focus
// rectangle, with a little air), an option's beside its round mark, a label's alone; controls
// that draw no text (picture buttons, text boxes, the banner) need nothing.
class ControlTextMeasure final : public TextMeasure {
  public:
    ControlTextMeasure(std::span<const HWND> children, std::span<const ControlDescription> controls,
                       const WindowFonts& fonts, UINT dpi)
        : children_(children), controls_(controls), fonts_(fonts), dpi_(dpi) {}

    int lineWidth(int part) const override {
        switch (role(part)) {
            case ControlRole::PushButton:
                return PixelsToTwips(textSize(part).cx + 2 * ScaledPixels(5, dpi_), dpi_);
            case ControlRole::Option:
                return PixelsToTwips(GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi_) +
                                         ScaledPixels(6, dpi_) + textSize(part).cx,
                                     dpi_);
            case ControlRole::Label:
                return PixelsToTwips(textSize(part).cx, dpi_);
            default:
                return 0;  // a picture button's text is its name, never drawn
        }
    }

    int lineHeight(int part) const override {
        const ControlRole drawn = role(part);
        const bool text = drawn == ControlRole::PushButton || drawn == ControlRole::Option ||
                          drawn == ControlRole::Label;
        return text ? PixelsToTwips(textSize(part).cy, dpi_) : 0;
    }

    int wrappedHeight(int part, int width) const override {
        if (role(part) != ControlRole::Label) {
            return 0;
        }
        const HWND child = children_[static_cast<std::size_t>(part)];
        return PixelsToTwips(
            WrappedTextHeight(child, font(part), WindowText(child), TwipsToPixels(width, dpi_)),
            dpi_);
    }

  private:
    ControlRole role(int part) const { return controls_[static_cast<std::size_t>(part)].role; }
    HFONT font(int part) const { return FontOf(controls_[static_cast<std::size_t>(part)], fonts_); }
    SIZE textSize(int part) const {
        const HWND child = children_[static_cast<std::size_t>(part)];
        return TextSize(child, font(part), WindowText(child));
    }

    std::span<const HWND> children_;
    std::span<const ControlDescription> controls_;
    const WindowFonts& fonts_;
    UINT dpi_;
};

}  // namespace

void CreateControls(HWND dialog, const WindowDescription& window, const Catalogue& catalogue) {
    const bool mirrored = (GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    ControlRole previous = ControlRole::Label;
    for (std::size_t part = 0; part < window.controls.size(); ++part) {
        const ControlDescription& control = window.controls[part];
        if (control.spokenName) {
            // Never shown: Windows names a text box by the static text just before it.
            Create(dialog, KindOf(ControlRole::Label, false), catalogue.text(*control.spokenName),
                   NameId(part), false);
        }
        const std::wstring text = control.caption ? catalogue.text(*control.caption) : L"";
        Kind kind = KindOf(control.role, previous != ControlRole::Option);
        // In a mirrored window (WS_EX_LAYOUTRTL, which each control takes from it as it is made)
        // texts read right to left by themselves: there Windows turns WS_EX_RTLREADING round into
        // "reverse reading", so the labels, buttons and options carry none. A box that holds a
        // path carries it, to read left to right, with ES_RIGHT, there the trailing (left) edge,
        // where the path begins. A picture button leaves the mirroring once made, so that its icon
        // shows as drawn.
        if (mirrored && control.holdsPath) {
            kind.style |= ES_RIGHT;
            kind.exStyle |= WS_EX_RTLREADING;
        }
        const HWND child = Create(dialog, kind, text, ControlId(part), true);
        if (mirrored && control.role == ControlRole::PictureButton) {
            const LONG_PTR exStyle = GetWindowLongPtrW(child, GWL_EXSTYLE);
            SetWindowLongPtrW(child, GWL_EXSTYLE,
                              exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYOUTRTL));
        }
        previous = control.role;
        if (control.role == ControlRole::TextBox) {
            SendMessageW(child, EM_SETLIMITTEXT, 0, 0);  // any length of text
        }
    }
}

WindowLayout MeasuredLayout(HWND dialog, const WindowDescription& window, const WindowFonts& fonts,
                            UINT dpi) {
    std::vector<HWND> children;
    for (std::size_t part = 0; part < window.controls.size(); ++part) {
        children.push_back(GetDlgItem(dialog, ControlId(part)));
    }
    return window.layOut(ControlTextMeasure(children, window.controls, fonts, dpi), false);
}

void LayOutControls(HWND dialog, const WindowDescription& window, const WindowFonts& fonts,
                    UINT dpi) {
    for (std::size_t part = 0; part < window.controls.size(); ++part) {
        SendMessageW(GetDlgItem(dialog, ControlId(part)), WM_SETFONT,
                     reinterpret_cast<WPARAM>(FontOf(window.controls[part], fonts)), FALSE);
    }
    const WindowLayout layout = MeasuredLayout(dialog, window, fonts, dpi);
    const SIZE size = WindowSizeForClient(dialog, layout.width, layout.height, dpi);
    SetWindowPos(dialog, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (std::size_t part = 0; part < window.controls.size(); ++part) {
        const RECT pixels = TwipsToPixels(layout.controls[part], dpi);
        SetWindowPos(GetDlgItem(dialog, ControlId(part)), nullptr, pixels.left, pixels.top,
                     pixels.right - pixels.left, pixels.bottom - pixels.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void ShowControlStates(HWND dialog, const WindowDescription& window,
                       std::span<const ControlState> states) {
    const HWND focusBefore = GetFocus();
    // What goes is hidden before what comes is shown: one page never shows over the other.
    for (const bool showing : {false, true}) {
        for (std::size_t part = 0; part < states.size(); ++part) {
            if (states[part].visible == showing) {
                ShowWindow(GetDlgItem(dialog, ControlId(part)), showing ? SW_SHOWNA : SW_HIDE);
            }
        }
    }
    // The page's default button is the dialog's: drawn as the default while no other button has
    // the focus, and pressed by Enter. Set only as the page changes, where the focus moves too.
    for (std::size_t part = 0; part < states.size(); ++part) {
        const int id = ControlId(part);
        if (window.controls[part].defaultButton && states[part].visible &&
            LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0)) != id) {
            SendMessageW(dialog, DM_SETDEFID, static_cast<WPARAM>(id), 0);
        }
    }
    for (std::size_t part = 0; part < states.size(); ++part) {
        const ControlState& state = states[part];
        const HWND child = GetDlgItem(dialog, ControlId(part));
        if ((IsWindowEnabled(child) != FALSE) != state.enabled) {
            EnableWindow(child, state.enabled ? TRUE : FALSE);
        }
        if (state.text) {
            SetWindowTextIfDifferent(child, WideText(*state.text));
        }
        if (window.controls[part].role == ControlRole::Option) {
            // Of a group of options only the selected one is a tab stop; the arrow keys move
            // between them.
            const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
            SendMessageW(child, BM_SETCHECK, state.checked ? BST_CHECKED : BST_UNCHECKED, 0);
            SetWindowLongPtrW(child, GWL_STYLE,
                              state.checked ? (style | WS_TABSTOP)
                                            : (style & ~static_cast<LONG_PTR>(WS_TABSTOP)));
        }
    }
    // A control hidden or disabled while it had the focus hands it on to the next one in the
    // tab order, as the keyboard would otherwise be left without a target.
    if (focusBefore != nullptr && GetParent(focusBefore) == dialog &&
        (!IsWindowVisible(focusBefore) || !IsWindowEnabled(focusBefore))) {
        if (const HWND next = GetNextDlgTabItem(dialog, focusBefore, FALSE)) {
            FocusControl(dialog, next);
        }
    }
}

SIZE WindowSizeForClient(HWND window, int width, int height, UINT dpi) {
    RECT frame{0, 0, TwipsToPixels(width, dpi), TwipsToPixels(height, dpi)};
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, dpi);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

void SetWindowTextIfDifferent(HWND window, const std::wstring& text) {
    // Setting the same text again would move the caret and send a change notification.
    if (WindowText(window) != text) {
        SetWindowTextW(window, text.c_str());
    }
}

void FocusControl(HWND dialog, HWND control) {
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

}  // namespace tbr::win32
