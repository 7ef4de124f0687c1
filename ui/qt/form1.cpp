#include "ui/qt/form1.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "app/form1_layout.h"
#include "ui/qt/banner_words.h"
#include "ui/qt/fitted_layout.h"
#include "ui/qt/fonts.h"
#include "ui/qt/pictures.h"
#include "ui/qt/translations.h"
#include "ui/qt/window_role.h"

namespace tbr::qt {

Form1::Form1(Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      launcher_(services) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Tr(MessageId::MainWindowTitle));
    if (QApplication::windowIcon().isNull()) {
        setWindowIcon(ApplicationIcon());  // else the program's icon, set for all its windows
    }
    SetAccessibleWindowRole(this, QAccessible::Window);
    setFont(DialogFont());

    // The banner box: white, a thin sunken border, the logo at its natural size top-left.
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    Picture1->setAutoFillBackground(true);
    QPalette white = Picture1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Picture1->setPalette(white);
    Picture1->setPixmap(BannerPixmap(devicePixelRatioF()));
    new BannerWords(Picture1, Tr(MessageId::MainWindowTitle), Tr(MessageId::BannerTagline));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->setAccessibleName(Tr(MessageId::MainWindowTitle));

    const QString createText = Tr(MessageId::CreateLabel);
    Command1 = addPictureButton(CreateButtonIcon(), createText);
    Command1->setObjectName(QStringLiteral("Command1"));
    Label1 = addLabel(createText, Command1);
    Label1->setObjectName(QStringLiteral("Label1"));

    const QString editText = Tr(MessageId::EditLabel);
    Command2 = addPictureButton(EditButtonIcon(), editText);
    Command2->setObjectName(QStringLiteral("Command2"));
    Label2 = addLabel(editText, Command2);
    Label2->setObjectName(QStringLiteral("Label2"));

    Command4 = new QPushButton(Tr(MessageId::CloseButton), this);
    Command4->setObjectName(QStringLiteral("Command4"));
    Command4->setAutoDefault(true);  // Enter presses the focused button, as Space does

    // As designed until the window is on the screen (fitLayout() gives longer texts their room);
    // mirrored right to left.
    ApplyLayout(this, LayOutForm1(AsDesigned(), isRightToLeft()), parts());

    // Tab order: Close, create, edit, banner, and round again.
    setTabOrder(Command4, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Picture1);
    setTabOrder(Picture1, Command4);
    Command4->setFocus();

    connect(Command1, &QPushButton::clicked, this, [this] { launcher_.onCreateClicked(); });
    connect(Command2, &QPushButton::clicked, this, [this] { launcher_.onEditClicked(); });
    connect(Command4, &QPushButton::clicked, this, [this] { launcher_.onCloseClicked(); });
}

QPushButton* Form1::addPictureButton(const QIcon& icon, const QString& name) {
    auto* button = new QPushButton(this);
    button->setIcon(icon);
    button->setIconSize(QSize(32, 32));
    button->setAccessibleName(name);  // what a screen reader says for a picture-only button
    button->setToolTip(name);
    button->setAutoDefault(true);
    return button;
}

// A label in Arial 11.25 pt beside the button it describes (the layout centres it there). It is
// that button's label for screen readers, so they read the text once, as the button's.
QLabel* Form1::addLabel(const QString& text, QPushButton* beside) {
    auto* label = new QLabel(text, this);
    label->setBuddy(beside);
    label->setFont(LabelFont());
    label->setWordWrap(true);  // where a translation is wider than the window
    return label;
}

std::array<QWidget*, static_cast<std::size_t>(Form1Part::Count)> Form1::parts() const {
    return {Picture1, Command1, Label1, Command2, Label2, Command4};
}

// The controls placed for their texts as measured. The window's size is the same in every
// language, so this waits until the window is on the screen and runs before its first drawing:
// the program's first text work (the fonts' start-up) comes after the window appears, as it did
// before texts were measured, and nothing is ever drawn at a place it then leaves.
void Form1::fitLayout() {
    const auto widgets = parts();
    ApplyLayout(this, LayOutForm1(WidgetMeasure(widgets), isRightToLeft()), widgets);
    fitted_ = true;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (!fitted_ && watched == windowHandle() && event->type() == QEvent::Expose) {
        fitLayout();
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::showEvent(QShowEvent* event) {
    centreOnScreen();
    showBannerForScreen();
    if (windowHandle() != nullptr && !followsScreen_) {
        followsScreen_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] { showBannerForScreen(); });
        windowHandle()->installEventFilter(this);
    }
    QWidget::showEvent(event);
}

// The banner drawn for the pixel ratio of the screen the window is on.
void Form1::showBannerForScreen() {
    const qreal ratio = devicePixelRatioF();
    if (Picture1->pixmap().devicePixelRatio() != ratio) {
        Picture1->setPixmap(BannerPixmap(ratio));
    }
}

void Form1::centreOnScreen() {
    const QScreen* s = screen();
    if (s == nullptr) {
        return;
    }
    QRect frame = frameGeometry();
    frame.moveCenter(s->availableGeometry().center());
    move(frame.topLeft());
}

}  // namespace tbr::qt
