// Both windows in every language of the program's string tables, English and the pseudo-language
// among them, at the DPI the test program runs at (96, and 192 in a CTest entry of its own): every
// text whole in its control as the control draws it, no two controls of a page on each other, the
// window on a 1024 x 768 screen, and in the pseudo-language no text that escaped the catalogue.
// Right to left the windows are mirrored and the banner is not; each control reads as its text is
// read.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "resources/banner_words.h"
#include "tests/support/shipped_languages.h"
#include "tests/win32/window_test_support.h"
#include "ui/win32/catalogue.h"
#include "ui/win32/win32_services.h"

namespace tbr::testing {
namespace {

using win32::Catalogue;

// The text a control draws, in its own font: a label's lines wrapped at its width, a push
// button's one line inside its raised edge and focus rectangle, an option's beside its mark.
// Picture buttons, text boxes and the banner draw no text of theirs.
void ExpectTextFits(HWND control) {
    const std::wstring text = TextOf(control);
    const std::wstring type = ClassOf(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    if (text.empty() || (type != L"Static" && type != L"Button") || (style & BS_ICON) != 0) {
        return;
    }
    const UINT dpi = GetDpiForWindow(control);
    const RECT client = ClientOf(control);
    const HDC dc = GetDC(control);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    UINT format = DT_CALCRECT | DT_NOPREFIX;
    int room = client.right;
    if (type == L"Static") {
        format |= DT_WORDBREAK;
    } else {
        format |= DT_SINGLELINE;
        const bool option = (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
        room -= option ? GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) + MulDiv(4, dpi, 96)
                       : 2 * (GetSystemMetricsForDpi(SM_CXEDGE, dpi) + 1);
    }
    RECT drawn{0, 0, room, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &drawn, format);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    EXPECT_LE(drawn.right, room) << Narrow(text);
    EXPECT_LE(drawn.bottom, client.bottom) << Narrow(text);
}

// Every visible control of the window's page: its text fits, it lies inside the window and on
// no other; the window fits the screen; in the pseudo-language every text is bracketed.
void ExpectPageFits(HWND window, LANGID language) {
    std::vector<HWND> shown;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (Visible(child)) {
            shown.push_back(child);
        }
    }
    ASSERT_GE(shown.size(), 4u);
    RECT client = ClientOf(window);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const int dpi = static_cast<int>(GetDpiForWindow(window));
    const int edge = MulDiv(15, dpi, 1440);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const int id = GetDlgCtrlID(shown[i]);
        ExpectTextFits(shown[i]);
        RECT place{}, both{};
        GetWindowRect(shown[i], &place);
        EXPECT_TRUE(UnionRect(&both, &place, &client) && EqualRect(&both, &client)) << id;
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            RECT other{}, common{};
            GetWindowRect(shown[j], &other);
            // As designed, "< Back" and "Finish" share an edge, and so do the name's prompt and
            // its box: 15 twips.
            const bool overlap = IntersectRect(&common, &place, &other) &&
                                 common.right - common.left > edge &&
                                 common.bottom - common.top > edge;
            EXPECT_FALSE(overlap) << id << " " << GetDlgCtrlID(shown[j]);
        }
        const std::wstring text = TextOf(shown[i]);
        if (language == win32::kPseudoTable && ClassOf(shown[i]) != L"Edit" && !text.empty()) {
            EXPECT_TRUE(text.front() == L'[' && text.back() == L']') << Narrow(text);
        }
    }
    RECT frame{};
    GetWindowRect(window, &frame);
    EXPECT_LE(MulDiv(frame.right - frame.left, 96, dpi), 1024);
    EXPECT_LE(MulDiv(frame.bottom - frame.top, 96, dpi), 768);
    if (language == win32::kPseudoTable) {
        EXPECT_EQ(TextOf(window).front(), L'[') << Narrow(TextOf(window));
    }
}

