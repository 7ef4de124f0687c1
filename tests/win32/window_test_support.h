// In-process window tests: a Program per test, its messages pumped through the same dialog
// manager path as the real message loop, keys sent the same way, and modal boxes answered by a
// timer from inside their own modal loops.
#pragma once

#include <deque>
#include <functional>

#include "tests/win32/win32_test_support.h"
#include "ui/win32/program.h"

namespace tbr::testing {

// A control's id, by its part in its window's description.
template <typename Part>
constexpr int Id(Part part) {
    return win32::ControlId(part);
}
using win32::NameId;

struct Box {
    HWND window = nullptr;
    std::wstring title;
    std::wstring text;  // a message box's text
};

// Answers modal boxes and dialogs as they appear: each expected box goes to the next handler in
// line. A box that nobody expects is recorded and closed, so a test can fail but never hang.
class BoxAnswerer {
  public:
    using Handler = std::function<void(const Box&)>;

    BoxAnswerer();
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;
    ~BoxAnswerer();

    void expect(Handler handler) { handlers_.push_back(std::move(handler)); }
    std::size_t pending() const { return handlers_.size(); }
    const std::vector<std::wstring>& unexpected() const { return unexpected_; }

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void look();

    UINT_PTR timer_ = 0;
    bool busy_ = false;
    std::deque<Handler> handlers_;
    std::vector<std::wstring> unexpected_;
    std::vector<HWND> answered_;
};

// Presses a button of a box (IDYES, IDNO, IDOK, IDCANCEL).
void Press(HWND box, int buttonId);
// The id of the button that Enter would press (drawn as the default button).
int DefaultButton(HWND box);
// The ids of a box's visible buttons, left to right.
std::vector<int> Buttons(HWND box);
// True when a box shows an icon.
bool ShowsIcon(HWND box);

class WindowTest : public ::testing::Test {
  protected:
    // The windows in a language of the program's string tables (English unless told).
    explicit WindowTest(LANGID language = win32::kEnglishTable)
        : program_(GetModuleHandleW(nullptr),
                   win32::Catalogue(GetModuleHandleW(nullptr), language)) {}

    void SetUp() override {
        program_.start();
        pump();
    }

    // Handles every waiting message the way the program's loop does.
    void pump();
    // Pumps until condition holds or the time is up; returns the condition.
    bool pumpUntil(const std::function<bool()>& condition, DWORD milliseconds = 10000);

    // A key as the keyboard would send it to the focused control.
    void press(UINT key, bool shift = false);
    void click(HWND button);
    // Types text into an edit box, as a change the user made.
    void type(HWND edit, const std::wstring& text);

    HWND form1() const { return program_.mainWindow() ? program_.mainWindow()->window() : nullptr; }
    HWND form2() const { return program_.wizard() ? program_.wizard()->window() : nullptr; }
    HWND main(int id) const { return GetDlgItem(form1(), id); }
    HWND wizard(int id) const { return GetDlgItem(form2(), id); }
    bool quitPosted() const { return quitPosted_; }

    // The focus order that Tab (or Shift+Tab) walks from the focused control, one full round.
    std::vector<HWND> tabRound(bool backwards = false);

    win32::Program program_;
    BoxAnswerer boxes_;

  private:
    bool quitPosted_ = false;
};

// A window's class name ("Button", "Static", "#32770").
std::wstring ClassOf(HWND window);
// A child window's place relative to its parent's client area.
RECT PlaceOf(HWND child);
RECT ClientOf(HWND window);
std::wstring TextOf(HWND window);
bool Visible(HWND window);
bool Enabled(HWND window);
LOGFONTW FontOf(HWND window);

// The window follows its description at its own DPI: its title and size, and every control in the
// description's order (the tab order), of its kind, with its text and at its designed place (a
// label as tall as its text).
void ExpectFollowsDescription(HWND window, const WindowDescription& description,
                              const win32::Catalogue& catalogue);
// Checks the width in pixels of the icon a picture button shows.
void ExpectButtonIconWidth(HWND button, int pixels);

}  // namespace tbr::testing
