#include "ui/win32/form1.h"

#include "ui/win32/banner.h"
#include "ui/win32/resource_ids.h"

namespace tbr::win32 {
namespace {

HBITMAP LoadBitmapResource(HINSTANCE instance, int id) {
    return static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

constexpr wchar_t kCreateCaption[] = L"Create a new Tambrel.";
constexpr wchar_t kEditCaption[] = L"Edit an existing Tambrel.";

// In tab order: "Close", the two picture buttons, the banner; the labels take no focus.
constexpr ControlLayout kControls[] = {
    PushButton(Form1::kCommand4, L"Close", {3720, 4800, 1215, 375}),
    PictureButton(Form1::kCommand1, kCreateCaption, {360, 1560, 975, 975}),
    PictureButton(Form1::kCommand2, kEditCaption, {360, 2640, 975, 975}),
    BannerControl(Form1::kPicture1, L"Tambrel Wizard", {0, 0, 5145, 1275}),
    Label(Form1::kLabel1, kCreateCaption, {1680, 1920, 2505, 255}, ControlFont::Label),
    Label(Form1::kLabel2, kEditCaption, {1680, 3000, 2670, 255}, ControlFont::Label),
};

// The client area is 5145 x 5400 twips: 343 x 360 pixels at 96 DPI.
constexpr DialogTemplate kWindow{L"Tambrel Wizard", Placement::CentredOnScreen, 5145, 5400,
                                 kControls};

}  // namespace

Form1::Form1(HINSTANCE instance, Navigator& navigator)
    : DialogWindow(instance, navigator, kWindow),
      launcher_(*this),
      banner_(LoadBitmapResource(instance, TBR_IDB_BANNER)) {
    RegisterBannerClass(instance);
}

Form1::~Form1() {
    unload();  // the banner shows the bitmap until its window is gone
    for (const HBITMAP bitmap : {banner_, banner2x_}) {
        if (bitmap != nullptr) {
            DeleteObject(bitmap);
        }
    }
}

INT_PTR Form1::onInitDialog() {
    FocusControl(window(), control(kCommand4));
    return FALSE;  // the focus is set
}

INT_PTR Form1::onCommand(int id, int code) {
    if (code != BN_CLICKED) {
        return FALSE;
    }
    switch (id) {
        case kCommand1:
            launcher_.onCreateClicked();
            return TRUE;
        case kCommand2:
            launcher_.onEditClicked();
            return TRUE;
        case kCommand4:
            launcher_.onCloseClicked();
            return TRUE;
        default:
            return TRUE;  // Enter and Escape: no default or cancel button here
    }
}

// The pictures for the window's DPI: the icons hold an image for 96, 144 and 192 DPI, and above
// 96 DPI the banner drawn for 192 is shown, made smaller where the DPI is lower.
void Form1::layOutOwnParts(UINT dpi) {
    placeLabel(kLabel1, kCommand1);
    placeLabel(kLabel2, kCommand2);

    if (dpi > 96 && banner2x_ == nullptr) {
        banner2x_ = LoadBitmapResource(instance(), TBR_IDB_BANNER_2X);  // only where it is shown
    }
    if (dpi > 96 && banner2x_ != nullptr) {
        SetBannerBitmap(control(kPicture1), banner2x_, 192);
    } else {
        SetBannerBitmap(control(kPicture1), banner_, 96);
    }

    createIcon_.load(instance(), TBR_IDI_CREATE, 32, dpi);
    editIcon_.load(instance(), TBR_IDI_EDIT, 32, dpi);
    SendMessageW(control(kCommand1), BM_SETIMAGE, IMAGE_ICON,
                 reinterpret_cast<LPARAM>(createIcon_.get()));
    SendMessageW(control(kCommand2), BM_SETIMAGE, IMAGE_ICON,
                 reinterpret_cast<LPARAM>(editIcon_.get()));
    bigIcon_.load(instance(), TBR_IDI_APPLICATION, GetSystemMetricsForDpi(SM_CXICON, 96), dpi);
    smallIcon_.load(instance(), TBR_IDI_APPLICATION, GetSystemMetricsForDpi(SM_CXSMICON, 96), dpi);
    SendMessageW(window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    SendMessageW(window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

// A label is as large as its text, and its middle lies on the middle of the button it names.
void Form1::placeLabel(int labelId, int buttonId) {
    const HWND label = control(labelId);
    const SIZE text = TextSize(label, fonts().label(), WindowText(label));
    RECT button{};
    GetWindowRect(control(buttonId), &button);
    MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&button), 2);
    RECT placed{};
    GetWindowRect(label, &placed);
    MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&placed), 2);
    const int left = placed.left;  // as the table puts it
    const int top = button.top + (button.bottom - button.top - text.cy) / 2;
    PlaceControl(label, RECT{left, top, left + text.cx, top + text.cy});
}

}  // namespace tbr::win32