// A window's pixels as it draws them now, 0x00RRGGBB, row by row from the top, as they stand on
// the screen (not mirrored back).
std::vector<std::uint32_t> OnScreen(HWND control, int width, int height) {
    InvalidateRect(control, nullptr, TRUE);
    UpdateWindow(control);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP copy = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HDC window = GetDC(control);
    const HDC memory = CreateCompatibleDC(window);
    const HGDIOBJ previous = SelectObject(memory, copy);
    SetLayout(window, 0);
    BitBlt(memory, 0, 0, width, height, window, 0, 0, SRCCOPY);
    const auto* first = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> pixels(first, first + static_cast<std::size_t>(width) * height);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(control, window);
    DeleteObject(copy);
    return pixels;
}

// The first and last columns with ink (anything darker than light grey) of the banner's words in
// rows top to bottom, in pixels at 96 DPI from the room's left, as the banner draws them now.
std::pair<int, int> BannerInk(HWND banner, int top, int bottom) {
    using namespace resources;
    const int scale = static_cast<int>(GetDpiForWindow(banner)) / 96;
    const int width = kBannerWidth * scale;
    const std::vector<std::uint32_t> pixels = OnScreen(banner, width, kBannerHeight * scale);
    int first = -1, last = -1;
    for (int x = kBannerWordsLeft * scale; x < width; ++x) {
        for (int y = top * scale; y < bottom * scale; ++y) {
            const std::uint32_t pixel = pixels[y * width + x];
            if (((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF) < 3 * 200) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
        }
    }
    return {first / scale - kBannerWordsLeft, (last + 1 + scale - 1) / scale - kBannerWordsLeft};
}

std::vector<LANGID> EveryLanguage() {
    std::vector<LANGID> languages{win32::kEnglishTable};
    for (const std::uint16_t language : Catalogue::Shipped(GetModuleHandleW(nullptr))) {
        languages.push_back(language);
    }
    return languages;
}

class Languages : public WindowTest, public ::testing::WithParamInterface<LANGID> {
  protected:
    Languages() : WindowTest(GetParam()) {}
};

TEST_P(Languages, EveryPageFitsItsTexts) {
    ASSERT_EQ(program_.catalogue().language(), GetParam());
    ASSERT_NO_FATAL_FAILURE(ExpectPageFits(form1(), GetParam()));
    // The banner's words, English too; left to right both lines begin at the room's left edge
    // (right to left: Direction below; Wine draws Hebrew as boxes that it measures wrongly).
    const auto title = BannerInk(main(Id(Form1Part::Picture1)), 12, 47);
    const auto tagline = BannerInk(main(Id(Form1Part::Picture1)), 50, 66);
    ASSERT_TRUE(title.first >= 0 && tagline.first >= 0) << "both lines written";
    if (!program_.catalogue().rightToLeft()) {
        EXPECT_LE(title.first, 3);
        EXPECT_LE(tagline.first, 3);
    }
    click(main(Id(Form1Part::Command1)));
    ASSERT_NE(form2(), nullptr);
    ASSERT_NO_FATAL_FAILURE(ExpectPageFits(form2(), GetParam()));
    click(wizard(Id(Form2Part::Command1)));
    ASSERT_TRUE(Visible(wizard(Id(Form2Part::Text2))));
    ASSERT_NO_FATAL_FAILURE(ExpectPageFits(form2(), GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Shipped, Languages, ::testing::ValuesIn(EveryLanguage()),
                         [](const ::testing::TestParamInfo<LANGID>& row) {
                             char name[8];
                             std::snprintf(name, sizeof name, "x%04x", row.param);
                             return std::string(name);
                         });

// Every translation in po/ and the pseudo-language are in the program, each under Windows'
// numbers for its language; a language without a table gets English, and Arabic, Hebrew and
// Persian are written right to left.
TEST(Catalogue, ShipsEveryLanguageAndItsDirection) {
    const HINSTANCE program = GetModuleHandleW(nullptr);
    std::vector<std::uint16_t> shipped = Catalogue::Shipped(program);
    std::sort(shipped.begin(), shipped.end());
    EXPECT_EQ(shipped, ShippedWindowsTables());
    const struct {
        LANGID asked;
        LANGID given;
        bool rightToLeft;
    } rows[] = {{0x01, 0x01, true}, {0x0d, 0x0d, true},      {0x07, 0x07, false},
                {0x0407, 0, false}, {0x7f, 0, false},        {win32::kEnglishTable, 0, false},
                {0x29, 0x29, true}, {0x7c04, 0x7c04, false}, {0x12, 0x12, false}};
    for (const auto& row : rows) {
        const Catalogue catalogue(program, row.asked);
        EXPECT_EQ(catalogue.language(), row.given) << row.asked;
        EXPECT_EQ(catalogue.rightToLeft(), row.rightToLeft) << row.asked;
    }
    // The invariant locale (0x7f) is no language: never a table, always English.
    EXPECT_EQ(Catalogue(program, 0x7f).text(MessageId::CloseButton), L"Close");
}

// Each visible control, seen on the screen, stands where the layout puts it seen in a mirror.
void ExpectMirrored(HWND window) {
    RECT client = ClientOf(window);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const LONG right = std::max(client.left, client.right);  // mirrored: left and right swap
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT screen{};
        GetWindowRect(child, &screen);
        EXPECT_EQ(right - screen.right, PlaceOf(child).left) << GetDlgCtrlID(child);
    }
}

// The golden pixels of a button's icon (the create icon's star) seen on the screen, in the
// button's left half and in its right half.
std::pair<int, int> GoldOnEachSide(HWND button) {
    const RECT client = ClientOf(button);
    const int width = client.right, height = client.bottom;
    const std::vector<std::uint32_t> pixels = OnScreen(button, width, height);
    std::pair<int, int> gold{0, 0};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t pixel = pixels[y * width + x];
            if (((pixel >> 16) & 0xFF) > 200 && ((pixel >> 8) & 0xFF) > 120 &&
                (pixel & 0xFF) < 100) {
                ++(x < width / 2 ? gold.first : gold.second);
            }
        }
    }
    return gold;
}

