#include "ui/win32/banner.h"

#include <algorithm>
#include <cmath>

#include "resources/banner_words.h"
#include "ui/win32/twips.h"

namespace tbr::win32 {
namespace {

// The bitmap lives in the window's user data; the DPI it was drawn for and the words to write
// in its extra bytes.
constexpr int kDrawnForDpi = 0;
constexpr int kWords = sizeof(LONG_PTR);

// The banner's sans-serif (Arial, or the font the system gives for it) with capitals capHeight
// pixels tall.
HFONT WordsFont(HDC dc, double capHeight, int weight) {
    LOGFONTW font{};
    font.lfHeight = -100;  // an em of 100 pixels, to read the capitals' share of it
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = ANTIALIASED_QUALITY;
    wcscpy_s(font.lfFaceName, LF_FACESIZE, L"Arial");
    const HFONT trial = CreateFontIndirectW(&font);
    const HGDIOBJ previous = SelectObject(dc, trial);
    OUTLINETEXTMETRICW metrics{};
    metrics.otmSize = sizeof(metrics);
    double capsPerEm = resources::kBannerCapsPerEm;
    if (GetOutlineTextMetricsW(dc, sizeof(metrics), &metrics) != 0 && metrics.otmsCapEmHeight > 0) {
        capsPerEm = metrics.otmsCapEmHeight / 100.0;
    }
    SelectObject(dc, previous);
    DeleteObject(trial);
    font.lfHeight = -std::max(1, static_cast<int>(capHeight / capsPerEm));  // never larger
    return CreateFontIndirectW(&font);
}

// One line of words in the room (pixels) on its baseline, shrunk where it is too long, then cut
// short with an ellipsis. Right to left, it ends at the room's right.
void WriteLine(HDC dc, const std::wstring& text, const RECT& room, double scale,
               const resources::BannerLine& line, bool rightToLeft) {
    const UINT format =
        DT_SINGLELINE | DT_NOPREFIX | (rightToLeft ? DT_RTLREADING | DT_RIGHT : DT_LEFT);
    const int weight = line.bold ? FW_BOLD : FW_NORMAL;
    HFONT font = WordsFont(dc, line.capHeight * scale, weight);
    HGDIOBJ previous = SelectObject(dc, font);
    auto measure = [&] {  // as DrawText lays the line out, letters from linked fonts included
        RECT box{};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format | DT_CALCRECT);
        return box.right - box.left;
    };
    const int width = room.right - room.left;
    int needed = measure();
    // Letters from a linked font do not shrink in step with the font: a few tries at most.
    for (double shrink = 1; needed > width && shrink > resources::kBannerSmallestShrink;) {
        shrink = resources::BannerShrink(needed / shrink, width);
        SelectObject(dc, previous);
        DeleteObject(font);
        font = WordsFont(dc, line.capHeight * scale * shrink, weight);
        previous = SelectObject(dc, font);
        needed = measure();
    }
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int baseline = static_cast<int>(std::lround(line.baseline * scale));
    RECT box{room.left, baseline - metrics.tmAscent, room.right, baseline + metrics.tmDescent};
    SetTextColor(dc, RGB(line.colour.red, line.colour.green, line.colour.blue));
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
              format | DT_NOCLIP | (needed > width ? DT_END_ELLIPSIS : 0));
    SelectObject(dc, previous);
    DeleteObject(font);
}

// The words at the picture's scale (its 1x pixels times dpi / 96).
void WriteWords(HDC dc, const BannerWords& words, int dpi) {
    using namespace resources;
    const double scale = dpi / 96.0;
    auto at = [scale](int pixels) { return static_cast<int>(std::lround(pixels * scale)); };
    const RECT room{at(kBannerWordsLeft), 0, at(kBannerWordsRight), at(kBannerHeight)};
    WriteLine(dc, words.title, room, scale, kBannerTitle, words.rightToLeft);
    WriteLine(dc, words.tagline, room, scale, kBannerTagline, words.rightToLeft);
}

void DrawPicture(HWND banner, HDC dc) {
    const auto bitmap = reinterpret_cast<HBITMAP>(GetWindowLongPtrW(banner, GWLP_USERDATA));
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof(info), &info) == 0) {
        return;
    }
    const auto drawnFor = static_cast<int>(GetWindowLongPtrW(banner, kDrawnForDpi));
    const auto dpi = static_cast<int>(GetDpiForWindow(banner));
    const int width = MulDiv(info.bmWidth, dpi, drawnFor);
    const int height = MulDiv(info.bmHeight, dpi, drawnFor);
    const HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ previous = SelectObject(source, bitmap);
    if (width == info.bmWidth && height == info.bmHeight) {
        BitBlt(dc, 0, 0, width, height, source, 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, 0, 0, width, height, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    }
    SelectObject(source, previous);
    DeleteDC(source);
    if (const auto* words =
            reinterpret_cast<const BannerWords*>(GetWindowLongPtrW(banner, kWords))) {
        WriteWords(dc, *words, dpi);
    }
}

// White around the picture; the window colour of the user's scheme while high contrast is on.
HBRUSH BackgroundBrush() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    const bool high = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
                      (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    return high ? GetSysColorBrush(COLOR_WINDOW) : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

// The focus rectangle, like any control's, shows only once the keyboard is in use (or where the
// user always wants it); a click alone does not show it.
bool ShowsFocusCue(HWND banner) {
    return GetFocus() == banner &&
           (SendMessageW(banner, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

LRESULT OnPaint(HWND banner) {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(banner, &paint);
    // In a mirrored window the banner inherits the mirroring; drawn left to right, the picture
    // and its words keep their look.
    SetLayout(dc, 0);
    RECT client{};
    GetClientRect(banner, &client);
    FillRect(dc, &client, BackgroundBrush());
    DrawPicture(banner, dc);
    if (ShowsFocusCue(banner)) {
        DrawFocusRect(dc, &client);
    }
    EndPaint(banner, &paint);
    return 0;
}

// The keyboard cues were switched on or off (Tab, Alt), or the system's colours changed (high
// contrast among them): drawn afresh.
LRESULT OnLookChanged(HWND banner, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefWindowProcW(banner, message, wParam, lParam);
    InvalidateRect(banner, nullptr, FALSE);
    return result;
}

LRESULT CALLBACK BannerProcedure(HWND banner, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            return OnPaint(banner);
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(banner, nullptr, FALSE);
            return 0;
        case WM_LBUTTONDOWN:
            // Like any control that can take the focus, a click gives it the focus; nothing else
            // happens.
            SetFocus(banner);
            return 0;
        case WM_UPDATEUISTATE:
        case WM_SYSCOLORCHANGE:
            return OnLookChanged(banner, message, wParam, lParam);
        default:
            return DefWindowProcW(banner, message, wParam, lParam);
    }
}

}  // namespace

void RegisterBannerClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = BannerProcedure;
    windowClass.cbWndExtra = 2 * sizeof(LONG_PTR);
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.lpszClassName = kBannerClass;
    RegisterClassExW(&windowClass);
}

void SetBannerBitmap(HWND banner, HBITMAP bitmap, UINT drawnForDpi) {
    SetWindowLongPtrW(banner, kDrawnForDpi, static_cast<LONG_PTR>(drawnForDpi));
    SetWindowLongPtrW(banner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bitmap));
    InvalidateRect(banner, nullptr, TRUE);
}

void SetBannerWords(HWND banner, const BannerWords* words) {
    SetWindowLongPtrW(banner, kWords, reinterpret_cast<LONG_PTR>(words));
    InvalidateRect(banner, nullptr, TRUE);
}

}  // namespace tbr::win32
