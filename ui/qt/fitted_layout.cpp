#include "ui/qt/fitted_layout.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "ui/qt/twips.h"

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
    if (label == nullptr) {
        return 0;
    }
    return Twips(label->heightForWidth(Px(width)));
}

void ApplyLayout(QWidget* window, const WindowLayout& layout, std::span<QWidget* const> widgets) {
    window->setFixedSize(Px(layout.width), Px(layout.height));
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        const LayoutRect& r = layout.controls[i];
        QWidget* widget = widgets[i];
        widget->setGeometry(TwipsRect(r.left, r.top, r.width, r.height));
    }
}

}  // namespace tbr::qt
