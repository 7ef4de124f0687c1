#include "ui/win32/fonts_and_icons.h"

#include "ui/win32/twips.h"

namespace tbr::win32 {
namespace {

// A font of face at hundredths of a point, at dpi.
HFONT MakeFont(const wchar_t* face, int hundredthsOfPoint, UINT dpi) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(hundredthsOfPoint, static_cast<int>(dpi), 7200);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    wcscpy_s(font.lfFaceName, LF_FACESIZE, face);
    return CreateFontIndirectW(&font);
}

}  // namespace

void WindowFonts::create(UINT dpi) {
    release();
    dialog_ = MakeFont(L"MS Shell Dlg", 800, dpi);
    label_ = MakeFont(L"Arial", 1125, dpi);
}

void WindowFonts::release() {
    for (HFONT* font : {&dialog_, &label_}) {
        if (*font != nullptr) {
            DeleteObject(*font);
            *font = nullptr;
        }
    }
}

SIZE TextSize(HWND window, HFONT font, const std::wstring& text) {
    SIZE size{};
    const HDC dc = GetDC(window);
    const HGDIOBJ previous = SelectObject(dc, font);
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return size;
}

int WrappedTextHeight(HWND window, HFONT font, const std::wstring& text, int width) {
    RECT box{0, 0, width, 0};
    const HDC dc = GetDC(window);
    const HGDIOBJ previous = SelectObject(dc, font);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return box.bottom - box.top;
}

void ScaledIcon::load(HINSTANCE instance, int resourceId, int pixelsAt96, UINT dpi) {
    release();
    const int size = ScaledPixels(pixelsAt96, dpi);
    icon_ = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(resourceId), IMAGE_ICON, size, size, 0));
}

void ScaledIcon::release() {
    if (icon_ != nullptr) {
        DestroyIcon(icon_);
        icon_ = nullptr;
    }
}

}  // namespace tbr::win32
