#include "font.h"

#include <utility>
#include <vector>

namespace tbr::draw {
namespace {

// Vertical metrics in font units, baseline at 0, growing upwards.
constexpr int kCap = 700;
constexpr int kXHeight = 520;
constexpr int kAscender = 730;
constexpr int kOvershoot = 12;  // round letters reach this far past the baseline and x-height

// A half-plane through a ring's centre given by its normal (x right, y up). A cut removes the
// part of the ring where every one of its half-planes holds, so two normals cut a wedge.
using Normal = std::pair<int, int>;
using Cut = std::vector<Normal>;

Unit Scaled(Unit fontUnits, Unit capHeight) {
    const Unit n = fontUnits * capHeight;
    return n >= 0 ? (n + kCap / 2) / kCap : -((-n + kCap / 2) / kCap);
}

// Builds one letter from parts given in font units relative to the letter's origin.
class Letter {
  public:
    Letter(Point origin, const TextStyle& style)
        : stem(style.stem), bar(style.stem * 86 / 100), origin_(origin), cap_(style.capHeight) {}

    void box(int x0, int y0, int x1, int y1) { parts_.push_back(Rect(x(x0), y(y1), x(x1), y(y0))); }

    void poly(std::initializer_list<std::pair<int, int>> points) {
        std::vector<Point> p;
        for (const auto& [fx, fy] : points) {
            p.push_back({x(fx), y(fy)});
        }
        parts_.push_back(Polygon(std::move(p)));
    }

    void dot(int cx, int cy, int r) {
        parts_.push_back(Ellipse(x(cx), y(cy), Scaled(r, cap_), Scaled(r, cap_)));
    }

    // An elliptical ring of outer radii rx, ry, with the letter's stem width at its sides and
    // its bar width at top and bottom, less the cuts.
    void ring(int cx, int cy, int rx, int ry, std::vector<Cut> cuts = {}) {
        parts_.push_back(ringShape(cx, cy, rx, ry, std::move(cuts)));
    }

    // A horizontal bar from y0 to y1 that ends on the outline of the ellipse cx, cy, rx, ry.
    void barInEllipse(int cx, int cy, int rx, int ry, int y0, int y1) {
        parts_.push_back(Intersect(Rect(x(cx - rx), y(y1), x(cx + rx), y(y0)),
                                   Ellipse(x(cx), y(cy), Scaled(rx, cap_), Scaled(ry, cap_))));
    }

    Shape shape() && { return Unite(std::move(parts_)); }
    bool empty() const { return parts_.empty(); }

    const int stem;  // vertical stroke width
    const int bar;   // horizontal stroke width, a little thinner so that rounds look even

  private:
    Unit x(int fx) const { return origin_.x + Scaled(fx, cap_); }
    Unit y(int fy) const { return origin_.y - Scaled(fy, cap_); }

    Shape ringShape(int cx, int cy, int rx, int ry, std::vector<Cut> cuts) const {
        const Unit ox = x(cx), oy = y(cy);
        const Unit rxo = Scaled(rx, cap_), ryo = Scaled(ry, cap_);
        const Unit rxi = Scaled(rx - stem, cap_), ryi = Scaled(ry - bar, cap_);
        Shape s;
        s.x0 = ox - rxo;
        s.x1 = ox + rxo;
        s.y0 = oy - ryo;
        s.y1 = oy + ryo;
        s.inside = [=, cuts = std::move(cuts)](Unit qx, Unit qy) {
            const Unit dx = qx - ox;
            const Unit dy = qy - oy;
            if (dx * dx * ryo * ryo + dy * dy * rxo * rxo > rxo * rxo * ryo * ryo) {
                return false;
            }
            if (dx * dx * ryi * ryi + dy * dy * rxi * rxi < rxi * rxi * ryi * ryi) {
                return false;
            }
            for (const Cut& cut : cuts) {
                bool all = true;
                for (const auto& [nx, ny] : cut) {
                    all = all && nx * dx - ny * dy > 0;  // pixel y grows downwards
                }
                if (all) {
                    return false;
                }
            }
            return true;
        };
        return s;
    }

