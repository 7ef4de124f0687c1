#include "app/form1_layout.h"

#include <algorithm>

namespace tbr {
namespace {

constexpr int kLabelLeft = 1680;
constexpr int kRightMargin = 210;  // "Close" ends 210 twips from the right edge

// A label beside its button: as wide as its text, wrapped where the window ends, its middle on
// the button's middle.
LayoutRect LabelBeside(const LayoutRect& button, Form1Part label, int designedWidth,
                       int windowWidth, const TextMeasure& measure) {
    const int part = static_cast<int>(label);
    const int room = windowWidth - kLabelLeft - kRightMargin;
    const int needed = measure.lineWidth(part);
    LayoutRect r{kLabelLeft, 0, std::min(std::max(designedWidth, needed), room), 0};
    // As tall as designed, or as its lines where they are taller (wrapped, or a taller script).
    r.height = std::max(255, measure.wrappedHeight(part, r.width));
    r.top = button.top + (button.height - r.height) / 2;
    return r;
}

}  // namespace

WindowLayout LayOutForm1(const TextMeasure& measure, bool rightToLeft) {
    WindowLayout layout{5145, 5400, std::vector<LayoutRect>(static_cast<int>(Form1Part::Count))};
    layout[Form1Part::Picture1] = {0, 0, layout.width, 1275};
    layout[Form1Part::Command1] = {360, 1560, 975, 975};
    layout[Form1Part::Command2] = {360, 2640, 975, 975};
    layout[Form1Part::Label1] =
        LabelBeside(layout[Form1Part::Command1], Form1Part::Label1, 2505, layout.width, measure);
    layout[Form1Part::Label2] =
        LabelBeside(layout[Form1Part::Command2], Form1Part::Label2, 2670, layout.width, measure);
    const int closeWidth = std::max(1215, measure.lineWidth(static_cast<int>(Form1Part::Command4)));
    layout[Form1Part::Command4] = {layout.width - kRightMargin - closeWidth, 4800, closeWidth, 375};
    if (rightToLeft) {
        MirrorLayout(layout);
    }
    return layout;
}

}  // namespace tbr
