#include "ui/qt/described_window.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>

#include "ui/qt/pictures.h"
#include "ui/qt/translations.h"

namespace tbr::qt {
namespace {

int Twips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// What a push button draws around its text: the style's margin, frame and default indicator,
// without the least width some styles give every button.
int ButtonWidth(const QPushButton& button) {
    if (button.text().isEmpty()) {
        return 0;
    }
    const QStyle* style = button.style();
    int width = button.fontMetrics().horizontalAdvance(button.text()) +
                style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
                2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
    if (button.autoDefault()) {
        width += 2 * style->pixelMetric(QStyle::PM_ButtonDefaultIndicator, nullptr, &button);
    }
    return width;
}

constexpr char kRoleProperty[] = "tbrAccessibleWindowRole";

// Qt asks the installed factories before its own, once for each class of a widget from the most
// derived one up; the first answer is the widget's interface. A window that carries a role gets
// the interface Qt would give it anyway (a QAccessibleWidget) with that role instead of Client.
QAccessibleInterface* WindowWithRole(const QString& /*className*/, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    const QVariant role = widget->property(kRoleProperty);
    if (!widget->isWindow() || !role.isValid()) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

int WidgetMeasure::lineWidth(int control) const {
    const QWidget* widget = widgets_[static_cast<std::size_t>(control)];
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        return Twips(ButtonWidth(*button));
    }
    if (const auto* option = qobject_cast<const QRadioButton*>(widget)) {
        return Twips(option->sizeHint().width());
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget);
        label && !label->text().isEmpty()) {
        // Measured as the label lays out its text, overhangs included.
        const QRect line = label->fontMetrics().boundingRect(
            QRect(0, 0, 100000, 100000), Qt::TextWordWrap | label->alignment(), label->text());
        return Twips(line.width() + 2 * label->margin() + 2 * label->frameWidth());
    }
    return 0;
}

int WidgetMeasure::lineHeight(int control) const {
    const QWidget* widget = widgets_[static_cast<std::size_t>(control)];
    QString text;
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        text = button->text();
    } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        text = label->text();
    }
    // As tall as the tallest script in it: a fallback font may be taller than the window's own.
    return text.isEmpty() ? 0 : Twips(widget->fontMetrics().boundingRect(text).height());
}

int WidgetMeasure::wrappedHeight(int control, int width) const {
    const auto* label = qobject_cast<const QLabel*>(widgets_[static_cast<std::size_t>(control)]);
    return label == nullptr ? 0 : Twips(label->heightForWidth(Px(width)));
}

DescribedWindow::DescribedWindow(const WindowDescription& description, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      description_(description) {
    setObjectName(QString::fromLatin1(description.name));
    setWindowTitle(Tr(description.title));
    setFont(ArialFont(kDialogPoints));
    for (const ControlDescription& control : description.controls) {
        QWidget* widget = create(control, static_cast<int>(controls_.size()));
        widget->setObjectName(QString::fromLatin1(control.name));
        controls_.push_back(widget);
    }
    // Tab goes round the controls in the order they were made, the description's. Labels name
    // the control after them.
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (const int part = LabelledControl(description, i); part != kNoControl) {
            auto* label = static_cast<QLabel*>(controls_[i]);
            QWidget* named = controls_.at(static_cast<std::size_t>(part));
            label->setBuddy(named);
            if (named->accessibleName().isEmpty()) {
                named->setAccessibleName(label->text());
            }
        }
        hasDefaultButtons_ = hasDefaultButtons_ || description.controls[i].defaultButton;
    }
    focusChanges_ =
        connect(qApp, &QApplication::focusChanged, this, [this] { showDefaultButton(); });
}

// The window hides as it goes, which moves the focus: by then its controls are no longer known.
DescribedWindow::~DescribedWindow() {
    disconnect(focusChanges_);
}

