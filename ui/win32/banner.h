// The main window's banner: a logo bitmap at the top-left of a white box (the window colour under
// high contrast) with a thin sunken border. It can take the focus (then it shows a focus rectangle
// while the keyboard is in use) but reacts to nothing.
#pragma once

#include "ui/win32/control_table.h"

namespace tbr::win32 {

inline constexpr wchar_t kBannerClass[] = L"TbrBanner";

// The banner as an entry of a window's control table: a tab stop in a thin sunken frame. Its text
// is not drawn; it is the banner's name for screen readers.
constexpr ControlLayout BannerControl(int id, const wchar_t* name, TwipRect place) {
    return {id, kBannerClass, name, WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE, place};
}

// Registers the banner's window class for this module (again is harmless).
void RegisterBannerClass(HINSTANCE instance);

// The picture to show and the DPI it was drawn for: at that DPI it is shown pixel for pixel, at
// any other it is scaled to match. The caller keeps the bitmap alive as long as the banner shows
// it.
void SetBannerBitmap(HWND banner, HBITMAP bitmap, UINT drawnForDpi);

}  // namespace tbr::win32
