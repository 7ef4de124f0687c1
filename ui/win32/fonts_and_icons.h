// What a window draws with at its DPI: its fonts, and how much room a text takes in them; its
// icons, loaded at the size that matches the DPI. Each object owns what it made and frees it when
// it is made again for another DPI or destroyed.
#pragma once

#include <string>

#include "common/wide_text_win32.h"

namespace tbr::win32 {

// The standard dialog font (MS Shell Dlg, 8 pt) and the main window's labels' Arial 11.25 pt.
class WindowFonts {
  public:
    WindowFonts() = default;
    WindowFonts(const WindowFonts&) = delete;
    WindowFonts& operator=(const WindowFonts&) = delete;
    ~WindowFonts() { release(); }

    void create(UINT dpi);
    HFONT dialog() const { return dialog_; }
    HFONT label() const { return label_; }

  private:
    void release();
    HFONT dialog_ = nullptr;
    HFONT label_ = nullptr;
};

// The size a text takes in a font, on one line.
SIZE TextSize(HWND window, HFONT font, const std::wstring& text);
// The height a text takes in a font when wrapped into width pixels.
int WrappedTextHeight(HWND window, HFONT font, const std::wstring& text, int width);

// An icon resource at pixelsAt96 pixels scaled to dpi, from the resource's image for that size.
class ScaledIcon {
  public:
    ScaledIcon() = default;
    ScaledIcon(const ScaledIcon&) = delete;
    ScaledIcon& operator=(const ScaledIcon&) = delete;
    ~ScaledIcon() { release(); }

    void load(HINSTANCE instance, int resourceId, int pixelsAt96, UINT dpi);
    HICON get() const { return icon_; }

  private:
    void release();
    HICON icon_ = nullptr;
};

}  // namespace tbr::win32
