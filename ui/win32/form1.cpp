#include "ui/win32/form1.h"

#include "ui/win32/banner.h"
#include "ui/win32/resource_ids.h"

namespace tbr::win32 {
namespace {

HBITMAP LoadBitmapResource(HINSTANCE instance, int id) {
    return static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

}  // namespace

Form1::Form1(HINSTANCE instance, Services& services, Navigator& navigator,
             const Catalogue& catalogue)
    : DialogWindow(instance, navigator, catalogue, kForm1),
      launcher_(services, navigator),
      banner_(LoadBitmapResource(instance, TBR_IDB_BANNER)),
      bannerWords_{catalogue.text(MessageId::MainWindowTitle),
                   catalogue.text(MessageId::BannerTagline), catalogue.rightToLeft()} {
    RegisterBannerClass(instance);
}

Form1::~Form1() {
    unload();               // the banner shows the bitmap until its window is gone
    DeleteObject(banner_);  // nothing where none was loaded
    DeleteObject(banner2x_);
}

// The pictures for the window's DPI: the icons hold an image for 96, 144 and 192 DPI, and above
// 96 DPI the banner drawn for 192 is shown, made smaller where the DPI is lower, with the
// catalogue's words written over it.
void Form1::layOutOwnParts(UINT dpi) {
    if (dpi > 96 && banner2x_ == nullptr) {
        banner2x_ = LoadBitmapResource(instance(), TBR_IDB_BANNER_2X);  // only where it is shown
    }
    createIcon_.load(instance(), TBR_IDI_CREATE, 32, dpi);
    editIcon_.load(instance(), TBR_IDI_EDIT, 32, dpi);
    for (std::size_t part = 0; part < kForm1.controls.size(); ++part) {
        const ControlDescription& described = kForm1.controls[part];
        const HWND child = control(part);
        if (described.role == ControlRole::Banner) {
            const bool large = dpi > 96 && banner2x_ != nullptr;
            SetBannerBitmap(child, large ? banner2x_ : banner_, large ? 192 : 96);
            SetBannerWords(child, &bannerWords_);
        } else if (described.picture != ControlPicture::None) {
            const HICON icon =
                described.picture == ControlPicture::Create ? createIcon_.get() : editIcon_.get();
            SendMessageW(child, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
        }
    }
    bigIcon_.load(instance(), TBR_IDI_APPLICATION, GetSystemMetricsForDpi(SM_CXICON, 96), dpi);
    smallIcon_.load(instance(), TBR_IDI_APPLICATION, GetSystemMetricsForDpi(SM_CXSMICON, 96), dpi);
    SendMessageW(window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    SendMessageW(window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

}  // namespace tbr::win32
