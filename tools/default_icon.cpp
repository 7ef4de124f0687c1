// The default document icon: a pop-up menu of six rows drawn pixel by pixel in the 16 standard
// colours. Its layout is fixed byte for byte: 32 x 32, one 8-bit image with palette entries 0-15
// in use, an opaque menu panel in columns 6-25 of rows 2-30 and everything else transparent.
#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "icon_palette.h"
#include "pictures.h"

namespace tbr::draw {
namespace {

enum Colour : std::uint8_t {
    kBlack,
    kDarkRed,
    kDarkGreen,
    kOlive,
    kNavy,
    kPurple,
    kTeal,
    kSilver,
    kGrey,
    kRed,
    kGreen,
    kYellow,
    kBlue,
    kMagenta,
    kCyan,
    kWhite
};

constexpr int kSize = 32;
// The opaque panel, in display coordinates (top row first).
constexpr int kLeft = 6, kRight = 25, kTop = 2, kBottom = 30;

// A 3 x 3 symbol: '#' takes the symbol's colour, '+' its shade, '.' leaves the background.
struct MenuRow {
    std::string_view symbol[3];
    Colour colour;
    Colour shade;
    int dots;  // length of the row's dotted text
};

constexpr std::array<MenuRow, 5> kRows{{
    {{"###", "##+", "#++"}, kRed, kDarkRed, 5},
    {{".#.", "#+#", ".#."}, kGreen, kDarkGreen, 4},
    {{"#..", "##.", "#.."}, kBlue, kNavy, 5},
    {{"+#+", "###", "+#+"}, kYellow, kOlive, 3},
    {{"#.#", ".+.", "#.#"}, kMagenta, kPurple, 4},
}};

// Palette indexes of a square picture drawn in 32 x 32 coordinates at a whole scale: each pixel of
// the drawing covers scale x scale pixels of the picture.
class Pixels {
  public:
    explicit Pixels(int scale)
        : scale_(scale), index_(static_cast<std::size_t>(kSize * kSize * scale * scale)) {}

    void set(int x, int y, Colour c) {
        const int side = kSize * scale_;
        for (int j = 0; j < scale_; ++j) {
            for (int i = 0; i < scale_; ++i) {
                index_[static_cast<std::size_t>((y * scale_ + j) * side + x * scale_ + i)] = c;
            }
        }
    }
    void fill(int x0, int y0, int x1, int y1, Colour c) {
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                set(x, y, c);
            }
        }
    }
    void symbol(int x, int y, const std::string_view (&rows)[3], Colour c, Colour shade) {
        for (int j = 0; j < 3; ++j) {
            for (int i = 0; i < 3; ++i) {
                const char ch = rows[j][static_cast<std::size_t>(i)];
                if (ch != '.') {
                    set(x + i, y + j, ch == '#' ? c : shade);
                }
            }
        }
    }
    void dots(int x, int y, int count, Colour c) {
        for (int i = 0; i < count; ++i) {
            set(x + 2 * i, y, c);
        }
    }
    const std::vector<std::uint8_t>& indexes() const { return index_; }

  private:
    int scale_;
    std::vector<std::uint8_t> index_;
};

IndexedImage DrawMenu(int scale) {
    Pixels p(scale);
    // The panel with a raised edge: white above and on the left, dark on the right and below.
    p.fill(kLeft, kTop, kRight, kBottom, kSilver);
    p.fill(kLeft, kTop, kRight - 1, kTop, kWhite);
    p.fill(kLeft, kTop, kLeft, kBottom - 1, kWhite);
    p.fill(kRight - 1, kTop, kRight - 1, kBottom - 1, kGrey);
    p.fill(kLeft + 1, kBottom - 1, kRight - 1, kBottom - 1, kGrey);
    p.fill(kRight, kTop, kRight, kBottom, kBlack);
    p.fill(kLeft, kBottom, kRight, kBottom, kBlack);

    // The highlighted first row: white symbol and text on blue.
    const int x = kLeft + 1;
    p.fill(x, kTop + 1, kRight - 2, kTop + 5, kNavy);
    p.symbol(x + 1, kTop + 2, {"###", "#.#", "###"}, kWhite, kWhite);
    p.dots(x + 6, kTop + 3, 5, kWhite);

    // Five further rows, one symbol and a dotted text each.
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const int y = kTop + 7 + 4 * static_cast<int>(i);
        p.symbol(x + 1, y, kRows[i].symbol, kRows[i].colour, kRows[i].shade);
        p.dots(x + 6, y + 1, kRows[i].dots, kBlack);
    }

    IndexedImage image;
    image.size = kSize * scale;
    // The 16 standard colours, the same as the first 16 entries of the icons' palette.
    std::copy_n(IconPalette().begin(), 16, image.palette.begin());
    image.indexes = p.indexes();
    image.transparent.resize(image.indexes.size());
    for (int y = 0; y < image.size; ++y) {
        for (int x2 = 0; x2 < image.size; ++x2) {
            const int col = x2 / scale;
            const int row = y / scale;
            image.transparent[static_cast<std::size_t>(y * image.size + x2)] =
                row < kTop || row > kBottom || col < kLeft || col > kRight;
        }
    }
    return image;
}

}  // namespace

Bytes DrawDefaultDocumentIcon() {
    // This icon's directory entry reads colour count 255, planes 0 and bit depth 0; readers take
    // the real values from the bitmap header. Every document carries exactly these bytes.
    return EncodeIco({{DrawMenu(1), 255, 0, 0}});
}

Bytes DrawDocumentIcon() {
    return EncodeIco({{DrawMenu(1)}, {DrawMenu(2)}});
}

}  // namespace tbr::draw
