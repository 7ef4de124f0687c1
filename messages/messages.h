// The texts the program shows, by identifier. The behaviour hands out identifiers, never text;
// each front end shows the text in the user's language from the catalogue built from po/, and
// the English below where the catalogue has none.
#pragma once

#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace tbr {

// The numbers are the texts' numbers in the Windows program's string tables, which the installer
// names too (the document type's name): they stay as they are once given.
enum class MessageId : int {
    // The main window.
    MainWindowTitle = 1,
    CreateLabel = 2,
    EditLabel = 3,
    CloseButton = 4,
    // Opening an existing document.
    OpenDialogTitle = 10,
    TambrelFilterName = 11,
    TambrelFilter = 12,
    OpenErrorText = 13,
    OpenErrorTitle = 14,
    // The create wizard.
    WizardTitle = 20,
    LocationQuestion = 21,
    DesktopOption = 22,
    OtherLocationOption = 23,
    FolderBoxName = 24,
    BrowseButton = 25,
    NextButton = 26,
    NamePrompt = 27,
    BackButton = 28,
    FinishButton = 29,
    CancelButton = 30,
    FolderDialogTitle = 31,
    EditNowText = 32,
    QueryTitle = 33,
    ReplaceText = 34,
    CreateErrorText = 35,
    CreateErrorTitle = 36,
    // The document type, as the system's file browsers name it.
    DocumentTypeName = 40,
    // The banner's line under the program's name.
    BannerTagline = 41,
    // Which way the language is written: "RTL" in a translation that is written right to left.
    LayoutDirection = 42,
    // The Linux program's command line.
    Usage = 50,
    UnexpectedArgument = 51,
    UnknownOption = 52,
    OptionNeedsValue = 53,
    NoDisplay = 54,
    NoX11Display = 55,
    DisplayFailed = 56,
};

// Every identifier, in the order of their numbers.
std::span<const MessageId> AllMessages();

// The English text: the source language, and what is shown where no translation is.
std::string_view EnglishText(MessageId id);

// Puts a message into words: the front end's catalogue, or EnglishText.
using Wording = std::function<std::string(MessageId)>;
std::string English(MessageId id);

// text with each %1 ... %9 replaced by the argument of that number (a missing one by nothing);
// "%%" is one percent sign. A translation may put the placeholders in any order.
std::string FillPlaceholders(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace tbr
