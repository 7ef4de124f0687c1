// The three icons of the main window and the program, drawn in 32 x 32 coordinates and written
// at each size their file holds.
#include <initializer_list>
#include <vector>

#include "icon_palette.h"
#include "icon_parts.h"
#include "pictures.h"

namespace tbr::draw {
namespace {

constexpr int kIconSize = 32;

// One icon file: the drawing at each size, the natural 32 x 32 first (readers that take one image
// take the first).
Bytes EncodeIcon(void (*draw)(Canvas&), std::initializer_list<int> sizes) {
    std::vector<IcoEntry> entries;
    for (const int size : sizes) {
        Canvas canvas(size, size, Rgba{0, 0, 0, 0}, Scale{size, kIconSize});
        draw(canvas);
        entries.push_back({ToIndexed(canvas)});
    }
    return EncodeIco(entries);
}

// Points on a 45-degree axis rising to the right from `origin`: `along` steps up and right,
// `across` steps down and right. Both are in units of x and y alike.
struct Diagonal {
    Point origin;
    Point at(Unit along, Unit across) const {
        return {origin.x + along + across, origin.y - along + across};
    }
    // The quadrilateral between two positions along the axis with a half-width across it.
    Shape band(Unit from, Unit to, Unit halfWidth) const {
        return Polygon(
            {at(from, -halfWidth), at(to, -halfWidth), at(to, halfWidth), at(from, halfWidth)});
    }
    // A gradient across the axis, light on the upper-left side.
    Paint across(Rgb light, Rgb dark, Unit halfWidth) const {
        return Linear(at(0, -halfWidth), light, at(0, halfWidth), dark);
    }
};

void PaintCreateIcon(Canvas& c) {
    constexpr Unit left = Units(6), right = Units(27), top = Units(3), bottom = Units(30),
                   fold = Units(7);
    // The page with its top-right corner folded over.
    FillOutlined(c,
                 Polygon({{left, top},
                          {right - fold, top},
                          {right, top + fold},
                          {right, bottom},
                          {left, bottom}}),
                 Polygon({{left + Units(1), top + Units(1)},
                          {right - fold - Units(0.4), top + Units(1)},
                          {right - Units(1), top + fold + Units(0.4)},
                          {right - Units(1), bottom - Units(1)},
                          {left + Units(1), bottom - Units(1)}}),
                 Linear({left, top}, kWhite, {right, bottom}, Rgb{214, 222, 236}));
    c.fill(Polygon({{right - fold, top}, {right - fold, top + fold}, {right, top + fold}}),
           kOutline);
    c.fill(
        Polygon({{right - fold + Units(1), top + Units(2.4)},
                 {right - fold + Units(1), top + fold - Units(1)},
                 {right - Units(2.4), top + fold - Units(1)}}),
        Linear({right - fold, top + fold}, Rgb{236, 240, 248}, {right, top}, Rgb{176, 188, 210}));
    DrawSparkle(c, {Units(7.5), Units(7.5)}, Units(5.8));
    DrawSparkle(c, {Units(15.5), Units(2.5)}, Units(1.8));
}

void PaintEditIcon(Canvas& c) {
    DrawMenuCard(c);
    // A fountain pen writing on the card: nib at the lower left, barrel up to the right.
    const Diagonal pen{{Units(10), Units(26)}};
    constexpr Unit nib = Units(4), grip = Units(5.5), ring = Units(10.5), end = Units(15),
                   half = Units(1.7);
    c.fillCrisp(
        Unite({Polygon({pen.at(-Units(1), 0), pen.at(nib, -Units(2.5)), pen.at(nib, Units(2.5))}),
               pen.band(nib - Units(0.5), end, half + Units(1)),
               Capsule(pen.at(end, 0), pen.at(end, 0), half + Units(1))}),
        Solid(kOutline));
    c.fillCrisp(Polygon({pen.at(0, 0), pen.at(nib, -Units(1.5)), pen.at(nib, Units(1.5))}),
                pen.across(Rgb{255, 238, 160}, Rgb{200, 140, 16}, Units(1.5)));
    c.fillCrisp(pen.band(nib, grip, half), pen.across(Rgb{120, 126, 140}, Rgb{16, 20, 30}, half));
    c.fillCrisp(Unite({pen.band(grip, end, half), Capsule(pen.at(end, 0), pen.at(end, 0), half)}),
                pen.across(Rgb{130, 186, 255}, Rgb{18, 50, 150}, half));
    c.fillCrisp(pen.band(ring, ring + Units(1), half),
                pen.across(Rgb{255, 240, 160}, Rgb{190, 132, 20}, half));
}

void PaintAppIcon(Canvas& c) {
    DrawMenuCard(c);
    // The wand rises from the lower left towards the star; its white tip shows below the star.
    const Diagonal wand{{Units(6.5), Units(27.5)}};
    constexpr Unit length = Units(14), half = Units(1.4), tip = Units(5), toStar = Units(18);
    const Shape stick = Capsule(wand.at(0, 0), wand.at(length, 0), half);
    c.fillCrisp(Capsule(wand.at(0, 0), wand.at(length, 0), half + Units(1)), Solid(kOutline));
    c.fillCrisp(stick, wand.across(Rgb{100, 104, 124}, Rgb{8, 8, 16}, half));
    c.fillCrisp(Intersect(stick, wand.band(length - tip, length + half, half + Units(1))),
                wand.across(kWhite, Rgb{176, 186, 208}, half));
    // The star at the wand's tip and a sparkle beside it.
    const Point centre = wand.at(toStar, 0);
    c.fill(Star(centre, Units(8), Units(3.9)), Rgb{150, 78, 6});
    c.fill(Star(centre, Units(6.6), Units(3.1)),
           Linear({centre.x - Units(5), centre.y - Units(6)}, Rgb{255, 246, 150},
                  {centre.x + Units(5), centre.y + Units(5)}, Rgb{246, 168, 0}));
    c.fill(Star({centre.x - Units(0.5), centre.y - Units(0.5)}, Units(2.6), Units(1.2)),
           Rgb{255, 252, 220});
    DrawSparkle(c, {Units(28.5), Units(20.5)}, Units(2.2));
}

}  // namespace

// The button pictures at 96, 144 and 192 DPI (scale 1, 1.5 and 2).
Bytes DrawCreateIcon() {
    return EncodeIcon(PaintCreateIcon, {32, 48, 64});
}

Bytes DrawEditIcon() {
    return EncodeIcon(PaintEditIcon, {32, 48, 64});
}

// The sizes that Windows asks of a program's icon (16 to 256) and twice the window icon's.
Bytes DrawAppIcon() {
    return EncodeIcon(PaintAppIcon, {32, 16, 24, 48, 64, 256});
}

}  // namespace tbr::draw
