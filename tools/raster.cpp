#include "raster.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tbr::draw {
namespace {

Unit Cross(Point a, Point b) {
    return a.x * b.y - a.y * b.x;
}
Unit Dot(Point a, Point b) {
    return a.x * b.x + a.y * b.y;
}
Point operator-(Point a, Point b) {
    return {a.x - b.x, a.y - b.y};
}

Unit ClampUnit(Unit v, Unit lo, Unit hi) {
    return std::min(std::max(v, lo), hi);
}

std::uint8_t RoundDiv(Unit num, Unit den) {
    return static_cast<std::uint8_t>((num + den / 2) / den);
}

Shape BoxOf(const std::vector<Point>& points) {
    Shape s;
    s.x0 = s.x1 = points.front().x;
    s.y0 = s.y1 = points.front().y;
    for (const Point& p : points) {
        s.x0 = std::min(s.x0, p.x);
        s.x1 = std::max(s.x1, p.x);
        s.y0 = std::min(s.y0, p.y);
        s.y1 = std::max(s.y1, p.y);
    }
    return s;
}

// The bounding box of the segment a-b, grown by radius on every side.
Shape BoxAround(Point a, Point b, Unit radius) {
    Shape s = BoxOf({a, b});
    s.x0 -= radius;
    s.y0 -= radius;
    s.x1 += radius;
    s.y1 += radius;
    return s;
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, Unit t, Unit den) {
    t = ClampUnit(t, 0, den);
    auto channel = [&](std::uint8_t ca, std::uint8_t cb) {
        return RoundDiv(ca * (den - t) + cb * t, den);
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

Shape Rect(Unit x0, Unit y0, Unit x1, Unit y1) {
    return {x0, y0, x1, y1, [=](Unit x, Unit y) { return x >= x0 && x < x1 && y >= y0 && y < y1; }};
}

Shape Ellipse(Unit cx, Unit cy, Unit rx, Unit ry) {
    const Unit rx2 = rx * rx;
    const Unit ry2 = ry * ry;
    return {cx - rx, cy - ry, cx + rx, cy + ry, [=](Unit x, Unit y) {
                const Unit dx = x - cx;
                const Unit dy = y - cy;
                return dx * dx * ry2 + dy * dy * rx2 <= rx2 * ry2;
            }};
}

Shape RoundRect(Unit x0, Unit y0, Unit x1, Unit y1, Unit radius) {
    return {x0, y0, x1, y1, [=](Unit x, Unit y) {
                if (x < x0 || x >= x1 || y < y0 || y >= y1) {
                    return false;
                }
                // Distance to the inner rectangle whose corners are the arcs' centres.
                const Unit dx = std::max({x0 + radius - x, Unit{0}, x - (x1 - radius)});
                const Unit dy = std::max({y0 + radius - y, Unit{0}, y - (y1 - radius)});
                return dx * dx + dy * dy <= radius * radius;
            }};
}

Shape Polygon(std::vector<Point> points) {
    Shape s = BoxOf(points);
    s.inside = [pts = std::move(points)](Unit x, Unit y) {
        int winding = 0;
        const Point p{x, y};
        for (std::size_t i = 0; i < pts.size(); ++i) {
            const Point a = pts[i];
            const Point b = pts[(i + 1) % pts.size()];
            if (a.y <= y) {
                if (b.y > y && Cross(b - a, p - a) > 0) {
                    ++winding;
                }
            } else if (b.y <= y && Cross(b - a, p - a) < 0) {
                --winding;
            }
        }
        return winding != 0;
    };
    return s;
}

Shape Capsule(Point a, Point b, Unit radius) {
    Shape s = BoxAround(a, b, radius);
    const Point d = b - a;
    const Unit len2 = Dot(d, d);
    const Unit r2 = radius * radius;
    s.inside = [=](Unit x, Unit y) {
        const Point p{x, y};
        const Point v = p - a;
        const Unit t = Dot(v, d);
        if (t <= 0 || len2 == 0) {
            return Dot(v, v) <= r2;
        }
        if (t >= len2) {
            const Point w = p - b;
            return Dot(w, w) <= r2;
        }
        const Unit c = Cross(v, d);
        return c * c <= r2 * len2;
    };
    return s;
}

Shape Bar(Point a, Point b, Unit radius) {
    Shape s = BoxAround(a, b, radius);
    const Point d = b - a;
    const Unit len2 = Dot(d, d);
    const Unit r2 = radius * radius;
    s.inside = [=](Unit x, Unit y) {
        const Point v = Point{x, y} - a;
        const Unit t = Dot(v, d);
        if (t < 0 || t > len2) {
            return false;
        }
        const Unit c = Cross(v, d);
        return c * c <= r2 * len2;
    };
    return s;
}

Shape Sparkle(Point c, Unit arm, Unit waist) {
    return Polygon({{c.x, c.y - arm},
                    {c.x + waist, c.y - waist},
                    {c.x + arm, c.y},
                    {c.x + waist, c.y + waist},
                    {c.x, c.y + arm},
                    {c.x - waist, c.y + waist},
                    {c.x - arm, c.y},
                    {c.x - waist, c.y + -waist}});
}

Shape Star(Point c, Unit outer, Unit inner) {
    // Unit vectors times 10000 at 36-degree steps, starting straight up (y grows downwards).
    static constexpr std::array<std::pair<int, int>, 10> kDirections{{{0, -10000},
                                                                      {5878, -8090},
                                                                      {9511, -3090},
                                                                      {9511, 3090},
                                                                      {5878, 8090},
                                                                      {0, 10000},
                                                                      {-5878, 8090},
                                                                      {-9511, 3090},
                                                                      {-9511, -3090},
                                                                      {-5878, -8090}}};
    std::vector<Point> points;
    for (std::size_t i = 0; i < kDirections.size(); ++i) {
        const Unit r = i % 2 == 0 ? outer : inner;
        points.push_back({c.x + (kDirections[i].first * r + 5000) / 10000,
                          c.y + (kDirections[i].second * r + 5000) / 10000});
    }
    return Polygon(std::move(points));
}

Shape Unite(std::vector<Shape> parts) {
    if (parts.empty()) {
        return {0, 0, 0, 0, [](Unit, Unit) { return false; }};
    }
    Shape s = parts.front();
    for (const Shape& p : parts) {
        s.x0 = std::min(s.x0, p.x0);
        s.y0 = std::min(s.y0, p.y0);
        s.x1 = std::max(s.x1, p.x1);
        s.y1 = std::max(s.y1, p.y1);
    }
    s.inside = [ps = std::move(parts)](Unit x, Unit y) {
        for (const Shape& p : ps) {
            if (x >= p.x0 && x <= p.x1 && y >= p.y0 && y <= p.y1 && p.inside(x, y)) {
                return true;
            }
        }
        return false;
    };
    return s;
}

Shape Subtract(Shape a, Shape b) {
    Shape s{a.x0, a.y0, a.x1, a.y1, {}};
    s.inside = [a = std::move(a), b = std::move(b)](Unit x, Unit y) {
        return a.inside(x, y) && !b.inside(x, y);
    };
    return s;
}

Shape Intersect(Shape a, Shape b) {
    Shape s{
        std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1), {}};
    s.inside = [a = std::move(a), b = std::move(b)](Unit x, Unit y) {
        return a.inside(x, y) && b.inside(x, y);
    };
    return s;
}

Shape Translate(Shape s, Unit dx, Unit dy) {
    Shape t{s.x0 + dx, s.y0 + dy, s.x1 + dx, s.y1 + dy, {}};
    t.inside = [s = std::move(s), dx, dy](Unit x, Unit y) { return s.inside(x - dx, y - dy); };
    return t;
}

Paint Solid(Rgb c) {
    return [c](Point) { return c; };
}

Paint Linear(Point pa, Rgb a, Point pb, Rgb b) {
    const Point d = pb - pa;
    const Unit len2 = std::max(Dot(d, d), Unit{1});
    return [=](Point p) { return Mix(a, b, Dot(p - pa, d), len2); };
}

Canvas::Canvas(int width, int height, Rgba background, Scale scale)
    : width_(width),
      height_(height),
      scale_(scale),
      pixels_(static_cast<std::size_t>(width * height), background) {}

Point Canvas::pixelCentre(int x, int y) const {
    return {toPicture(Px(x) + kUnitsPerPixel / 2), toPicture(Px(y) + kUnitsPerPixel / 2)};
}

void Canvas::set(int x, int y, Rgb colour) {
    if (x >= 0 && x < width_ && y >= 0 && y < height_) {
        pixels_[static_cast<std::size_t>(y * width_ + x)] = {colour.r, colour.g, colour.b, 255};
    }
}

void Canvas::blend(int x, int y, Rgb colour, int alpha) {
    Rgba& d = pixels_[static_cast<std::size_t>(y * width_ + x)];
    // Straight-alpha "over", everything scaled by 255 * 255 to stay exact until the final rounding.
    const Unit sa = alpha;
    const Unit da = d.a;
    const Unit outA = sa * 255 + da * (255 - sa);
    if (outA == 0) {
        return;
    }
    auto channel = [&](std::uint8_t s, std::uint8_t dst) {
        return RoundDiv(s * sa * 255 + dst * da * (255 - sa), outA);
    };
    d = {channel(colour.r, d.r), channel(colour.g, d.g), channel(colour.b, d.b),
         RoundDiv(outA, 255)};
}

// Calls apply(x, y, count) for every device pixel that the shape touches, with the number of its
// sample points inside the shape.
template <class Apply>
void Canvas::cover(const Shape& shape, Apply apply) {
    constexpr Unit step = kUnitsPerPixel / kSamplesPerAxis;
    const auto first = [&](Unit v) { return std::max<Unit>(0, toDevice(v) / kUnitsPerPixel - 1); };
    const auto last = [&](Unit v, int size) {
        return std::min<Unit>(size - 1, toDevice(v) / kUnitsPerPixel + 1);
    };
    const int xa = static_cast<int>(first(shape.x0));
    const int ya = static_cast<int>(first(shape.y0));
    const int xb = static_cast<int>(last(shape.x1, width_));
    const int yb = static_cast<int>(last(shape.y1, height_));
    for (int y = ya; y <= yb; ++y) {
        for (int x = xa; x <= xb; ++x) {
            int count = 0;
            for (int j = 0; j < kSamplesPerAxis; ++j) {
                const Unit sy = toPicture(Px(y) + step * j + step / 2);
                for (int i = 0; i < kSamplesPerAxis; ++i) {
                    count += shape.inside(toPicture(Px(x) + step * i + step / 2), sy) ? 1 : 0;
                }
            }
            if (count > 0) {
                apply(x, y, count);
            }
        }
    }
}

void Canvas::fill(const Shape& shape, const Paint& paint, int opacity) {
    constexpr int samples = kSamplesPerAxis * kSamplesPerAxis;
    cover(shape, [&](int x, int y, int count) {
        blend(x, y, paint(pixelCentre(x, y)), (count * opacity + samples / 2) / samples);
    });
}

void Canvas::fillCrisp(const Shape& shape, const Paint& paint) {
    constexpr int samples = kSamplesPerAxis * kSamplesPerAxis;
    cover(shape, [&](int x, int y, int count) {
        if (2 * count >= samples) {
            set(x, y, paint(pixelCentre(x, y)));
        }
    });
}

}  // namespace tbr::draw
