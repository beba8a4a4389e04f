// Bitmap resource decoding on tiny asymmetric fixtures: row order, row
// padding, channel order, the see-through colour, and malformed headers.
#include "bmp.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace panel {
namespace {

using Rgb = std::array<uint8_t, 3>;

void Put32(std::vector<uint8_t>& v, uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back(uint8_t(x >> (8 * i)));
}
void Put16(std::vector<uint8_t>& v, uint16_t x) {
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}

// A DIB as a module resource holds it. rows[y][x] are palette indices
// (8 bits) or colours (24 bits), top row first.
struct Fixture {
    int width = 0, bpp = 8;
    bool top_down = false;
    uint32_t header_size = 40, compression = 0, colours_used = 0;
    std::vector<Rgb> palette;
    std::vector<std::vector<uint32_t>> rows;  // index, or 0xRRGGBB

    std::vector<uint8_t> Bytes() const {
        std::vector<uint8_t> d;
        const int h = int(rows.size());
        Put32(d, header_size);
        Put32(d, uint32_t(width));
        Put32(d, uint32_t(top_down ? -h : h));
        Put16(d, 1);
        Put16(d, uint16_t(bpp));
        Put32(d, compression);
        Put32(d, 0);
        Put32(d, 2835);
        Put32(d, 2835);
        Put32(d, colours_used);
        Put32(d, 0);
        while (d.size() < header_size) d.push_back(0);
        for (const Rgb& c : palette) d.insert(d.end(), {c[2], c[1], c[0], 0});
        for (int i = 0; i < h; ++i) {
            const auto& row = rows[size_t(top_down ? i : h - 1 - i)];
            const size_t start = d.size();
            for (uint32_t p : row) {
                if (bpp == 8) {
                    d.push_back(uint8_t(p));
                } else {
                    d.insert(d.end(), {uint8_t(p), uint8_t(p >> 8), uint8_t(p >> 16)});
                }
            }
            while ((d.size() - start) % 4) d.push_back(0);
        }
        return d;
    }
};

// Palette: 0 black (see-through), 1 red, 2 green, 3 blue.
Fixture Indexed(bool top_down) {
    Fixture f;
    f.width = 3;  // three bytes a row, padded to four
    f.top_down = top_down;
    f.colours_used = 4;
    f.palette = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    f.rows = {{1, 2, 0}, {3, 1, 2}};
    return f;
}

void ExpectPixel(const Bitmap& b, int x, int y, std::array<uint8_t, 4> rgba) {
    const uint8_t* p = b.at(x, y);
    EXPECT_EQ((std::array<uint8_t, 4>{p[0], p[1], p[2], p[3]}), rgba) << "pixel (" << x << ", " << y << ")";
}

TEST(Bmp, DecodesIndexedRowsInEitherOrder) {
    for (bool top_down : {false, true}) {
        SCOPED_TRACE(top_down ? "top-down" : "bottom-up");
        const auto bytes = Indexed(top_down).Bytes();
        Bitmap b;
        DibInfo info;
        std::string err;
        ASSERT_TRUE(DecodeDib(bytes.data(), bytes.size(), &b, &info, &err)) << err;
        EXPECT_EQ(info.width, 3);
        EXPECT_EQ(info.height, 2);
        EXPECT_EQ(info.bits_per_pixel, 8);
        EXPECT_EQ(b.stride, 12);
        ExpectPixel(b, 0, 0, {255, 0, 0, 255});
        ExpectPixel(b, 1, 0, {0, 255, 0, 255});
        ExpectPixel(b, 2, 0, {0, 0, 0, 0});  // pure black is see-through
        ExpectPixel(b, 0, 1, {0, 0, 255, 255});
        ExpectPixel(b, 1, 1, {255, 0, 0, 255});
        ExpectPixel(b, 2, 1, {0, 255, 0, 255});
    }
}

TEST(Bmp, Decodes24BitWithBlueFirstInTheFile) {
    Fixture f;
    f.width = 3;  // nine bytes a row, padded to twelve
    f.bpp = 24;
    f.rows = {{0x0a141e, 0x000000, 0x010101}, {0xff8000, 0x00ff00, 0x0000ff}};
    const auto bytes = f.Bytes();
    Bitmap b;
    DibInfo info;
    std::string err;
    ASSERT_TRUE(DecodeDib(bytes.data(), bytes.size(), &b, &info, &err)) << err;
    ExpectPixel(b, 0, 0, {10, 20, 30, 255});
    ExpectPixel(b, 1, 0, {0, 0, 0, 0});
    ExpectPixel(b, 2, 0, {1, 1, 1, 255});  // near black stays opaque
    ExpectPixel(b, 0, 1, {255, 128, 0, 255});
    ExpectPixel(b, 2, 1, {0, 0, 255, 255});
}

TEST(Bmp, RefusesMalformedBitmapsNamingTheFault) {
    auto with = [](auto change) {
        Fixture f = Indexed(false);
        change(f);
        return f.Bytes();
    };
    auto truncated = Indexed(false).Bytes();
    truncated.pop_back();
    auto header_past_end = Indexed(false).Bytes();
    header_past_end.resize(30);
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* error;
    } cases[] = {
        {"pixels cut short", truncated, "bitmap pixels are truncated: 7 bytes of 8"},
        {"header longer than the data", header_past_end, "bitmap header of 40 bytes runs past the 30-byte resource"},
        {"oversized header", with([](Fixture& f) { f.header_size = 64; }), "bitmap header size 64 is not 40, 108 or 124"},
        {"core header", with([](Fixture& f) { f.header_size = 12; }), "bitmap header size 12 is not 40, 108 or 124"},
        {"four bits", with([](Fixture& f) { f.bpp = 4; }), "bitmap depth 4 bits per pixel is not 8 or 24"},
        {"compressed", with([](Fixture& f) { f.compression = 1; }), "bitmap is compressed (method 1)"},
        {"index past palette", with([](Fixture& f) { f.colours_used = 2, f.palette.resize(2); }),
         "bitmap pixel (1, 0) uses colour 2 of a 2-colour palette"},
        {"zero width", with([](Fixture& f) { f.width = 0, f.rows = {{}, {}}; }), "bitmap size 0x2 is out of range"},
        {"palette too big", with([](Fixture& f) { f.colours_used = 300; }), "bitmap palette of 300 colours exceeds 256"},
        {"empty", {}, "bitmap of 0 bytes is too short for a header"},
    };
    for (const auto& c : cases) {
        Bitmap b;
        DibInfo info;
        std::string err;
        EXPECT_FALSE(DecodeDib(c.bytes.data(), c.bytes.size(), &b, &info, &err)) << c.what;
        EXPECT_EQ(err, c.error) << c.what;
    }
}

}  // namespace
}  // namespace panel
