#include "tests/win32/window_test_support.h"

#include <algorithm>

#include "shell/dll_search_win32.h"

namespace tbr::testing {
namespace {

// The windows and dialogs are tested with the DLL search the program sets at its start.
const bool dllSearchAsInTheProgram = (SearchDllsInSystemFolderOnly(), true);

BoxAnswerer* current = nullptr;

// Visible dialogs of this thread that have an owner: message boxes and the common dialogs.
std::vector<HWND> OwnedDialogs() {
    std::vector<HWND> found;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) -> BOOL {
            if (ClassOf(window) == L"#32770" && IsWindowVisible(window) &&
                GetWindow(window, GW_OWNER) != nullptr) {
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

BoxAnswerer::BoxAnswerer() {
    current = this;
    timer_ = SetTimer(nullptr, 0, 50, OnTimer);
}

BoxAnswerer::~BoxAnswerer() {
    KillTimer(nullptr, timer_);
    current = nullptr;
}

void CALLBACK BoxAnswerer::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (current != nullptr) {
        current->look();
    }
}

void BoxAnswerer::look() {
    if (busy_) {
        return;  // a handler's own box (or its pumping) must not start another round
    }
    busy_ = true;
    for (const HWND window : OwnedDialogs()) {
        if (std::find(answered_.begin(), answered_.end(), window) != answered_.end()) {
            continue;  // closing
        }
        answered_.push_back(window);
        Box box{window, TextOf(window), TextOf(GetDlgItem(window, 0xFFFF))};
        if (handlers_.empty()) {
            unexpected_.push_back(box.title + L": " + box.text);
            PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
            PostMessageW(window, WM_COMMAND, IDOK, 0);
            continue;
        }
        const Handler handler = std::move(handlers_.front());
        handlers_.pop_front();
        handler(box);
    }
    busy_ = false;
}

void Press(HWND box, int buttonId) {
    const HWND button = GetDlgItem(box, buttonId);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

int DefaultButton(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == L"Button" && IsWindowVisible(child) &&
            (GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            return GetDlgCtrlID(child);
        }
    }
    return 0;
}

std::vector<int> Buttons(HWND box) {
    std::vector<std::pair<LONG, int>> found;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        const LONG type = style & BS_TYPEMASK;
        if (ClassOf(child) == L"Button" && IsWindowVisible(child) &&
            (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)) {
            found.emplace_back(PlaceOf(child).left, GetDlgCtrlID(child));
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<int> ids;
    for (const auto& [left, id] : found) {
        ids.push_back(id);
    }
    return ids;
}

bool ShowsIcon(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if (ClassOf(child) == L"Static" && IsWindowVisible(child) &&
            (style & SS_TYPEMASK) == SS_ICON && SendMessageW(child, STM_GETICON, 0, 0) != 0) {
            return true;
        }
    }
    return false;
}

void WindowTest::pump() {
    MSG message{};
    for (int round = 0; round < 3; ++round) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quitPosted_ = true;
                continue;
            }
            program_.dispatch(message);
        }
        Sleep(1);
    }
}

bool WindowTest::pumpUntil(const std::function<bool()>& condition, DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (!condition() && GetTickCount64() < end) {
        pump();
        Sleep(10);
    }
    return condition();
}

void WindowTest::press(UINT key, bool shift) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const BYTE shiftBefore = keys[VK_SHIFT];
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    const HWND target = GetFocus();
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    MSG down{};
    down.hwnd = target;
    down.message = WM_KEYDOWN;
    down.wParam = key;
    down.lParam = 1 | scan;
    program_.dispatch(down);
    MSG up = down;
    up.message = WM_KEYUP;
    up.lParam = static_cast<LPARAM>(1 | scan | 0xC0000000);
    if (IsWindow(target)) {
        program_.dispatch(up);
    }
    keys[VK_SHIFT] = shiftBefore;
    SetKeyboardState(keys);
    pump();
}