// What each control carries where the window is mirrored. The window hands its layout
// (WS_EX_LAYOUTRTL) to each control; under it Windows reads WS_EX_RTLREADING as "reverse
// reading". So the caption and the texts of the language carry none and read right to left; the
// folder box carries it and reads its path left to right, from its left edge (ES_RIGHT, there the
// trailing edge); the name box reads as the window does. The picture buttons are out of the
// mirroring: their icons show as drawn, the create icon's star on the left, as in a window left
// to right. Left to right, nothing is mirrored or reversed.
struct Carries {
    bool wizard;  // a control of Form2, else of Form1
    int id;
    bool mirrored;  // right to left: WS_EX_LAYOUTRTL
    bool reversed;  // right to left: WS_EX_RTLREADING, and for a box ES_RIGHT
};

// Right to left (and German left to right, to compare): both windows mirrored, "Close" on the
// left and the picture buttons on the right, each control as far from the right edge as the
// layout puts it from the left; the banner's emblem still at its left, its words at its right;
// each control reads as its text is read; so do the message boxes, though Wine ignores MB_RIGHT
// and MB_RTLREADING and mirrors them by its own locale (the Arabic road of
// win32_end_to_end_test): the flags are what is compared.
class Direction : public WindowTest, public ::testing::WithParamInterface<LANGID> {
  protected:
    Direction() : WindowTest(GetParam()) {}
};

