#include "icon_parts.h"

#include <array>

namespace tbr::draw {

void FillOutlined(Canvas& canvas, const Shape& outer, const Shape& inner, const Paint& paint) {
    canvas.fill(outer, kOutline);
    canvas.fill(inner, paint);
}

void DrawSparkle(Canvas& canvas, Point c, Unit arm) {
    const Unit waist = arm * 22 / 100;
    canvas.fill(Sparkle(c, arm + Units(1.3), waist + Units(0.75)), Rgb{170, 92, 10});
    canvas.fill(Sparkle(c, arm, waist), Linear({c.x - arm, c.y - arm}, Rgb{255, 244, 140},
                                               {c.x + arm, c.y + arm}, Rgb{250, 184, 0}));
    canvas.fill(Sparkle(c, arm / 2, waist / 2), Rgb{255, 252, 220});
}

void DrawMenuCard(Canvas& canvas) {
    FillOutlined(canvas, RoundRect(Units(3), Units(3), Units(22), Units(30), Units(2)),
                 RoundRect(Units(4), Units(4), Units(21), Units(29), Units(1)),
                 Linear({Units(4), Units(4)}, kWhite, {Units(21), Units(29)}, Rgb{222, 228, 240}));
    // The highlighted first row.
    canvas.fill(Rect(Units(5), Units(6), Units(20), Units(11)),
                Linear({0, Units(6)}, Rgb{84, 146, 234}, {0, Units(11)}, Rgb{28, 68, 170}));
    canvas.fill(Rect(Units(6), Units(7), Units(9), Units(10)), kWhite);
    canvas.fill(Rect(Units(11), Units(8), Units(18), Units(9)), kWhite);
    // Four rows, each a bullet and a line of text.
    constexpr std::array<Rgb, 4> kBullets{
        {{214, 40, 48}, {48, 160, 72}, {250, 190, 20}, {126, 70, 190}}};
    constexpr std::array<int, 4> kLineEnds{18, 16, 19, 15};
    for (std::size_t i = 0; i < kBullets.size(); ++i) {
        const Unit y = Units(13) + Units(4) * static_cast<Unit>(i);
        canvas.fill(Rect(Units(6), y, Units(9), y + Units(2)), kBullets[i]);
        canvas.fill(Rect(Units(11), y, Px(kLineEnds[i]), y + Units(2)), Rgb{150, 158, 178});
    }
}

}  // namespace tbr::draw
