#include "wizard/form2_window.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace tbr {
namespace {

using enum ControlRole;
constexpr int kLocation = static_cast<int>(WizardPage::Location);
constexpr int kName = static_cast<int>(WizardPage::Name);

// In tab order: "Next >", the options, the folder box, "Browse...", the name box, "< Back",
// "Finish", "Cancel". The question names nothing: screen readers read it as the window's text.
// The folder box has a short name of its own ("Other Location" already names the option before
// it); the name box is named by its prompt. "Next >" and "Finish" are their pages' default
// buttons.
// clang-format off
constexpr ControlDescription kControls[] = {
    {.name = "Command1", .role = PushButton, .caption = MessageId::NextButton,
     .designed = {2160, 3120, 1095, 375}, .page = kLocation, .defaultButton = true},
    {.name = "Label1", .role = Label, .caption = MessageId::LocationQuestion,
     .designed = {360, 480, 3390, 390}, .page = kLocation},
    {.name = "Option1", .role = Option, .caption = MessageId::DesktopOption,
     .designed = {360, 1200, 2415, 255}, .page = kLocation},
    {.name = "Option2", .role = Option, .caption = MessageId::OtherLocationOption,
     .designed = {360, 1560, 2535, 255}, .page = kLocation},
    {.name = "Text1", .role = TextBox,
     .designed = {480, 2040, 2775, 315}, .page = kLocation, .spokenName = MessageId::FolderBoxName,
     .holdsPath = true},
    {.name = "Command3", .role = PushButton, .caption = MessageId::BrowseButton,
     .designed = {3360, 2040, 975, 375}, .page = kLocation},
    {.name = "Label2", .role = Label, .caption = MessageId::NamePrompt,
     .designed = {360, 240, 3015, 375}, .page = kName},
    {.name = "Text2", .role = TextBox, .designed = {360, 600, 3975, 315}, .page = kName},
    {.name = "Command4", .role = PushButton, .caption = MessageId::BackButton,
     .designed = {1080, 3120, 1095, 375}, .page = kName},
    {.name = "Command5", .role = PushButton, .caption = MessageId::FinishButton,
     .designed = {2160, 3120, 1095, 375}, .page = kName, .defaultButton = true},
    {.name = "Command2", .role = PushButton, .caption = MessageId::CancelButton,
     .designed = {3480, 3120, 1095, 375}},
};
// clang-format on
static_assert(std::size(kControls) == static_cast<std::size_t>(Form2Part::Count));

const LayoutRect& Designed(Form2Part part) {
    return kControls[static_cast<std::size_t>(part)].designed;
}

constexpr int kRight = 375;        // the right margin of the boxes and "Browse..."
constexpr int kButtonRight = 135;  // the right margin of "Cancel"
constexpr int kButtonGap = 225;    // between "Finish" and "Cancel"
constexpr int kBackOverlap = 15;   // "< Back" and "Next >" share their edge
constexpr int kBrowseGap = 105;    // between the folder box and "Browse..."
constexpr int kFolderBoxMinimum = 1500;
constexpr int kQuestionRoom = 600;  // from the question's top to the first option, less a gap

int Lines(const TextMeasure& measure, Form2Part part, int width) {
    return measure.wrappedHeight(static_cast<int>(part), width);
}

}  // namespace

const WindowDescription kForm2{
    "Form2", MessageId::WizardTitle, Placement::SystemDefault, 4710, 3630, kControls, LayOutForm2};

