// A small, exact rasteriser for the program's pictures.
//
// All geometry is integer: coordinates are in 1/64 pixel ("units"), shapes answer whether a point
// lies inside them, and a pixel's coverage is the share of its 8 x 8 sample points that fall
// inside. No floating point touches a pixel, so every compiler and machine draws the same bytes.
//
// A picture is drawn in its own coordinates, those of its natural size. A canvas with a scale
// other than 1 samples the same shapes more (or less) densely, so one drawing gives the picture
// at every size, each drawn rather than resampled from another.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace tbr::draw {

using Unit = std::int64_t;

inline constexpr Unit kUnitsPerPixel = 64;
inline constexpr int kSamplesPerAxis = 8;  // 64 samples a pixel

// Pixels to units: Px(3) is the left edge of pixel column 3.
constexpr Unit Px(Unit pixels) {
    return pixels * kUnitsPerPixel;
}

struct Point {
    Unit x = 0;
    Unit y = 0;
};

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Rgba {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 0;  // straight (not premultiplied) alpha
    Rgb rgb() const { return {r, g, b}; }
};

// Mixes two colours: t = 0 gives a, t = den gives b, rounded to nearest.
Rgb Mix(Rgb a, Rgb b, Unit t, Unit den);

// An area: a bounding box in units and an exact inside test. The box may be larger than the area,
// never smaller.
struct Shape {
    Unit x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    std::function<bool(Unit x, Unit y)> inside;
};

// Basic areas. Rectangles and ellipses take their bounding box; radii are in units.
Shape Rect(Unit x0, Unit y0, Unit x1, Unit y1);
Shape Ellipse(Unit cx, Unit cy, Unit rx, Unit ry);
Shape RoundRect(Unit x0, Unit y0, Unit x1, Unit y1, Unit radius);
// A polygon, filled by the non-zero winding rule.
Shape Polygon(std::vector<Point> points);
// A thick line with round ends: every point within `radius` of the segment a-b.
Shape Capsule(Point a, Point b, Unit radius);
// A thick line with square-cut ends: the rectangle of half-width `radius` along a-b.
Shape Bar(Point a, Point b, Unit radius);
// A four-pointed star ("sparkle") centred on c: long arms of length `arm`, waist `waist`.
Shape Sparkle(Point c, Unit arm, Unit waist);
// A five-pointed star centred on c with one point straight up: tips at `outer`, notches at `inner`.
Shape Star(Point c, Unit outer, Unit inner);

Shape Unite(std::vector<Shape> parts);
Shape Subtract(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Translate(Shape s, Unit dx, Unit dy);

// The colour of a fill at a pixel whose centre lies at the given point, in the picture's units.
using Paint = std::function<Rgb(Point centre)>;
Paint Solid(Rgb c);
// A linear gradient from colour a at point pa to colour b at point pb, clamped beyond them.
Paint Linear(Point pa, Rgb a, Point pb, Rgb b);

// Device pixels per pixel of the picture's own coordinates: num / den.
struct Scale {
    int num = 1;
    int den = 1;
};

class Canvas {
  public:
    // A canvas of width x height device pixels showing the picture at `scale`.
    Canvas(int width, int height, Rgba background, Scale scale = {});

    int width() const { return width_; }
    int height() const { return height_; }
    Rgba at(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }

    // Paints the shape with the paint, each pixel weighted by its coverage times opacity/255.
    void fill(const Shape& shape, const Paint& paint, int opacity = 255);
    void fill(const Shape& shape, Rgb colour, int opacity = 255) {
        fill(shape, Solid(colour), opacity);
    }
    // Paints, fully, each pixel at least half covered by the shape: crisp edges for small icons.
    void fillCrisp(const Shape& shape, const Paint& paint);
    // Sets one pixel, fully opaque, without blending.
    void set(int x, int y, Rgb colour);

  private:
    void blend(int x, int y, Rgb colour, int alpha);
    template <class Apply>
    void cover(const Shape& shape, Apply apply);
    // Device units to the picture's units and back.
    Unit toPicture(Unit device) const { return device * scale_.den / scale_.num; }
    Unit toDevice(Unit picture) const { return picture * scale_.num / scale_.den; }
    Point pixelCentre(int x, int y) const;

    int width_;
    int height_;
    Scale scale_;
    std::vector<Rgba> pixels_;
};

}  // namespace tbr::draw
