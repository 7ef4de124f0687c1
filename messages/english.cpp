// The English texts, the catalogue's source: po/tbrwiz.pot is extracted from this file
// (scripts/translations.sh). A comment that starts with "TRANSLATORS:" reaches the translators
// with the text that follows it.
#include <algorithm>
#include <array>
#include <utility>

#include "messages/messages.h"

// Marks a text for extraction; it stands for the text itself.
#define N_(text) text

namespace tbr {
namespace {

constexpr std::pair<MessageId, std::string_view> kEnglish[] = {
    // TRANSLATORS: The main window's title. "Tambrel" is the name of the document type, a
    // name like a brand: keep it as it is, inflected only where your language must.
    {MessageId::MainWindowTitle, N_("Tambrel Wizard")},
    // TRANSLATORS: Beside the picture button that starts the create wizard.
    {MessageId::CreateLabel, N_("Create a new Tambrel.")},
    // TRANSLATORS: Beside the picture button that opens an existing document in the editor.
    {MessageId::EditLabel, N_("Edit an existing Tambrel.")},
    // TRANSLATORS: Button that ends the program.
    {MessageId::CloseButton, N_("Close")},

    // TRANSLATORS: Title of the file-open dialog in which an existing document is picked.
    {MessageId::OpenDialogTitle, N_("Select Tambrel")},
    // TRANSLATORS: The one file type of the file-open dialog (Windows): documents whose names
    // end in .tbr. Plural of "Tambrel".
    {MessageId::TambrelFilterName, N_("Tambrels")},
    // TRANSLATORS: The one file type of the file-open dialog (Linux). %1 is the pattern *.tbr;
    // keep it in parentheses at the end: the dialog reads the pattern from them.
    {MessageId::TambrelFilter, N_("Tambrels (%1)")},
    // TRANSLATORS: Shown when the chosen document cannot be handed to the editor.
    {MessageId::OpenErrorText, N_("File cannot be accessed. Please check the path.")},
    // TRANSLATORS: Title of the box above. One exclamation mark, where the creation error's
    // title has three: the two titles are told apart by it.
    {MessageId::OpenErrorTitle, N_("Error!")},

    // TRANSLATORS: Title of the create wizard's window.
    {MessageId::WizardTitle, N_("Create Tambrel")},
    {MessageId::LocationQuestion,
     // TRANSLATORS: The question at the top of the wizard's first page; two short sentences.
     N_("You are about to create a new Tambrel. Where would you like your Tambrel located?")},
    // TRANSLATORS: Option: the new document goes to the desktop. "Windows Desktop" is the
    // name of this choice on every system, Linux included, as the user may know it from
    // Windows: translate it as the name of the Windows desktop in your language.
    {MessageId::DesktopOption, N_("Windows Desktop")},
    // TRANSLATORS: Option: the new document goes to a folder the user types or picks.
    {MessageId::OtherLocationOption, N_("Other Location")},
    // TRANSLATORS: Not shown: what a screen reader calls the box that holds the folder.
    {MessageId::FolderBoxName, N_("Folder")},
    // TRANSLATORS: Button that opens the folder dialog. The three dots say that a dialog
    // follows.
    {MessageId::BrowseButton, N_("Browse...")},
    // TRANSLATORS: Button to the wizard's second page. The ">" points forward; in a language
    // written right to left it is mirrored with the window, so keep it as ">".
    {MessageId::NextButton, N_("Next >")},
    // TRANSLATORS: Above the box in which the new document's name is typed; no colon.
    {MessageId::NamePrompt, N_("Please type a name for your Tambrel")},
    // TRANSLATORS: Button back to the wizard's first page. Keep "<" as it is (see "Next >").
    {MessageId::BackButton, N_("< Back")},
    // TRANSLATORS: Button that creates the document.
    {MessageId::FinishButton, N_("Finish")},
    // TRANSLATORS: Button that leaves the wizard for the main window.
    {MessageId::CancelButton, N_("Cancel")},
    // TRANSLATORS: Title of the dialog in which the folder for the new document is picked.
    {MessageId::FolderDialogTitle, N_("Select Directory")},
    // TRANSLATORS: Asked once the document is written; the answers are Yes and No.
    {MessageId::EditNowText, N_("Would you like to edit the Tambrel now?")},
    // TRANSLATORS: Title of the wizard's questions. The question mark in a title is the
    // program's own style: keep it.
    {MessageId::QueryTitle, N_("Query?")},
    {MessageId::ReplaceText,
     // TRANSLATORS: Asked before a file of the same name is replaced; Yes and No.
     N_("A Tambrel with this name already exists. Would you like to replace it?")},
    // TRANSLATORS: Shown when the document could not be created. The first sentence ends in
    // a space and a line break, "\r", which starts the second line: keep both.
    {MessageId::CreateErrorText, N_("Error creating Tambrel! \rPlease check the name and path.")},
    // TRANSLATORS: Title of the box above. Three exclamation marks: the program's own style,
    // and what tells this box from the other error box (titled with one).
    {MessageId::CreateErrorTitle, N_("Error!!!")},

    // TRANSLATORS: The name of the .tbr file type in file browsers and their "New" menus.
    {MessageId::DocumentTypeName, N_("Tambrel document")},
    // TRANSLATORS: Written under the program's name in the main window's banner; about
    // 230 pixels wide at most in a small font, so keep it short.
    {MessageId::BannerTagline, N_("Create and edit Tambrel documents")},
    // TRANSLATORS: Not shown. Write "RTL" if your language is written right to left (the
    // windows are then mirrored), and "LTR" otherwise.
    {MessageId::LayoutDirection, N_("LTR")},

    {MessageId::Usage,
     // TRANSLATORS: What "tbrwiz --help" prints. Keep the options, "tbrwiz", "tbredit" and
     // "tbrwiz(1)" as they are, and the lines under 80 characters.
     N_("Usage: tbrwiz [--help | --version]\n"
        "Creates a new Tambrel document, or picks an existing one, and opens it in the\n"
        "Tambrel editor, tbredit. Without options it opens its main window.\n"
        "\n"
        "  -h, --help     print this help and exit\n"
        "  -v, --version  print the version and exit\n"
        "\n"
        "Qt's own options are accepted too, among them -platform NAME, -display DISPLAY,\n"
        "-style STYLE and -reverse. See tbrwiz(1).\n")},
    // TRANSLATORS: A refused command line. %1 is the argument, in quotes. Keep
    // 'tbrwiz --help' as it is.
    {MessageId::UnexpectedArgument, N_("tbrwiz: unexpected argument %1 (see 'tbrwiz --help')")},
    // TRANSLATORS: As above; %1 is the option, in quotes.
    {MessageId::UnknownOption, N_("tbrwiz: unknown option %1 (see 'tbrwiz --help')")},
    // TRANSLATORS: As above; %1 is the option, in quotes.
    {MessageId::OptionNeedsValue, N_("tbrwiz: option %1 needs a value (see 'tbrwiz --help')")},
    {MessageId::NoDisplay,
     // TRANSLATORS: The program was started where there is no display. DISPLAY and
     // WAYLAND_DISPLAY are the names of variables: keep them.
     N_("tbrwiz: cannot open the display: neither DISPLAY nor WAYLAND_DISPLAY is set")},
    // TRANSLATORS: As above; DISPLAY is the name of a variable: keep it.
    {MessageId::NoX11Display, N_("tbrwiz: cannot open the display: DISPLAY is not set")},
    // TRANSLATORS: The display was named but could not be opened after all.
    {MessageId::DisplayFailed, N_("tbrwiz: cannot open the display")},
};

constexpr bool InOrder() {
    for (std::size_t i = 1; i < std::size(kEnglish); ++i) {
        if (static_cast<int>(kEnglish[i - 1].first) >= static_cast<int>(kEnglish[i].first)) {
            return false;
        }
    }
    return true;
}
static_assert(InOrder(), "the table is kept in the order of the numbers");

}  // namespace

std::span<const MessageId> AllMessages() {
    static constexpr auto kIds = [] {
        std::array<MessageId, std::size(kEnglish)> ids{};
        for (std::size_t i = 0; i < ids.size(); ++i) {
            ids[i] = kEnglish[i].first;
        }
        return ids;
    }();
    return kIds;
}

std::string English(MessageId id) {
    return std::string(EnglishText(id));
}

std::string_view EnglishText(MessageId id) {
    const auto* found = std::find_if(std::begin(kEnglish), std::end(kEnglish),
                                     [id](const auto& entry) { return entry.first == id; });
    return found == std::end(kEnglish) ? std::string_view{} : found->second;
}

}  // namespace tbr
