#include "wizard/form2_layout.h"

#include <algorithm>
#include <initializer_list>

namespace tbr {
namespace {

constexpr int kLeft = 360;         // the left margin of the pages
constexpr int kRight = 375;        // the right margin of the boxes and "Browse..."
constexpr int kButtonRight = 135;  // the right margin of "Cancel"
constexpr int kButtonGap = 225;    // between "Finish" and "Cancel"
constexpr int kBackOverlap = 15;   // "< Back" and "Next >" share their edge
constexpr int kBrowseGap = 105;    // between the folder box and "Browse..."
constexpr int kFolderBoxLeft = 480;
constexpr int kFolderBoxMinimum = 1500;
constexpr int kQuestionRoom = 600;  // from the question's top to the first option, less a gap

int Need(const TextMeasure& measure, Form2Part part) {
    return measure.lineWidth(static_cast<int>(part));
}

int Lines(const TextMeasure& measure, Form2Part part, int width) {
    return measure.wrappedHeight(static_cast<int>(part), width);
}

// An option is as tall as designed, or as its script's line where that is taller.
int OptionHeight(const TextMeasure& measure, Form2Part option) {
    return std::max(255, measure.lineHeight(static_cast<int>(option)));
}

}  // namespace

WindowLayout LayOutForm2(const TextMeasure& measure, bool rightToLeft) {
    int buttonWidth = 1095;
    for (const Form2Part button :
         {Form2Part::Command1, Form2Part::Command4, Form2Part::Command5, Form2Part::Command2}) {
        buttonWidth = std::max(buttonWidth, Need(measure, button));
    }
    const int browseWidth = std::max(975, Need(measure, Form2Part::Command3));
    const int option1Width = std::max(2415, Need(measure, Form2Part::Option1));
    const int option2Width = std::max(2535, Need(measure, Form2Part::Option2));

    // The window as wide as its widest row needs.
    const int width =
        std::max({4710, kLeft + 3 * buttonWidth - kBackOverlap + kButtonGap + kButtonRight,
                  kLeft + option1Width + kRight, kLeft + option2Width + kRight,
                  kFolderBoxLeft + kFolderBoxMinimum + kBrowseGap + browseWidth + kRight});
    const int room = width - kLeft - kRight;

    // The question: two lines as designed; wider, then taller where its words need it.
    LayoutRect question{kLeft, 480, 3390, Lines(measure, Form2Part::Label1, 3390)};
    if (question.height > kQuestionRoom) {
        question.width = room;
        question.height = Lines(measure, Form2Part::Label1, room);
    }
    const int down = std::max(0, question.height - kQuestionRoom);

    // The name's prompt: one line as designed, wrapped where it is wider than the window.
    const int promptNeed = Need(measure, Form2Part::Label2);
    LayoutRect prompt{kLeft, 240, std::min(std::max(3015, promptNeed), room), 0};
    prompt.height = std::max(375, Lines(measure, Form2Part::Label2, prompt.width));
    const int nameDown = std::max(0, prompt.bottom() - 615);  // below the designed prompt

    WindowLayout layout{width, 3630 + down,
                        std::vector<LayoutRect>(static_cast<int>(Form2Part::Count))};
    layout[Form2Part::Label1] = question;
    layout[Form2Part::Option1] = {kLeft, 1200 + down, option1Width,
                                  OptionHeight(measure, Form2Part::Option1)};
    layout[Form2Part::Option2] = {kLeft, 1560 + down, option2Width,
                                  OptionHeight(measure, Form2Part::Option2)};
    const int browseLeft = width - kRight - browseWidth;
    layout[Form2Part::Command3] = {browseLeft, 2040 + down, browseWidth, 375};
    layout[Form2Part::Text1] = {kFolderBoxLeft, 2040 + down,
                                browseLeft - kBrowseGap - kFolderBoxLeft, 315};
    layout[Form2Part::Label2] = prompt;
    layout[Form2Part::Text2] = {kLeft, 600 + nameDown, room, 315};

    const int row = 3120 + down;
    const int cancelLeft = width - kButtonRight - buttonWidth;
    const int finishLeft = cancelLeft - kButtonGap - buttonWidth;
    layout[Form2Part::Command2] = {cancelLeft, row, buttonWidth, 375};
    layout[Form2Part::Command5] = {finishLeft, row, buttonWidth, 375};
    layout[Form2Part::Command1] = layout[Form2Part::Command5];  // "Next >" in the place of "Finish"
    layout[Form2Part::Command4] = {finishLeft - buttonWidth + kBackOverlap, row, buttonWidth, 375};
    if (rightToLeft) {
        MirrorLayout(layout);
    }
    return layout;
}

}  // namespace tbr
