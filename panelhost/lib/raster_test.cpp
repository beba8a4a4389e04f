// The rasteriser on tiny asymmetric fixtures: exact pixels of a needle
// turned a quarter turn, clipping, and no colour bleeding from see-through
// texels into filtered edges.
#include "raster.h"

#include <gtest/gtest.h>

#include <array>

namespace panel {
namespace {

using Px = std::array<uint8_t, 4>;

Px At(const Bitmap& b, int x, int y) {
    const uint8_t* p = b.at(x, y);
    return {p[0], p[1], p[2], p[3]};
}

void Put(Bitmap& b, int x, int y, Px c) {
    uint8_t* p = b.row(y) + x * 4;
    for (int k = 0; k < 4; ++k) p[k] = c[k];
}

// A 4 x 3 needle, every opaque texel its own colour, one see-through.
Bitmap Needle() {
    Bitmap b = Bitmap::Make(4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) Put(b, x, y, {uint8_t(10 + x * 40), uint8_t(10 + y * 80), 200, 255});
    Put(b, 3, 0, {0, 0, 0, 0});
    return b;
}

TEST(Raster, NeedleTurnedAQuarterTurnLandsTexelForTexel) {
    const Bitmap n = Needle();
    Bitmap canvas = Bitmap::Make(7, 7);
    // Pivot texel (1, 1) onto canvas (3, 3), turned clockwise 90 degrees:
    // pointing down. Texel (sx, sy) lands on (3 - (sy - 1), 3 + (sx - 1)).
    DrawRotated(canvas, canvas.bounds(), n, 1, 1, 3, 3, 90.0);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x) {
            const int sx = y - 3 + 1, sy = 1 - (x - 3);
            const bool inside = sx >= 0 && sx < 4 && sy >= 0 && sy < 3;
            const Px want = inside ? At(n, sx, sy) : Px{0, 0, 0, 0};
            EXPECT_EQ(At(canvas, x, y), want) << "canvas (" << x << ", " << y << ")";
        }
}

TEST(Raster, SeeThroughTexelsDoNotDarkenFilteredEdges) {
    Bitmap red = Bitmap::Make(3, 3);
    Put(red, 1, 1, {255, 0, 0, 255});
    Put(red, 2, 1, {255, 0, 0, 255});
    Bitmap canvas = Bitmap::Make(9, 9);
    DrawRotated(canvas, canvas.bounds(), red, 1, 1, 4, 4, 37.0);
    int drawn = 0;
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const Px p = At(canvas, x, y);
            if (p[3] == 0) continue;
            ++drawn;
            // Premultiplied: a partly covered pixel of pure red has r == a.
            EXPECT_NEAR(p[0], p[3], 1) << x << ", " << y;
            EXPECT_EQ(p[1], 0);
            EXPECT_EQ(p[2], 0);
        }
    EXPECT_GT(drawn, 2);
}

TEST(Raster, BlitsClampToSourceAndClip) {
    Bitmap src = Bitmap::Make(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) Put(src, x, y, {uint8_t(x + 1), uint8_t(y + 1), 9, 255});
    Put(src, 2, 1, {0, 0, 0, 0});

    Bitmap canvas = Bitmap::Make(4, 4);
    Put(canvas, 1, 0, {7, 7, 7, 255});
    BlitOver(canvas, {0, 0, 2, 2}, src, -1, -1);  // only src (1..2, 1) can land, inside the clip
    EXPECT_EQ(At(canvas, 0, 0), (Px{2, 2, 9, 255}));
    EXPECT_EQ(At(canvas, 1, 0), (Px{7, 7, 7, 255}));  // see-through leaves the canvas
    EXPECT_EQ(At(canvas, 2, 0), (Px{0, 0, 0, 0}));     // outside the clip
    EXPECT_EQ(At(canvas, 0, 1), (Px{0, 0, 0, 0}));     // below the source

    const Bitmap before = canvas;
    BlitOver(canvas, canvas.bounds(), src, 10, 10);
    BlitOver(canvas, {0, 0, 0, 0}, src, 0, 0);
    DrawRotated(canvas, {0, 0, 0, 0}, src, 0, 0, 1, 1, 45);
    DrawRotated(canvas, canvas.bounds(), src, 0, 0, -50, -50, 45);
    EXPECT_EQ(canvas.pixels, before.pixels);
}

}  // namespace
}  // namespace panel
