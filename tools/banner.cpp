// The main window's banner: an emblem (a menu card and a magic wand on a blue tile) and the
// product name with a tagline, on white.
#include <algorithm>

#include "font.h"
#include "icon_parts.h"
#include "pictures.h"
#include "resources/banner_words.h"

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
void Shadow(Canvas& c, const Shape& shape, Unit dx, Unit dy, int opacity) {
    c.fill(Translate(shape, dx, dy), Rgb{20, 30, 70}, opacity);
}

void DrawTile(Canvas& c) {
    constexpr Unit x0 = Units(5), y0 = Units(5), x1 = Units(75), y1 = Units(75), r = Units(14);
    for (int i = 3; i >= 1; --i) {
        const Unit grow = Units(1) * i;
        Shadow(
            c,
            RoundRect(x0 - grow, y0 - grow + Units(2), x1 + grow, y1 + grow + Units(2), r + grow),
            0, 0, 14);
    }
    c.fill(RoundRect(x0, y0, x1, y1, r),
           Linear({x0, y0}, Rgb{70, 132, 236}, {x1, y1}, Rgb{92, 44, 168}));
    // A faint gloss over the upper half.
    c.fill(Intersect(
               RoundRect(x0 + Units(1), y0 + Units(1), x1 - Units(1), y1 - Units(1), r - Units(1)),
               Ellipse(Units(40), Units(5), Units(52), Units(30))),
           kWhite, 34);
}

void DrawCard(Canvas& c) {
    // Turned about 8.8 degrees counter-clockwise (84-13-85 triangle).
    const Frame f{{Units(14), Units(17)}, 84, -13, 85};
    constexpr Unit w = Units(34), h = Units(44);
    c.fill(Translate(f.place(RoundRect(0, 0, w, h, Units(3))), Units(2), Units(3)), Rgb{20, 20, 60},
           80);
    c.fill(f.place(RoundRect(0, 0, w, h, Units(3))),
           Linear(f.map({0, 0}), kWhite, f.map({w, h}), Rgb{216, 226, 244}));
    c.fill(
        f.place(Rect(Units(3), Units(5), w - Units(3), Units(12))),
        Linear(f.map({0, Units(5)}), Rgb{84, 148, 240}, f.map({0, Units(12)}), Rgb{30, 74, 186}));
    c.fill(f.place(RoundRect(Units(6), Units(7), Units(9), Units(10), Units(1))), kWhite);
    c.fill(f.place(RoundRect(Units(12), Units(7.8), Units(27), Units(9.4), Units(0.8))), kWhite);
    constexpr Rgb bullets[4] = {{216, 44, 56}, {46, 164, 76}, {250, 186, 20}, {128, 70, 196}};
    constexpr int lineEnds[4] = {28, 24, 29, 22};
    for (int i = 0; i < 4; ++i) {
        const Unit y = Units(17.5) + Units(6.5) * i;
        c.fill(f.place(Ellipse(Units(7.5), y, Units(2), Units(2))), bullets[i]);
        c.fill(f.place(RoundRect(Units(12), y - Units(1), Px(lineEnds[i]), y + Units(1), Units(1))),
               Rgb{150, 160, 180});
    }
}

void DrawWand(Canvas& c) {
    const Point a{Units(19), Units(66)}, b{Units(50), Units(31)};
    constexpr Unit half = Units(2.6);
    c.fill(Translate(Capsule(a, b, half), Units(1.5), Units(2.5)), Rgb{20, 20, 60}, 90);
    c.fill(Capsule(a, b, half + Units(0.8)), Rgb{16, 16, 28});
    c.fill(Capsule(a, b, half), Linear({a.x - half, a.y - half}, Rgb{110, 112, 130},
                                       {a.x + half, a.y + half}, Rgb{12, 12, 20}));
    // White tips at both ends.
    const Point tip{b.x - (b.x - a.x) / 6, b.y - (b.y - a.y) / 6};
    c.fill(Intersect(Capsule(a, b, half), Rect(tip.x, b.y - half, b.x + half, tip.y + half)),
           Rgb{246, 248, 252});
    const Point heel{a.x + (b.x - a.x) / 10, a.y + (b.y - a.y) / 10};
    c.fill(Intersect(Capsule(a, b, half), Rect(a.x - half, heel.y, heel.x, a.y + half)),
           Rgb{236, 238, 246});
}

void DrawStar(Canvas& c) {
    const Point centre{Units(54), Units(25)};
    c.fill(Translate(Star(centre, Units(15), Units(7)), Units(1), Units(2)), Rgb{20, 20, 60}, 70);
    c.fill(Star(centre, Units(15), Units(7)), Rgb{186, 110, 8});
    c.fill(Star(centre, Units(13.4), Units(6.1)),
           Linear({centre.x - Units(10), centre.y - Units(12)}, Rgb{255, 246, 160},
                  {centre.x + Units(8), centre.y + Units(10)}, Rgb{250, 170, 0}));
    c.fill(Star({centre.x - Units(1), centre.y - Units(1)}, Units(5), Units(2.4)),
           Rgb{255, 253, 230}, 200);
    DrawSparkle(c, {Units(67), Units(43)}, Units(4));
    DrawSparkle(c, {Units(38), Units(11)}, Units(3));
    c.fill(Ellipse(Units(69.5), Units(14), Units(1.2), Units(1.2)), kWhite);
    c.fill(Ellipse(Units(64), Units(55), Units(1), Units(1)), kWhite, 200);
}

// The words' places and colours are the ones the front ends write other languages' words in.
void DrawWords(Canvas& c) {
    using namespace tbr::resources;
    constexpr Unit left = Units(kBannerWordsLeft);
    const TextStyle title{Units(kBannerTitleCapHeight), 132, -6};
    const TextShape first = SetText("Tambrel", {left, Units(kBannerTitleBaseline)}, title);
    c.fill(first.shape,
           Rgb{kBannerTitleColour.red, kBannerTitleColour.green, kBannerTitleColour.blue});
    const Unit second = left + first.width + TextWidth(" ", title);
    const TextShape wizard = SetText("Wizard", {second, Units(kBannerTitleBaseline)}, title);
    c.fill(wizard.shape,
           Linear({second, 0}, Rgb{56, 104, 220}, {second + wizard.width, 0}, Rgb{112, 54, 180}));
    const TextStyle tagline{Units(kBannerTaglineCapHeight), 100, 30};
    c.fill(SetText("Create and edit Tambrel documents",
                   {left + Units(1), Units(kBannerTaglineBaseline)}, tagline)
               .shape,
           Rgb{kBannerTaglineColour.red, kBannerTaglineColour.green, kBannerTaglineColour.blue});
}

}  // namespace

Bytes DrawBanner(int scale) {
    Canvas c(kWidth * scale, kHeight * scale, Rgba{255, 255, 255, 255}, Scale{scale, 1});
    DrawTile(c);
    DrawCard(c);
    DrawWand(c);
    DrawStar(c);
    DrawWords(c);
    return EncodeBmp24(c, 96 * scale);
}

}  // namespace tbr::draw