QWidget* DescribedWindow::create(const ControlDescription& control, int part) {
    const QString caption = control.caption ? Tr(*control.caption) : QString();
    switch (control.role) {
        case ControlRole::Banner: {
            // White, a thin sunken border, the picture at its natural size top-left.
            auto* banner = new QLabel(this);
            banner->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
            banner->setAutoFillBackground(true);
            QPalette white = banner->palette();
            white.setColor(QPalette::Window, Qt::white);
            banner->setPalette(white);
            banner->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            banner->setFocusPolicy(Qt::StrongFocus);
            banner->setAccessibleName(caption);
            return banner;
        }
        case ControlRole::Label: {
            auto* label = new QLabel(caption, this);
            label->setWordWrap(true);  // where a translation is wider than the window
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            if (control.font == ControlFont::Label) {
                label->setFont(ArialFont(kLabelPoints));
            }
            return label;
        }
        case ControlRole::Option: {
            auto* option = new QRadioButton(caption, this);
            // Clicks and the arrow keys: only the option that is now selected reports.
            connect(option, &QRadioButton::toggled, this, [this, part](bool on) {
                if (on) {
                    emit clicked(part);
                }
            });
            return option;
        }
        case ControlRole::TextBox: {
            // A path (holdsPath) needs nothing: a line edit reads its text in the direction of
            // its first letter, and every path the wizard shows begins left to right ("/home").
            auto* box = new QLineEdit(this);
            if (control.spokenName) {
                box->setAccessibleName(Tr(*control.spokenName));
            }
            connect(box, &QLineEdit::textChanged, this, [this, part](const QString& text) {
                emit textChanged(part, text.toStdString());
            });
            return box;
        }
        case ControlRole::PictureButton:
        case ControlRole::PushButton:
            break;
    }
    auto* button = new QPushButton(this);
    if (control.role == ControlRole::PictureButton) {
        button->setIcon(control.picture == ControlPicture::Create ? CreateButtonIcon()
                                                                  : EditButtonIcon());
        button->setIconSize(QSize(32, 32));
        button->setAccessibleName(caption);  // what a screen reader says for a picture alone
        button->setToolTip(caption);
    } else {
        button->setText(caption);
    }
    button->setAutoDefault(true);  // Enter presses the focused button, as Space does
    connect(button, &QPushButton::clicked, this, [this, part] { emit clicked(part); });
    return button;
}

void DescribedWindow::layOut(bool measured) {
    const WindowLayout layout = measured
                                    ? description_.layOut(WidgetMeasure(controls_), isRightToLeft())
                                    : description_.layOut(AsDesigned(), isRightToLeft());
    setFixedSize(Px(layout.width), Px(layout.height));
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const LayoutRect& r = layout.controls[i];
        controls_[i]->setGeometry(TwipsRect(r.left, r.top, r.width, r.height));
    }
}

void DescribedWindow::render(std::span<const ControlState> states) {
    for (std::size_t i = 0; i < states.size(); ++i) {
        const ControlState& state = states[i];
        QWidget* widget = controls_[i];
        widget->setVisible(state.visible);
        widget->setEnabled(state.enabled);
        const QSignalBlocker quiet(widget);  // the behaviour already knows what it hands back
        if (auto* option = qobject_cast<QRadioButton*>(widget); option && state.checked) {
            option->setChecked(true);
        }
        auto* box = qobject_cast<QLineEdit*>(widget);
        if (box != nullptr && state.text && box->text() != QString::fromStdString(*state.text)) {
            box->setText(QString::fromStdString(*state.text));
        }
    }
    showDefaultButton();
}

// The default button of the page shown; -1 where it has none.
int DescribedWindow::pageDefault() const {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (description_.controls[i].defaultButton && controls_[i]->isVisibleTo(this)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// A window with default buttons shows one default button at a time, as a dialog does: its page's
// own, and while another button has the focus, that one (Enter presses the focused button).
void DescribedWindow::showDefaultButton() {
    if (!hasDefaultButtons_) {
        return;  // the look stays the toolkit's
    }
    QPushButton* shown = qobject_cast<QPushButton*>(focusWidget());
    if (shown == nullptr || !shown->isVisible()) {
        const int part = pageDefault();
        shown = part < 0 ? nullptr : static_cast<QPushButton*>(control(part));
    }
    for (QWidget* widget : controls_) {
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            button->setDefault(button == shown);
        }
    }
}

// Enter that no push button took (a focused button takes it itself): the page's default button,
// where it is enabled.
void DescribedWindow::keyPressEvent(QKeyEvent* event) {
    const int part = pageDefault();
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && part >= 0) {
        if (control(part)->isEnabled()) {
            emit clicked(part);
        }
        return;
    }
    QWidget::keyPressEvent(event);
}

// The window is placed as described each time it is shown; the focus starts on the first control
// of the tab order.
void DescribedWindow::showEvent(QShowEvent* event) {
    if (const QScreen* screen = this->screen();
        screen != nullptr && description_.placement == Placement::CentredOnScreen) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QWidget::showEvent(event);
    if (!shownBefore_) {
        shownBefore_ = true;
        controls_.at(FirstFocus(description_))->setFocus();
    }
}

void SetAccessibleWindowRole(QWidget* window, QAccessible::Role role) {
    static const bool installed = [] {
        QAccessible::installFactory(WindowWithRole);
        return true;
    }();
    (void)installed;
    window->setProperty(kRoleProperty, static_cast<int>(role));
}

}  // namespace tbr::qt