void WindowTest::click(HWND button) {
    SendMessageW(button, BM_CLICK, 0, 0);
    pump();
}

void WindowTest::type(HWND edit, const std::wstring& text) {
    SetFocus(edit);
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    pump();
}

std::vector<HWND> WindowTest::tabRound(bool backwards) {
    std::vector<HWND> order{GetFocus()};
    for (int step = 0; step < 20; ++step) {
        press(VK_TAB, backwards);
        if (GetFocus() == order.front()) {
            break;
        }
        order.push_back(GetFocus());
    }
    return order;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

RECT PlaceOf(HWND child) {
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

RECT ClientOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

std::wstring TextOf(HWND window) {
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

bool Visible(HWND window) {
    return IsWindowVisible(window) != FALSE;
}
bool Enabled(HWND window) {
    return IsWindowEnabled(window) != FALSE;
}

LOGFONTW FontOf(HWND window) {
    LOGFONTW font{};
    const auto handle = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    GetObjectW(handle, sizeof(font), &font);
    return font;
}

void ExpectFollowsDescription(HWND window, const WindowDescription& description,
                              const win32::Catalogue& catalogue) {
    const UINT dpi = GetDpiForWindow(window);
    EXPECT_EQ(TextOf(window), catalogue.text(description.title));
    EXPECT_EQ(ClientOf(window).right, win32::TwipsToPixels(description.width, dpi));
    EXPECT_EQ(ClientOf(window).bottom, win32::TwipsToPixels(description.height, dpi));
    HWND child = GetWindow(window, GW_CHILD);
    for (std::size_t part = 0; part < description.controls.size(); ++part) {
        const ControlDescription& control = description.controls[part];
        SCOPED_TRACE(control.name);
        if (control.spokenName) {
            // Its name for screen readers: a static text just before it, never shown.
            ASSERT_EQ(GetDlgCtrlID(child), NameId(part));
            EXPECT_EQ(TextOf(child), catalogue.text(*control.spokenName));
            EXPECT_FALSE(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE);
            child = GetWindow(child, GW_HWNDNEXT);
        }
        ASSERT_EQ(GetDlgCtrlID(child), Id(part));
        const std::wstring windowClass = ClassOf(child);
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        switch (control.role) {
            case ControlRole::Banner:
                EXPECT_EQ(windowClass, win32::kBannerClass);
                break;
            case ControlRole::Label:
                EXPECT_EQ(windowClass, L"Static");
                break;
            case ControlRole::TextBox:
                EXPECT_EQ(windowClass, L"Edit");
                break;
            case ControlRole::Option:
                EXPECT_EQ(style & BS_TYPEMASK, BS_AUTORADIOBUTTON);
                break;
            case ControlRole::PictureButton:
                EXPECT_TRUE(style & BS_ICON);
                break;
            case ControlRole::PushButton:
                EXPECT_FALSE(style & BS_ICON);  // a push button, the default one while focused
                EXPECT_LE(style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
                break;
        }
        if (control.role != ControlRole::TextBox) {
            EXPECT_EQ(TextOf(child), control.caption ? catalogue.text(*control.caption) : L"");
        }
        RECT designed = win32::TwipsToPixels(control.designed, dpi);
        const RECT place = PlaceOf(child);
        if (control.role == ControlRole::Label) {
            designed.bottom = place.bottom;  // as tall as its text
        }
        EXPECT_EQ(place.left, designed.left);
        EXPECT_EQ(place.top, designed.top);
        EXPECT_EQ(place.right, designed.right);
        EXPECT_EQ(place.bottom, designed.bottom);
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr);
}

void ExpectButtonIconWidth(HWND button, int pixels) {
    const auto icon = reinterpret_cast<HICON>(SendMessageW(button, BM_GETIMAGE, IMAGE_ICON, 0));
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info)) << GetDlgCtrlID(button);
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof(mask), &mask);
    EXPECT_EQ(mask.bmWidth, pixels) << GetDlgCtrlID(button);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
}

}  // namespace tbr::testing
