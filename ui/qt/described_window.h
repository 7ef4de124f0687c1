// A window built from its description (common/window_description.h): one widget for each
// control, in the kind the description names, with its name, caption, screen-reader name, tab
// order, page and place. What happens is the window's behaviour's: the window reports clicks and
// typed texts by control, and shows what the behaviour hands back.
#pragma once

#include <QAccessible>
#include <QFont>
#include <QRect>
#include <QWidget>
#include <span>
#include <vector>

#include "common/window_description.h"

namespace tbr::qt {

// Window layouts are drawn in twips (1/1440 inch); Qt's device-independent pixel is 1/96 inch,
// so 15 twips make a pixel and Qt scales the result on high-resolution screens.
constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips) {
    return twips / kTwipsPerPixel;
}

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

// The windows have fixed layouts measured for the classic 8-point dialog font, so they carry
// their fonts with them instead of taking the desktop's, which may be larger: Arial at 8.25 pt,
// the main window's labels at 11.25 pt. "Arial" resolves to a metric-compatible face where the
// fonts-liberation package is installed.
inline constexpr qreal kDialogPoints = 8.25;
inline constexpr qreal kLabelPoints = 11.25;
inline QFont ArialFont(qreal points) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    return font;
}

// The widgets' texts, measured in their fonts and style; widgets by the window's enumeration. A
// label's lines are its own word wrapping's.
class WidgetMeasure : public TextMeasure {
  public:
    explicit WidgetMeasure(std::span<QWidget* const> widgets) : widgets_(widgets) {}
    int lineWidth(int control) const override;
    int lineHeight(int control) const override;
    int wrappedHeight(int control, int width) const override;

  private:
    std::span<QWidget* const> widgets_;
};

class DescribedWindow : public QWidget {
    Q_OBJECT
  public:
    ~DescribedWindow() override;

    // The control at part (the window's enumeration of its controls).
    template <typename Part>
    QWidget* control(Part part) const {
        return controls_.at(static_cast<std::size_t>(part));
    }
    const WindowDescription& description() const { return description_; }

  signals:
    // A button or option clicked (an option also by the arrow keys), or the page's default button
    // pressed by Enter.
    void clicked(int part);
    void textChanged(int part, const std::string& text);

  protected:
    DescribedWindow(const WindowDescription& description, QWidget* parent);

    // Places the controls for their texts as measured, or as designed before they can be.
    void layOut(bool measured);
    // Shows each control's state, by part.
    void render(std::span<const ControlState> states);

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QWidget* create(const ControlDescription& control, int part);
    int pageDefault() const;
    void showDefaultButton();

    const WindowDescription& description_;
    std::vector<QWidget*> controls_;
    QMetaObject::Connection focusChanges_;
    bool hasDefaultButtons_ = false;
    bool shownBefore_ = false;
};

// Gives a window its role for screen readers (a frame or a dialog), with its title as its name.
// Qt reports a plain QWidget window as a mere "filler", so a reader would not say that a window
// opened.
void SetAccessibleWindowRole(QWidget* window, QAccessible::Role role);

}  // namespace tbr::qt
