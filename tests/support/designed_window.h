// A window's description checked against the window as it was designed, control by control.
#pragma once

#include <gtest/gtest.h>

#include <span>

#include "common/window_description.h"
#include "messages/messages.h"

namespace tbr::testing {

// A control as designed: in pixels at 96 DPI (15 twips each), in tab order (0: takes no focus).
struct DesignedControl {
    const char* name;
    ControlRole role;
    const char* caption;  // "": none
    LayoutRect pixels;
    int page;
    int tab;
};

// The window's controls are these, in this order, and its layout for texts that fit is the
// designed one, widthPixels by heightPixels.
inline void ExpectAsDesigned(const WindowDescription& window, int widthPixels, int heightPixels,
                             std::span<const DesignedControl> rows) {
    ASSERT_EQ(window.controls.size(), rows.size());
    const WindowLayout layout = window.layOut(AsDesigned(), false);
    EXPECT_EQ(layout.width, widthPixels * 15);
    EXPECT_EQ(layout.height, heightPixels * 15);
    int tab = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ControlDescription& control = window.controls[i];
        SCOPED_TRACE(rows[i].name);
        EXPECT_STREQ(control.name, rows[i].name);
        EXPECT_EQ(control.role, rows[i].role);
        EXPECT_EQ(control.caption ? EnglishText(*control.caption) : "", rows[i].caption);
        EXPECT_EQ(control.page, rows[i].page);
        const LayoutRect& p = rows[i].pixels;
        EXPECT_EQ(layout.controls[i],
                  (LayoutRect{p.left * 15, p.top * 15, p.width * 15, p.height * 15}));
        EXPECT_EQ(TakesFocus(control.role) ? ++tab : 0, rows[i].tab);
    }
}

}  // namespace tbr::testing
