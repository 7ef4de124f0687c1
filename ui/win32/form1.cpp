#include "ui/win32/form1.h"

#include "ui/win32/banner.h"
#include "ui/win32/resource_ids.h"

namespace tbr::win32 {
namespace {

constexpr int kClientWidth = 5145;  // twips: 343 x 360 pixels at 96 DPI
constexpr int kClientHeight = 5400;
constexpr wchar_t kCreateCaption[] = L"Create a new Tambrel.";
constexpr wchar_t kEditCaption[] = L"Edit an existing Tambrel.";

// In tab order: "Close", the two picture buttons, the banner; the labels take no focus. A
// picture button's text is not drawn; it is the button's name for screen readers.
constexpr ControlLayout kControls[] = {
    {Form1::kCommand4,
     L"BUTTON",
     L"Close",
     BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP,
     0,
     {3720, 4800, 1215, 375}},
    {Form1::kCommand1,
     L"BUTTON",
     kCreateCaption,
     BS_PUSHBUTTON | BS_ICON | WS_TABSTOP | WS_GROUP,
     0,
     {360, 1560, 975, 975}},
    {Form1::kCommand2,
     L"BUTTON",
     kEditCaption,
     BS_PUSHBUTTON | BS_ICON | WS_TABSTOP | WS_GROUP,
     0,
     {360, 2640, 975, 975}},
    {Form1::kPicture1,
     kBannerClass,
     L"Tambrel Wizard",
     WS_TABSTOP | WS_GROUP,
     WS_EX_CLIENTEDGE,
     {0, 0, 5145, 1275}},
    {Form1::kLabel1,
     L"STATIC",
     kCreateCaption,
     SS_LEFT | SS_NOPREFIX | WS_GROUP,
     0,
     {1680, 1920, 2505, 255}},
    {Form1::kLabel2,
     L"STATIC",
     kEditCaption,
     SS_LEFT | SS_NOPREFIX | WS_GROUP,
     0,
     {1680, 3000, 2670, 255}},
};

}  // namespace

Form1::Form1(HINSTANCE instance, Navigator& navigator)
    : WindowServices(navigator),
      instance_(instance),
      launcher_(*this),
      banner_(static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(TBR_IDB_BANNER),
                                              IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))) {
    RegisterBannerClass(instance);
}

Form1::~Form1() {
    unload();
    if (banner_ != nullptr) {
        DeleteObject(banner_);
    }
}

void Form1::show() {
    unload();
    unloading_ = false;
    window_ = CreateModelessDialog(instance_, {L"Tambrel Wizard", false}, DialogProcedure, this);
    if (window_ == nullptr) {
        return;
    }
    centreOnScreen();
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}

void Form1::unload() {
    if (window_ != nullptr && IsWindow(window_)) {
        unloading_ = true;
        DestroyWindow(window_);
    }
    window_ = nullptr;
}

INT_PTR CALLBACK Form1::DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        RememberDialogObject(window, reinterpret_cast<void*>(lParam));
    }
    auto* self = static_cast<Form1*>(DialogObject(window));
    if (self == nullptr) {
        return FALSE;
    }
    switch (message) {
        case WM_INITDIALOG:
            return self->on_wm_initdialog(window);
        case WM_COMMAND:
            return self->on_wm_command(LOWORD(wParam), HIWORD(wParam));
        case WM_CLOSE:
            return self->on_wm_close();
        case WM_DESTROY:
            return self->on_wm_destroy();
        case WM_DPICHANGED:
            return self->on_wm_dpichanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        default:
            return FALSE;
    }
}

INT_PTR Form1::on_wm_initdialog(HWND window) {
    window_ = window;
    TakeOverDpiScaling(window);
    createControls();
    layout(GetDpiForWindow(window));
    FocusControl(window, control(kCommand4));
    return FALSE;  // the focus is set
}

INT_PTR Form1::on_wm_command(int id, int code) {
    if (code != BN_CLICKED) {
        return FALSE;
    }
    switch (id) {
        case kCommand1:
            launcher_.onCommand1Click();
            return TRUE;
        case kCommand2:
            launcher_.onCommand2Click();
            return TRUE;
        case kCommand4:
            launcher_.onCommand4Click();
            return TRUE;
        default:
            return TRUE;  // Enter and Escape: no default or cancel button here
    }
}

INT_PTR Form1::on_wm_close() {
    DestroyWindow(window_);
    return TRUE;
}

INT_PTR Form1::on_wm_destroy() {
    window_ = nullptr;
    if (!unloading_) {
        navigator().windowClosed();  // closed through the window system: no window is left
    }
    return FALSE;
}

INT_PTR Form1::on_wm_dpichanged(UINT dpi, const RECT& suggested) {
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    layout(dpi);
    return TRUE;
}

void Form1::createControls() {
    for (const ControlLayout& entry : kControls) {
        CreateControl(window_, entry);
    }
    SetBannerBitmap(control(kPicture1), banner_);
}

void Form1::layout(UINT dpi) {
    fonts_.create(dpi);
    SetClientSizeInTwips(window_, kClientWidth, kClientHeight, dpi);
    for (const ControlLayout& entry : kControls) {
        const HWND child = control(entry.id);
        const bool isLabel = entry.id == kLabel1 || entry.id == kLabel2;
        SendMessageW(child, WM_SETFONT,
                     reinterpret_cast<WPARAM>(isLabel ? fonts_.label() : fonts_.dialog()), FALSE);
        PlaceControl(child, TwipsToPixels(entry.place, dpi));
    }
    placeLabel(kLabel1, kCommand1);
    placeLabel(kLabel2, kCommand2);

    createIcon_.load(instance_, TBR_IDI_CREATE, 32, dpi);
    editIcon_.load(instance_, TBR_IDI_EDIT, 32, dpi);
    SendMessageW(control(kCommand1), BM_SETIMAGE, IMAGE_ICON,
                 reinterpret_cast<LPARAM>(createIcon_.get()));
    SendMessageW(control(kCommand2), BM_SETIMAGE, IMAGE_ICON,
                 reinterpret_cast<LPARAM>(editIcon_.get()));
    bigIcon_.load(instance_, TBR_IDI_APPLICATION, GetSystemMetricsForDpi(SM_CXICON, 96), dpi);
    smallIcon_.load(instance_, TBR_IDI_APPLICATION, GetSystemMetricsForDpi(SM_CXSMICON, 96), dpi);
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
    InvalidateRect(window_, nullptr, TRUE);
}

// A label is as large as its text, and its middle lies on the middle of the button it names.
void Form1::placeLabel(int labelId, int buttonId) {
    const HWND label = control(labelId);
    const SIZE text = TextSize(label, fonts_.label(), WindowText(label));
    RECT button{};
    GetWindowRect(control(buttonId), &button);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&button), 2);
    RECT placed{};
    GetWindowRect(label, &placed);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&placed), 2);
    const int left = placed.left;  // as the table puts it
    const int top = button.top + (button.bottom - button.top - text.cy) / 2;
    PlaceControl(label, RECT{left, top, left + text.cx, top + text.cy});
}

void Form1::centreOnScreen() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT frame{};
    GetWindowRect(window_, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const RECT& screen = monitor.rcMonitor;
    SetWindowPos(window_, nullptr, screen.left + (screen.right - screen.left - width) / 2,
                 screen.top + (screen.bottom - screen.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tbr::win32
