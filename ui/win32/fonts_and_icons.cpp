#include "ui/win32/fonts_and_icons.h"

#include "ui/win32/twips.h"

namespace tbr::win32 {

void WindowFonts::create(UINT dpi) {
    release();
    LOGFONTW dialogFont{};
    dialogFont.lfHeight = -MulDiv(8, static_cast<int>(dpi), 72);
    dialogFont.lfWeight = FW_NORMAL;
    dialogFont.lfCharSet = DEFAULT_CHARSET;
    wcscpy_s(dialogFont.lfFaceName, LF_FACESIZE, L"MS Shell Dlg");
    dialog_ = CreateFontIndirectW(&dialogFont);

    LOGFONTW labelFont{};
    labelFont.lfHeight = -MulDiv(1125, static_cast<int>(dpi), 7200);  // 11.25 pt
    labelFont.lfWeight = FW_NORMAL;
    labelFont.lfCharSet = DEFAULT_CHARSET;
    wcscpy_s(labelFont.lfFaceName, LF_FACESIZE, L"Arial");
    label_ = CreateFontIndirectW(&labelFont);
}

void WindowFonts::release() {
    if (dialog_ != nullptr) {
        DeleteObject(dialog_);
    }
    if (label_ != nullptr) {
        DeleteObject(label_);
    }
    dialog_ = label_ = nullptr;
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
