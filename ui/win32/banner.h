// The main window's banner: a logo bitmap at the top-left of a white box (the window colour under
// high contrast) with a thin sunken border. It can take the focus (then it shows a focus rectangle
// while the keyboard is in use) but reacts to nothing. It is never mirrored: in a window laid out
// right to left it looks as it does left to right.
#pragma once

#include <windows.h>

#include <string>

namespace tbr::win32 {

// The banner's window class, which the described controls make a banner of.
inline constexpr wchar_t kBannerClass[] = L"TbrBanner";

// Registers the banner's window class for this module (again is harmless).
void RegisterBannerClass(HINSTANCE instance);

// The picture to show and the DPI it was drawn for: at that DPI it is shown pixel for pixel, at
// any other it is scaled to match. The caller keeps the bitmap alive as long as the banner shows
// it.
void SetBannerBitmap(HWND banner, HBITMAP bitmap, UINT drawnForDpi);

// The program's name and the line under it, written over the picture right of its emblem by the
// rules of resources/banner_words.h, in the catalogue's direction: right to left, both lines end at
// the same right edge.
struct BannerWords {
    std::wstring title;
    std::wstring tagline;
    bool rightToLeft = false;
};
// The words to write. The caller keeps them alive as long as the banner shows them.
void SetBannerWords(HWND banner, const BannerWords* words);

}  // namespace tbr::win32
