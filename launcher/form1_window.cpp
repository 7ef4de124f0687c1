#include "launcher/form1_window.h"

#include <algorithm>

namespace tbr {
namespace {

using enum ControlRole;

// In tab order: "Close", the two picture buttons, the banner. Each label names the picture
// button after it, whose name for screen readers is the label's text.
// clang-format off
constexpr ControlDescription kControls[] = {
    {.name = "Command4", .role = PushButton, .caption = MessageId::CloseButton,
     .designed = {3720, 4800, 1215, 375}},
    {.name = "Label1", .role = Label, .caption = MessageId::CreateLabel,
     .designed = {1680, 1920, 2505, 255}, .font = ControlFont::Label},
    {.name = "Command1", .role = PictureButton, .caption = MessageId::CreateLabel,
     .designed = {360, 1560, 975, 975}, .picture = ControlPicture::Create},
    {.name = "Label2", .role = Label, .caption = MessageId::EditLabel,
     .designed = {1680, 3000, 2670, 255}, .font = ControlFont::Label},
    {.name = "Command2", .role = PictureButton, .caption = MessageId::EditLabel,
     .designed = {360, 2640, 975, 975}, .picture = ControlPicture::Edit},
    {.name = "Picture1", .role = Banner, .caption = MessageId::MainWindowTitle,
     .designed = {0, 0, 5145, 1275}},
};
// clang-format on
static_assert(std::size(kControls) == static_cast<std::size_t>(Form1Part::Count));

constexpr int kRightMargin = 210;  // "Close" ends 210 twips from the right edge

// A label beside its button: as wide as its text, wrapped where the window ends, its middle on
// the button's middle.
LayoutRect LabelBeside(const LayoutRect& button, Form1Part label, int windowWidth,
                       const TextMeasure& measure) {
    const int part = static_cast<int>(label);
    const LayoutRect& designed = kControls[part].designed;
    const int room = windowWidth - designed.left - kRightMargin;
    LayoutRect r = designed;
    r.width = std::min(std::max(designed.width, measure.lineWidth(part)), room);
    // As tall as designed, or as its lines where they are taller (wrapped, or a taller script).
    r.height = std::max(designed.height, measure.wrappedHeight(part, r.width));
    r.top = button.top + (button.height - r.height) / 2;
    return r;
}

}  // namespace

const WindowDescription kForm1{
    "Form1",    MessageId::MainWindowTitle, Placement::CentredOnScreen, 5145, 5400, kControls,
    LayOutForm1};

WindowLayout LayOutForm1(const TextMeasure& measure, bool rightToLeft) {
    WindowLayout layout = DesignedLayout(kForm1);
    layout[Form1Part::Label1] =
        LabelBeside(layout[Form1Part::Command1], Form1Part::Label1, layout.width, measure);
    layout[Form1Part::Label2] =
        LabelBeside(layout[Form1Part::Command2], Form1Part::Label2, layout.width, measure);
    LayoutRect& close = layout[Form1Part::Command4];
    close.width = std::max(close.width, measure.lineWidth(static_cast<int>(Form1Part::Command4)));
    close.left = layout.width - kRightMargin - close.width;
    if (rightToLeft) {
        MirrorLayout(layout);
    }
    return layout;
}

}  // namespace tbr
