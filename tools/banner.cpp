// The main window's banner: an emblem (a menu card and a magic wand on a blue tile) and the
// product name with a tagline, on white.
#include <algorithm>

#include "font.h"
#include "icon_parts.h"
#include "pictures.h"

namespace tbr::draw {
namespace {

constexpr int kWidth = 317;
constexpr int kHeight = 81;

// A local coordinate system turned by a fixed angle whose cosine and sine are the exact ratios
// cos/hyp and sin/hyp, so that turning stays in integers.
struct Frame {
    Point origin;
    Unit cos = 1, sin = 0, hyp = 1;

    Point map(Point p) const {
        return {origin.x + (p.x * cos - p.y * sin) / hyp, origin.y + (p.x * sin + p.y * cos) / hyp};
    }
    Point unmap(Unit x, Unit y) const {
        const Unit dx = x - origin.x, dy = y - origin.y;
        return {(dx * cos + dy * sin) / hyp, (-dx * sin + dy * cos) / hyp};
    }
    Shape place(Shape local) const {
        const Point corners[4] = {map({local.x0, local.y0}), map({local.x1, local.y0}),
                                  map({local.x1, local.y1}), map({local.x0, local.y1})};
        Shape s{corners[0].x, corners[0].y, corners[0].x, corners[0].y, {}};
        for (const Point& c : corners) {
            s.x0 = std::min(s.x0, c.x);
            s.y0 = std::min(s.y0, c.y);
            s.x1 = std::max(s.x1, c.x);
            s.y1 = std::max(s.y1, c.y);
        }
        s.inside = [f = *this, local = std::move(local)](Unit x, Unit y) {
            const Point p = f.unmap(x, y);
            return local.inside(p.x, p.y);
        };
        return s;
    }
};

// A translucent dark copy of the shape, offset by dx, dy.
void shadow(Canvas& c, const Shape& shape, Unit dx, Unit dy, int opacity) {
    c.fill(translate(shape, dx, dy), Rgb{20, 30, 70}, opacity);
}

void drawTile(Canvas& c) {
    constexpr Unit x0 = u(5), y0 = u(5), x1 = u(75), y1 = u(75), r = u(14);
    for (int i = 3; i >= 1; --i) {
        const Unit grow = u(1) * i;
        shadow(c, roundRect(x0 - grow, y0 - grow + u(2), x1 + grow, y1 + grow + u(2), r + grow), 0,
               0, 14);
    }
    c.fill(roundRect(x0, y0, x1, y1, r),
           linear({x0, y0}, Rgb{70, 132, 236}, {x1, y1}, Rgb{92, 44, 168}));
    // A faint gloss over the upper half.
    c.fill(intersect(roundRect(x0 + u(1), y0 + u(1), x1 - u(1), y1 - u(1), r - u(1)),
                     ellipse(u(40), u(5), u(52), u(30))),
           kWhite, 34);
}

void drawCard(Canvas& c) {
    // Turned about 8.8 degrees counter-clockwise (84-13-85 triangle).
    const Frame f{{u(14), u(17)}, 84, -13, 85};
    constexpr Unit w = u(34), h = u(44);
    c.fill(translate(f.place(roundRect(0, 0, w, h, u(3))), u(2), u(3)), Rgb{20, 20, 60}, 80);
    c.fill(f.place(roundRect(0, 0, w, h, u(3))),
           linear(f.map({0, 0}), kWhite, f.map({w, h}), Rgb{216, 226, 244}));
    c.fill(f.place(rect(u(3), u(5), w - u(3), u(12))),
           linear(f.map({0, u(5)}), Rgb{84, 148, 240}, f.map({0, u(12)}), Rgb{30, 74, 186}));
    c.fill(f.place(roundRect(u(6), u(7), u(9), u(10), u(1))), kWhite);
    c.fill(f.place(roundRect(u(12), u(7.8), u(27), u(9.4), u(0.8))), kWhite);
    constexpr Rgb bullets[4] = {{216, 44, 56}, {46, 164, 76}, {250, 186, 20}, {128, 70, 196}};
    constexpr int lineEnds[4] = {28, 24, 29, 22};
    for (int i = 0; i < 4; ++i) {
        const Unit y = u(17.5) + u(6.5) * i;
        c.fill(f.place(ellipse(u(7.5), y, u(2), u(2))), bullets[i]);
        c.fill(f.place(roundRect(u(12), y - u(1), px(lineEnds[i]), y + u(1), u(1))),
               Rgb{150, 160, 180});
    }
}

void drawWand(Canvas& c) {
    const Point a{u(19), u(66)}, b{u(50), u(31)};
    constexpr Unit half = u(2.6);
    c.fill(translate(capsule(a, b, half), u(1.5), u(2.5)), Rgb{20, 20, 60}, 90);
    c.fill(capsule(a, b, half + u(0.8)), Rgb{16, 16, 28});
    c.fill(capsule(a, b, half), linear({a.x - half, a.y - half}, Rgb{110, 112, 130},
                                       {a.x + half, a.y + half}, Rgb{12, 12, 20}));
    // White tips at both ends.
    const Point tip{b.x - (b.x - a.x) / 6, b.y - (b.y - a.y) / 6};
    c.fill(intersect(capsule(a, b, half), rect(tip.x, b.y - half, b.x + half, tip.y + half)),
           Rgb{246, 248, 252});
    const Point heel{a.x + (b.x - a.x) / 10, a.y + (b.y - a.y) / 10};
    c.fill(intersect(capsule(a, b, half), rect(a.x - half, heel.y, heel.x, a.y + half)),
           Rgb{236, 238, 246});
}

void drawStar(Canvas& c) {
    const Point centre{u(54), u(25)};
    c.fill(translate(star(centre, u(15), u(7)), u(1), u(2)), Rgb{20, 20, 60}, 70);
    c.fill(star(centre, u(15), u(7)), Rgb{186, 110, 8});
    c.fill(star(centre, u(13.4), u(6.1)),
           linear({centre.x - u(10), centre.y - u(12)}, Rgb{255, 246, 160},
                  {centre.x + u(8), centre.y + u(10)}, Rgb{250, 170, 0}));
    c.fill(star({centre.x - u(1), centre.y - u(1)}, u(5), u(2.4)), Rgb{255, 253, 230}, 200);
    drawSparkle(c, {u(67), u(43)}, u(4));
    drawSparkle(c, {u(38), u(11)}, u(3));
    c.fill(ellipse(u(69.5), u(14), u(1.2), u(1.2)), kWhite);
    c.fill(ellipse(u(64), u(55), u(1), u(1)), kWhite, 200);
}

void drawWords(Canvas& c) {
    constexpr Unit left = u(86);
    const TextStyle title{u(20.5), 132, -6};
    const TextShape first = setText("Tambrel", {left, u(44)}, title);
    c.fill(first.shape, Rgb{26, 36, 86});
    const Unit second = left + first.width + textWidth(" ", title);
    const TextShape wizard = setText("Wizard", {second, u(44)}, title);
    c.fill(wizard.shape,
           linear({second, 0}, Rgb{56, 104, 220}, {second + wizard.width, 0}, Rgb{112, 54, 180}));
    const TextStyle tagline{u(8), 100, 30};
    c.fill(setText("Create and edit Tambrel documents", {left + u(1), u(60)}, tagline).shape,
           Rgb{88, 96, 116});
}

}  // namespace

Bytes drawBanner(int scale) {
    Canvas c(kWidth * scale, kHeight * scale, Rgba{255, 255, 255, 255}, Scale{scale, 1});
    drawTile(c);
    drawCard(c);
    drawWand(c);
    drawStar(c);
    drawWords(c);
    return encodeBmp24(c, 96 * scale);
}

}  // namespace tbr::draw
