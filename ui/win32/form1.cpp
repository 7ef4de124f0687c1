#include "ui/win32/form1.h"

#include "app/form1_layout.h"
#include "ui/win32/banner.h"
#include "ui/win32/resource_ids.h"

namespace tbr::win32 {
namespace {

HBITMAP LoadBitmapResource(HINSTANCE instance, int id) {
    return static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

// In tab order: "Close", the two picture buttons, the banner; the labels take no focus. The
// picture buttons are named by the labels' texts.
constexpr ControlLayout kControls[] = {
    PushButton(Form1::kCommand4, Form1Part::Command4, MessageId::CloseButton),
    PictureButton(Form1::kCommand1, Form1Part::Command1, MessageId::CreateLabel),
    PictureButton(Form1::kCommand2, Form1Part::Command2, MessageId::EditLabel),
    BannerControl(Form1::kPicture1, Form1Part::Picture1, MessageId::MainWindowTitle),
    Label(Form1::kLabel1, Form1Part::Label1, MessageId::CreateLabel, ControlFont::Label),
    Label(Form1::kLabel2, Form1Part::Label2, MessageId::EditLabel, ControlFont::Label),
};

// 5145 x 5400 twips in English: 343 x 360 pixels at 96 DPI.
constexpr DialogTemplate kWindow{MessageId::MainWindowTitle, Placement::CentredOnScreen,
                                 LayOutForm1, kControls};

}  // namespace

Form1::Form1(HINSTANCE instance, Navigator& navigator, const Catalogue& catalogue)
    : DialogWindow(instance, navigator, catalogue, kWindow),
      launcher_(*this),
      banner_(LoadBitmapResource(instance, TBR_IDB_BANNER)),
      bannerWords_{catalogue.text(MessageId::MainWindowTitle),
                   catalogue.text(MessageId::BannerTagline), catalogue.rightToLeft()} {
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
// 96 DPI the banner drawn for 192 is shown, made smaller where the DPI is lower, with the
// catalogue's words written over it.
void Form1::layOutOwnParts(UINT dpi) {
    if (dpi > 96 && banner2x_ == nullptr) {
        banner2x_ = LoadBitmapResource(instance(), TBR_IDB_BANNER_2X);  // only where it is shown
    }
    if (dpi > 96 && banner2x_ != nullptr) {
        SetBannerBitmap(control(kPicture1), banner2x_, 192);
    } else {
        SetBannerBitmap(control(kPicture1), banner_, 96);
    }
    SetBannerWords(control(kPicture1), &bannerWords_);

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

}  // namespace tbr::win32
