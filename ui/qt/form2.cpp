#include "ui/qt/form2.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "ui/qt/fitted_layout.h"
#include "ui/qt/fonts.h"
#include "ui/qt/translations.h"
#include "ui/qt/window_role.h"
#include "wizard/form2_layout.h"

namespace tbr::qt {
namespace {

void SetText(QLineEdit* box, const std::string& text) {
    const QString wanted = QString::fromStdString(text);
    if (box->text() != wanted) {
        const QSignalBlocker quiet(box);  // the behaviour already knows this text
        box->setText(wanted);
    }
}

}  // namespace

Form2::Form2(Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      wizard_(services, *this) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(Tr(MessageId::WizardTitle));
    SetAccessibleWindowRole(this, QAccessible::Dialog);
    setFont(DialogFont());

    Label1 = new QLabel(Tr(MessageId::LocationQuestion), this);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Option1 = new QRadioButton(Tr(MessageId::DesktopOption), this);
    Option2 = new QRadioButton(Tr(MessageId::OtherLocationOption), this);
    Text1 = new QLineEdit(this);
    Command3 = addButton(MessageId::BrowseButton);
    Command1 = addButton(MessageId::NextButton);

    Label2 = new QLabel(Tr(MessageId::NamePrompt), this);
    Label2->setWordWrap(true);  // where a translation is wider than the window
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Text2 = new QLineEdit(this);
    Command4 = addButton(MessageId::BackButton);
    Command5 = addButton(MessageId::FinishButton);
    Command2 = addButton(MessageId::CancelButton);

    // In the order of Form2Part.
    const char* names[] = {"Label1", "Option1", "Option2",  "Text1",    "Command3", "Command1",
                           "Label2", "Text2",   "Command4", "Command5", "Command2"};
    QWidget* const controls[] = {Label1, Option1, Option2,  Text1,    Command3, Command1,
                                 Label2, Text2,   Command4, Command5, Command2};
    static_assert(std::size(controls) == static_cast<std::size_t>(Form2Part::Count));
    for (std::size_t i = 0; i < std::size(names); ++i) {
        controls[i]->setObjectName(QString::fromLatin1(names[i]));
    }
    // As designed, with room for texts longer than the English ones; mirrored right to left.
    ApplyLayout(this, LayOutForm2(WidgetMeasure(controls), isRightToLeft()), controls);
    // For screen readers: the location question labels no control, so it is read as the
    // dialog's own text when the wizard opens, and the folder box has a short name of its own.
    // The name box is labelled by the question that asks for it.
    Text1->setAccessibleName(Tr(MessageId::FolderBoxName));
    Text2->setAccessibleName(Label2->text());
    Label2->setBuddy(Text2);

    // Tab order: Next, the options, the folder box, Browse, the name box, Back, Finish, Cancel.
    QWidget* tabOrder[] = {Command1, Option1,  Option2,  Text1,    Command3,
                           Text2,    Command4, Command5, Command2, Command1};
    for (std::size_t i = 0; i + 1 < std::size(tabOrder); ++i) {
        setTabOrder(tabOrder[i], tabOrder[i + 1]);
    }

    connectEvents();
    wizard_.onLoad();
}

QPushButton* Form2::addButton(MessageId caption) {
    auto* button = new QPushButton(Tr(caption), this);
    button->setAutoDefault(true);  // Enter presses the focused button, as Space does
    return button;
}

void Form2::connectEvents() {
    connect(Option1, &QRadioButton::clicked, this, [this] { wizard_.onDesktopClicked(); });
    connect(Option2, &QRadioButton::clicked, this, [this] { wizard_.onOtherLocationClicked(); });
    // Arrow keys move the selection between the options without a click.
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !wizard_.state().desktopSelected) {
            wizard_.onDesktopClicked();
        }
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on && wizard_.state().desktopSelected) {
            wizard_.onOtherLocationClicked();
        }
    });
    connect(Text1, &QLineEdit::textChanged, this,
            [this](const QString& text) { wizard_.onFolderTextChanged(text.toStdString()); });
    connect(Text2, &QLineEdit::textChanged, this,
            [this](const QString& text) { wizard_.onNameTextChanged(text.toStdString()); });
    // "Finish" is the default button of the name page: Enter in the name box presses it.
    connect(Text2, &QLineEdit::returnPressed, this, [this] { wizard_.onFinishClicked(); });
    connect(Command1, &QPushButton::clicked, this, [this] { wizard_.onNextClicked(); });
    connect(Command4, &QPushButton::clicked, this, [this] { wizard_.onBackClicked(); });
    connect(Command3, &QPushButton::clicked, this, [this] { wizard_.onBrowseClicked(); });
    connect(Command2, &QPushButton::clicked, this, [this] { wizard_.onCancelClicked(); });
    connect(Command5, &QPushButton::clicked, this, [this] { wizard_.onFinishClicked(); });
    connect(qApp, &QApplication::focusChanged, this, [this] { showDefaultButton(); });
}

// Each page shows its default button as a dialog does: "Next >" on the location page, "Finish" on
// the name page, and while another button has the focus, that one (Enter presses the focused
// button). Only the look and what screen readers are told depend on it.
void Form2::showDefaultButton() {
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    QPushButton* shown = state().page == WizardPage::Location ? Command1 : Command5;
    if (focused != nullptr && focused->isVisible()) {
        shown = focused;
    }
    for (QPushButton* button : {Command1, Command2, Command3, Command4, Command5}) {
        button->setDefault(button == shown);
    }
}

void Form2::render(const WizardState& state) {
    const bool location = state.page == WizardPage::Location;
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Option1),
                       static_cast<QWidget*>(Option2), static_cast<QWidget*>(Text1),
                       static_cast<QWidget*>(Command3), static_cast<QWidget*>(Command1)}) {
        w->setVisible(location);
    }
    for (QWidget* w : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Text2),
                       static_cast<QWidget*>(Command4), static_cast<QWidget*>(Command5)}) {
        w->setVisible(!location);
    }
    {
        const QSignalBlocker quiet1(Option1);
        const QSignalBlocker quiet2(Option2);
        (state.desktopSelected ? Option1 : Option2)->setChecked(true);
    }
    SetText(Text1, state.folderText);
    SetText(Text2, state.nameText);
    Text1->setEnabled(state.folderBoxEnabled);
    Command3->setEnabled(state.browseEnabled);
    Command1->setEnabled(state.nextEnabled);
    Command5->setEnabled(state.finishEnabled);
    showDefaultButton();
}

void Form2::focusNameBox() {
    Text2->setFocus();
}

void Form2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownBefore_) {
        shownBefore_ = true;
        Command1->setFocus();
    }
}

}  // namespace tbr::qt
