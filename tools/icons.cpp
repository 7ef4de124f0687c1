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
Bytes encodeIcon(void (*draw)(Canvas&), std::initializer_list<int> sizes) {
    std::vector<IcoEntry> entries;
    for (const int size : sizes) {
        Canvas canvas(size, size, Rgba{0, 0, 0, 0}, Scale{size, kIconSize});
        draw(canvas);
        entries.push_back({toIndexed(canvas)});
    }
    return encodeIco(entries);
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
        return polygon(
            {at(from, -halfWidth), at(to, -halfWidth), at(to, halfWidth), at(from, halfWidth)});
    }
    // A gradient across the axis, light on the upper-left side.
    Paint across(Rgb light, Rgb dark, Unit halfWidth) const {
        return linear(at(0, -halfWidth), light, at(0, halfWidth), dark);
    }
};

void paintCreateIcon(Canvas& c) {
    constexpr Unit left = u(6), right = u(27), top = u(3), bottom = u(30), fold = u(7);
    // The page with its top-right corner folded over.
    fillOutlined(c,
                 polygon({{left, top},
                          {right - fold, top},
                          {right, top + fold},
                          {right, bottom},
                          {left, bottom}}),
                 polygon({{left + u(1), top + u(1)},
                          {right - fold - u(0.4), top + u(1)},
                          {right - u(1), top + fold + u(0.4)},
                          {right - u(1), bottom - u(1)},
                          {left + u(1), bottom - u(1)}}),
                 linear({left, top}, kWhite, {right, bottom}, Rgb{214, 222, 236}));
    c.fill(polygon({{right - fold, top}, {right - fold, top + fold}, {right, top + fold}}),
           kOutline);
    c.fill(
        polygon({{right - fold + u(1), top + u(2.4)},
                 {right - fold + u(1), top + fold - u(1)},
                 {right - u(2.4), top + fold - u(1)}}),
        linear({right - fold, top + fold}, Rgb{236, 240, 248}, {right, top}, Rgb{176, 188, 210}));
    drawSparkle(c, {u(7.5), u(7.5)}, u(5.8));
    drawSparkle(c, {u(15.5), u(2.5)}, u(1.8));
}

void paintEditIcon(Canvas& c) {
    drawMenuCard(c);
    // A fountain pen writing on the card: nib at the lower left, barrel up to the right.
    const Diagonal pen{{u(10), u(26)}};
    constexpr Unit nib = u(4), grip = u(5.5), ring = u(10.5), end = u(15), half = u(1.7);
    c.fillCrisp(unite({polygon({pen.at(-u(1), 0), pen.at(nib, -u(2.5)), pen.at(nib, u(2.5))}),
                       pen.band(nib - u(0.5), end, half + u(1)),
                       capsule(pen.at(end, 0), pen.at(end, 0), half + u(1))}),
                solid(kOutline));
    c.fillCrisp(polygon({pen.at(0, 0), pen.at(nib, -u(1.5)), pen.at(nib, u(1.5))}),
                pen.across(Rgb{255, 238, 160}, Rgb{200, 140, 16}, u(1.5)));
    c.fillCrisp(pen.band(nib, grip, half), pen.across(Rgb{120, 126, 140}, Rgb{16, 20, 30}, half));
    c.fillCrisp(unite({pen.band(grip, end, half), capsule(pen.at(end, 0), pen.at(end, 0), half)}),
                pen.across(Rgb{130, 186, 255}, Rgb{18, 50, 150}, half));
    c.fillCrisp(pen.band(ring, ring + u(1), half),
                pen.across(Rgb{255, 240, 160}, Rgb{190, 132, 20}, half));
}

void paintAppIcon(Canvas& c) {
    drawMenuCard(c);
    // The wand rises from the lower left towards the star; its white tip shows below the star.
    const Diagonal wand{{u(6.5), u(27.5)}};
    constexpr Unit length = u(14), half = u(1.4), tip = u(5), toStar = u(18);
    const Shape stick = capsule(wand.at(0, 0), wand.at(length, 0), half);
    c.fillCrisp(capsule(wand.at(0, 0), wand.at(length, 0), half + u(1)), solid(kOutline));
    c.fillCrisp(stick, wand.across(Rgb{100, 104, 124}, Rgb{8, 8, 16}, half));
    c.fillCrisp(intersect(stick, wand.band(length - tip, length + half, half + u(1))),
                wand.across(kWhite, Rgb{176, 186, 208}, half));
    // The star at the wand's tip and a sparkle beside it.
    const Point centre = wand.at(toStar, 0);
    c.fill(star(centre, u(8), u(3.9)), Rgb{150, 78, 6});
    c.fill(star(centre, u(6.6), u(3.1)),
           linear({centre.x - u(5), centre.y - u(6)}, Rgb{255, 246, 150},
                  {centre.x + u(5), centre.y + u(5)}, Rgb{246, 168, 0}));
    c.fill(star({centre.x - u(0.5), centre.y - u(0.5)}, u(2.6), u(1.2)), Rgb{255, 252, 220});
    drawSparkle(c, {u(28.5), u(20.5)}, u(2.2));
}

}  // namespace

// The button pictures at 96, 144 and 192 DPI (scale 1, 1.5 and 2).
Bytes drawCreateIcon() {
    return encodeIcon(paintCreateIcon, {32, 48, 64});
}

Bytes drawEditIcon() {
    return encodeIcon(paintEditIcon, {32, 48, 64});
}

// The sizes that Windows asks of a program's icon (16 to 256) and twice the window icon's.
Bytes drawAppIcon() {
    return encodeIcon(paintAppIcon, {32, 16, 24, 48, 64, 256});
}

}  // namespace tbr::draw