WindowLayout LayOutForm2(const TextMeasure& measure, bool rightToLeft) {
    WindowLayout layout = DesignedLayout(kForm2);
    const auto wider = [&measure](Form2Part part) {
        return std::max(Designed(part).width, measure.lineWidth(static_cast<int>(part)));
    };
    int buttonWidth = 0;
    for (const Form2Part button :
         {Form2Part::Command1, Form2Part::Command4, Form2Part::Command5, Form2Part::Command2}) {
        buttonWidth = std::max(buttonWidth, wider(button));
    }
    const int left = Designed(Form2Part::Option1).left;
    const int folderBoxLeft = Designed(Form2Part::Text1).left;
    const int browseWidth = wider(Form2Part::Command3);
    const int option1Width = wider(Form2Part::Option1);
    const int option2Width = wider(Form2Part::Option2);

    // The window as wide as its widest row needs.
    layout.width =
        std::max({layout.width, left + 3 * buttonWidth - kBackOverlap + kButtonGap + kButtonRight,
                  left + option1Width + kRight, left + option2Width + kRight,
                  folderBoxLeft + kFolderBoxMinimum + kBrowseGap + browseWidth + kRight});
    const int room = layout.width - left - kRight;

    // The question: as tall as its lines (two as designed); wider, then taller where its words
    // need it.
    LayoutRect& question = layout[Form2Part::Label1];
    if (const int lines = Lines(measure, Form2Part::Label1, question.width); lines > 0) {
        question.height = lines;
    }
    if (question.height > kQuestionRoom) {
        question.width = room;
        question.height = Lines(measure, Form2Part::Label1, room);
    }
    const int down = std::max(0, question.height - kQuestionRoom);
    layout.height += down;

    // The name's prompt: one line as designed, wrapped where it is wider than the window.
    LayoutRect& prompt = layout[Form2Part::Label2];
    prompt.width = std::min(wider(Form2Part::Label2), room);
    prompt.height = std::max(prompt.height, Lines(measure, Form2Part::Label2, prompt.width));
    const int nameDown = std::max(0, prompt.bottom() - Designed(Form2Part::Label2).bottom());

    // An option is as tall as designed, or as its script's line where that is taller.
    for (const auto& [option, width] : {std::pair{Form2Part::Option1, option1Width},
                                        std::pair{Form2Part::Option2, option2Width}}) {
        LayoutRect& r = layout[option];
        r.top += down;
        r.width = width;
        r.height = std::max(r.height, measure.lineHeight(static_cast<int>(option)));
    }
    LayoutRect& browse = layout[Form2Part::Command3];
    browse = {layout.width - kRight - browseWidth, browse.top + down, browseWidth, browse.height};
    LayoutRect& folderBox = layout[Form2Part::Text1];
    folderBox.top += down;
    folderBox.width = browse.left - kBrowseGap - folderBox.left;
    LayoutRect& nameBox = layout[Form2Part::Text2];
    nameBox.top += nameDown;
    nameBox.width = room;

    // The bottom row: "Cancel" at the right, "Finish" (and "Next >" in its place) before it,
    // "< Back" before that.
    const int row = Designed(Form2Part::Command2).top + down;
    const int cancelLeft = layout.width - kButtonRight - buttonWidth;
    const int finishLeft = cancelLeft - kButtonGap - buttonWidth;
    layout[Form2Part::Command2] = {cancelLeft, row, buttonWidth, 375};
    layout[Form2Part::Command5] = {finishLeft, row, buttonWidth, 375};
    layout[Form2Part::Command1] = layout[Form2Part::Command5];
    layout[Form2Part::Command4] = {finishLeft - buttonWidth + kBackOverlap, row, buttonWidth, 375};
    if (rightToLeft) {
        MirrorLayout(layout);
    }
    return layout;
}

Form2Controls ControlsOf(const WizardState& state) {
    Form2Controls controls{};
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const int page = kControls[i].page;
        controls[i].visible = page == kEveryPage || page == static_cast<int>(state.page);
    }
    const auto at = [&controls](Form2Part part) -> ControlState& {
        return controls[static_cast<std::size_t>(part)];
    };
    at(Form2Part::Option1).checked = state.desktopSelected;
    at(Form2Part::Option2).checked = !state.desktopSelected;
    at(Form2Part::Text1).text = state.folderText;
    at(Form2Part::Text1).enabled = state.folderBoxEnabled;
    at(Form2Part::Command3).enabled = state.browseEnabled;
    at(Form2Part::Command1).enabled = state.nextEnabled;
    at(Form2Part::Text2).text = state.nameText;
    at(Form2Part::Command5).enabled = state.finishEnabled;
    return controls;
}

}  // namespace tbr