    Point origin_;
    Unit cap_;
    std::vector<Shape> parts_;
};

const Cut kLowerHalf{{0, -1}};
const Cut kUpperHalf{{0, 1}};

// Draws the letter into `l` and returns its advance in font units.
int DrawLetter(char c, Letter& l) {
    const int s = l.stem;
    const int h = l.bar;
    constexpr int x = kXHeight;
    constexpr int o = kOvershoot;
    constexpr int bowl = (kXHeight + 2 * kOvershoot) / 2;  // vertical radius of a round letter
    switch (c) {
        case ' ':
            return 230;
        case 'C':
            l.ring(385, kCap / 2, 345, kCap / 2 + o, {{{1, -1}, {1, 1}}});
            return 700;
        case 'T':
            l.box(20, kCap - h, 620, kCap);
            l.box(320 - s / 2, 0, 320 + s / 2, kCap);
            return 640;
        case 'W': {
            const int half = s * 58 / 100;  // half the horizontal width of a diagonal stroke
            const int left = 20, w = 960;
            const int tops[4] = {left + half, left + w / 2, left + w / 2, left + w - half};
            const int bottoms[4] = {left + w / 4, left + w / 4, left + 3 * w / 4, left + 3 * w / 4};
            for (int i = 0; i < 4; ++i) {
                l.poly({{tops[i] - half, kCap},
                        {tops[i] + half, kCap},
                        {bottoms[i] + half, 0},
                        {bottoms[i] - half, 0}});
            }
            return 1000;
        }
        case 'a':
        case 'd':
            l.ring(310, x / 2, 270, bowl);
            l.box(580 - s, 0, 580, c == 'a' ? x : kAscender);
            return 640;
        case 'b':
            l.box(60, 0, 60 + s, kAscender);
            l.ring(330, x / 2, 270, bowl);
            return 640;
        case 'c':
            l.ring(305, x / 2, 265, bowl, {{{1, -1}, {1, 1}}});
            return 560;
        case 'e':
            l.ring(310, x / 2, 270, bowl, {{{0, -1}, {5, 6}}});
            l.barInEllipse(310, x / 2, 270, bowl, x / 2 - h / 2 + 10, x / 2 + h / 2 + 10);
            return 620;
        case 'i':
            l.box(60, 0, 60 + s, x);
            l.dot(60 + s / 2, x + 160, s * 62 / 100);
            return 120 + s;
        case 'l':
            l.box(60, 0, 60 + s, kAscender);
            return 120 + s;
        case 'm': {
            constexpr int arch = 420, ry = 240, cy = x + o - ry;
            const int second = 60 + arch - s;
            l.box(60, 0, 60 + s, x);
            l.ring(60 + arch / 2, cy, arch / 2, ry, {kLowerHalf});
            l.box(second, 0, second + s, cy);
            l.ring(second + arch / 2, cy, arch / 2, ry, {kLowerHalf});
            l.box(second + arch - s, 0, second + arch, cy);
            return second + arch + 60;
        }
        case 'n':
        case 'u': {
            constexpr int w = 480, ry = 250;
            if (c == 'n') {
                constexpr int cy = x + o - ry;
                l.box(60, 0, 60 + s, x);
                l.ring(60 + w / 2, cy, w / 2, ry, {kLowerHalf});
                l.box(60 + w - s, 0, 60 + w, cy);
            } else {
                constexpr int cy = ry - o;
                l.box(60, cy, 60 + s, x);
                l.ring(60 + w / 2, cy, w / 2, ry, {kUpperHalf});
                l.box(60 + w - s, 0, 60 + w, x);
            }
            return 60 + w + 60;
        }
        case 'o':
            l.ring(322, x / 2, 282, bowl);
            return 644;
        case 'r': {
            constexpr int rx = 220, ry = 250;
            l.box(60, 0, 60 + s, x);
            // The shoulder ends where it has turned 30 degrees down from the top.
            l.ring(60 + rx, x + o - ry, rx, ry, {kLowerHalf, {{1, 0}, {7, -4}}});
            return 430;
        }
        case 's': {
            const int top = x + o, bottom = -o;
            const int ry = (top - bottom + h) / 4;  // the two bowls share the spine's stroke
            // The upper bowl opens to the lower right, the lower bowl to the upper left; each
            // ends 30 degrees past the horizontal.
            l.ring(245, top - ry, 190, ry, {{{1, 0}, {4, -7}}});
            l.ring(245, bottom + ry, 205, ry, {{{-1, 0}, {-4, 7}}});
            return 490;
        }
        case 't':
            l.box(30, x - h, 350, x);
            l.box(190 - s / 2, 0, 190 + s / 2, 660);
            return 380;
        case 'z': {
            const int diagonal = s * 135 / 100;
            l.box(40, x - h, 480, x);
            l.box(40, 0, 480, h);
            l.poly({{480 - diagonal, x - h}, {480, x - h}, {40 + diagonal, h}, {40, h}});
            return 520;
        }
        default:
            return 0;
    }
}

// Pairs whose shapes leave too much space between them.
int Kerning(char a, char b) {
    if (a == 'T' && (b == 'a' || b == 'e' || b == 'o')) {
        return -70;
    }
    if (a == 'W' && b == 'i') {
        return -30;
    }
    return 0;
}

}  // namespace

TextShape SetText(std::string_view text, Point origin, const TextStyle& style) {
    std::vector<Shape> letters;
    Unit fx = 0;  // pen position in font units
    for (std::size_t i = 0; i < text.size(); ++i) {
        Letter l({origin.x + Scaled(fx, style.capHeight), origin.y}, style);
        fx += DrawLetter(text[i], l) + style.tracking;
        if (i + 1 < text.size()) {
            fx += Kerning(text[i], text[i + 1]);
        }
        if (!l.empty()) {
            letters.push_back(std::move(l).shape());
        }
    }
    return {Unite(std::move(letters)), Scaled(fx - style.tracking, style.capHeight)};
}

Unit TextWidth(std::string_view text, const TextStyle& style) {
    return SetText(text, {0, 0}, style).width;
}

}  // namespace tbr::draw
