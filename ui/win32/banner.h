// The main window's banner: a logo bitmap at the top-left of a white box with a thin sunken
// border. It can take the focus (then it shows a focus rectangle) but reacts to nothing.
#pragma once

#include "common/wide_text_win32.h"

namespace tbr::win32 {

inline constexpr wchar_t kBannerClass[] = L"TbrBanner";

// Registers the banner's window class for this module (again is harmless).
void RegisterBannerClass(HINSTANCE instance);

// The picture to show, drawn at its natural size at 96 DPI and scaled with the DPI above it. The
// caller keeps the bitmap alive as long as the banner shows it.
void SetBannerBitmap(HWND banner, HBITMAP bitmap);

}  // namespace tbr::win32