TEST_P(Direction, WindowsMirrorAndControlsReadAsTheirTexts) {
    constexpr Carries rows[] = {
        {false, Id(Form1Part::Label1), true, false},
        {false, Id(Form1Part::Command4), true, false},
        {false, Id(Form1Part::Picture1), true, false},
        {false, Id(Form1Part::Command1), false, false},
        {true, Id(Form2Part::Label1), true, false},
        {true, Id(Form2Part::Option1), true, false},
        {true, Id(Form2Part::Command1), true, false},
        {true, Id(Form2Part::Text1), true, true},
        {true, Id(Form2Part::Text2), true, false},
    };
    const bool rightToLeft = program_.catalogue().rightToLeft();
    // Its message boxes read as its windows do, their text on the reading side.
    EXPECT_EQ(win32::BoxDirection(rightToLeft), rightToLeft ? UINT{MB_RTLREADING | MB_RIGHT} : 0u);
    const auto expectCarried = [&](HWND window, bool wizard) {
        const auto exStyle = GetWindowLongW(window, GWL_EXSTYLE);
        EXPECT_EQ((exStyle & WS_EX_LAYOUTRTL) != 0, rightToLeft);
        EXPECT_EQ(exStyle & WS_EX_RTLREADING, 0);  // the caption reads as the window is laid out
        for (const Carries& row : rows) {
            const HWND control = GetDlgItem(window, row.id);
            if (row.wizard != wizard) {
                continue;
            }
            const auto carried = GetWindowLongW(control, GWL_EXSTYLE);
            EXPECT_EQ((carried & WS_EX_LAYOUTRTL) != 0, rightToLeft && row.mirrored) << row.id;
            EXPECT_EQ((carried & WS_EX_RTLREADING) != 0, rightToLeft && row.reversed) << row.id;
            if (ClassOf(control) == L"Edit") {
                EXPECT_EQ((GetWindowLongW(control, GWL_STYLE) & ES_RIGHT) != 0,
                          rightToLeft && row.reversed)
                    << row.id;
            }
        }
        if (rightToLeft) {
            ExpectMirrored(window);
        }
    };
    expectCarried(form1(), false);
    RECT close{}, create{};
    GetWindowRect(main(Id(Form1Part::Command4)), &close);
    GetWindowRect(main(Id(Form1Part::Command1)), &create);
    EXPECT_EQ(close.right < create.left, rightToLeft);
    const auto [left, right] = GoldOnEachSide(main(Id(Form1Part::Command1)));
    EXPECT_GT(left, 4 * right + 10)
        << "the star as drawn, on the left: " << left << " to " << right;
    // The emblem's blue tile at the picture's left, white paper at its right.
    const HWND banner = main(Id(Form1Part::Picture1));
    const int scale = static_cast<int>(GetDpiForWindow(banner)) / 96;
    const int width = resources::kBannerWidth * scale;
    const std::vector<std::uint32_t> pixels =
        OnScreen(banner, width, resources::kBannerHeight * scale);
    const std::uint32_t tile = pixels[40 * scale * width + 12 * scale];
    EXPECT_GT(tile & 0xFF, ((tile >> 16) & 0xFF) + 40) << std::hex << tile;
    EXPECT_EQ(pixels[8 * scale * width + 310 * scale] & 0xFFFFFF, 0xFFFFFFu);
    // Right to left both lines of its words end at the room's right edge (Wine draws Hebrew as
    // boxes that it measures wrongly).
    const int room = resources::kBannerWordsRight - resources::kBannerWordsLeft;
    if (rightToLeft && GetParam() != 0x0d) {
        EXPECT_GE(BannerInk(banner, 12, 47).second, room - 4);
        EXPECT_GE(BannerInk(banner, 50, 66).second, room - 4);
    }
    click(main(Id(Form1Part::Command1)));
    ASSERT_NE(form2(), nullptr);
    expectCarried(form2(), true);
}

std::string LanguageName(const ::testing::TestParamInfo<LANGID>& row) {
    switch (row.param) {
        case 0x01:
            return "Arabic";
        case 0x29:
            return "Persian";
        case 0x0d:
            return "Hebrew";
        default:
            return "German";
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, Direction, ::testing::Values(0x01, 0x29, 0x0d, 0x07),
                         LanguageName);

}  // namespace
}  // namespace tbr::testing
