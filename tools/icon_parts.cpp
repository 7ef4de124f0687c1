#include "icon_parts.h"

#include <array>

namespace tbr::draw {

void fillOutlined(Canvas& canvas, const Shape& outer, const Shape& inner, const Paint& paint) {
    canvas.fill(outer, kOutline);
    canvas.fill(inner, paint);
}

void drawSparkle(Canvas& canvas, Point c, Unit arm) {
    const Unit waist = arm * 22 / 100;
    canvas.fill(sparkle(c, arm + u(1.3), waist + u(0.75)), Rgb{170, 92, 10});
    canvas.fill(sparkle(c, arm, waist), linear({c.x - arm, c.y - arm}, Rgb{255, 244, 140},
                                               {c.x + arm, c.y + arm}, Rgb{250, 184, 0}));
    canvas.fill(sparkle(c, arm / 2, waist / 2), Rgb{255, 252, 220});
}

void drawMenuCard(Canvas& canvas) {
    fillOutlined(canvas, roundRect(u(3), u(3), u(22), u(30), u(2)),
                 roundRect(u(4), u(4), u(21), u(29), u(1)),
                 linear({u(4), u(4)}, kWhite, {u(21), u(29)}, Rgb{222, 228, 240}));
    // The highlighted first row.
    canvas.fill(rect(u(5), u(6), u(20), u(11)),
                linear({0, u(6)}, Rgb{84, 146, 234}, {0, u(11)}, Rgb{28, 68, 170}));
    canvas.fill(rect(u(6), u(7), u(9), u(10)), kWhite);
    canvas.fill(rect(u(11), u(8), u(18), u(9)), kWhite);
    // Four rows, each a bullet and a line of text.
    constexpr std::array<Rgb, 4> kBullets{
        {{214, 40, 48}, {48, 160, 72}, {250, 190, 20}, {126, 70, 190}}};
    constexpr std::array<int, 4> kLineEnds{18, 16, 19, 15};
    for (std::size_t i = 0; i < kBullets.size(); ++i) {
        const Unit y = u(13) + u(4) * static_cast<Unit>(i);
        canvas.fill(rect(u(6), y, u(9), y + u(2)), kBullets[i]);
        canvas.fill(rect(u(11), y, px(kLineEnds[i]), y + u(2)), Rgb{150, 158, 178});
    }
}

}  // namespace tbr::draw
