#include "ui/qt/form1.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "ui/qt/fonts.h"
#include "ui/qt/pictures.h"
#include "ui/qt/twips.h"
#include "ui/qt/window_role.h"

namespace tbr::qt {
namespace {

constexpr char kCreateLabel[] = "Create a new Tambrel.";
constexpr char kEditLabel[] = "Edit an existing Tambrel.";

}  // namespace

Form1::Form1(Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      launcher_(services) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kMainWindowTitle));
    if (QApplication::windowIcon().isNull()) {
        setWindowIcon(ApplicationIcon());  // else the program's icon, set for all its windows
    }
    SetAccessibleWindowRole(this, QAccessible::Window);
    setFixedSize(Px(5145), Px(5400));
    setFont(DialogFont());

    // The banner box: white, a thin sunken border, the logo at its natural size top-left.
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(TwipsRect(0, 0, 5145, 1275));
    Picture1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    Picture1->setAutoFillBackground(true);
    QPalette white = Picture1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Picture1->setPalette(white);
    Picture1->setPixmap(BannerPixmap(devicePixelRatioF()));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->setAccessibleName(QString::fromUtf8(kMainWindowTitle));

    Command1 = addPictureButton(TwipsRect(360, 1560, 975, 975), CreateButtonIcon(), kCreateLabel);
    Command1->setObjectName(QStringLiteral("Command1"));
    Label1 = addLabel(kCreateLabel, Command1, 1680, 2505);
    Label1->setObjectName(QStringLiteral("Label1"));

    Command2 = addPictureButton(TwipsRect(360, 2640, 975, 975), EditButtonIcon(), kEditLabel);
    Command2->setObjectName(QStringLiteral("Command2"));
    Label2 = addLabel(kEditLabel, Command2, 1680, 2670);
    Label2->setObjectName(QStringLiteral("Label2"));

    Command4 = new QPushButton(QStringLiteral("Close"), this);
    Command4->setObjectName(QStringLiteral("Command4"));
    Command4->setGeometry(TwipsRect(3720, 4800, 1215, 375));
    Command4->setAutoDefault(true);  // Enter presses the focused button, as Space does

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

QPushButton* Form1::addPictureButton(const QRect& geometry, const QIcon& icon,
                                     const QString& name) {
    auto* button = new QPushButton(this);
    button->setGeometry(geometry);
    button->setIcon(icon);
    button->setIconSize(QSize(32, 32));
    button->setAccessibleName(name);  // what a screen reader says for a picture-only button
    button->setToolTip(name);
    button->setAutoDefault(true);
    return button;
}

// A label sized to its text in Arial 11.25 pt (the width is given; measuring the text here would
// put the font machinery's start-up before the window's first appearance), its vertical centre on
// the centre of the button it describes. It is that button's label for screen readers, so they
// read the text once, as the button's.
QLabel* Form1::addLabel(const QString& text, QPushButton* beside, int left, int width) {
    auto* label = new QLabel(text, this);
    label->setBuddy(beside);
    label->setFont(LabelFont());
    label->resize(Px(width), Px(255));
    const int top = beside->y() + (beside->height() - label->height()) / 2;
    label->move(Px(left), top);
    return label;
}

void Form1::showEvent(QShowEvent* event) {
    centreOnScreen();
    showBannerForScreen();
    if (windowHandle() != nullptr && !followsScreen_) {
        followsScreen_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] { showBannerForScreen(); });
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
