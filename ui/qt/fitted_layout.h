// A window's layout (app/form1_window.h, wizard/form2_window.h) applied to its widgets: the texts
// measured as the widgets draw them, the window sized, every widget placed.
#pragma once

#include <QWidget>
#include <span>

#include "common/window_layout.h"

namespace tbr::qt {

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

// Sizes window to the layout and places each widget. Labels that may wrap are word-wrapped.
void ApplyLayout(QWidget* window, const WindowLayout& layout, std::span<QWidget* const> widgets);

}  // namespace tbr::qt
