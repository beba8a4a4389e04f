// Keyed and rotated blits; the conventions are written in raster.h.
#include "raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <cstring>

namespace panel {

Rect Rect::Intersect(const Rect& o) const {
    const int x0 = std::max(x, o.x), y0 = std::max(y, o.y);
    const int x1 = std::min(x + width, o.x + o.width), y1 = std::min(y + height, o.y + o.height);
    return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

Bitmap Bitmap::Make(int width, int height) {
    Bitmap b;
    b.width = std::max(0, width);
    b.height = std::max(0, height);
    b.stride = b.width * 4;
    b.pixels.assign(size_t(b.stride) * size_t(b.height), 0);
    return b;
}

void Clear(Bitmap& dst) {
    if (!dst.pixels.empty()) std::memset(dst.pixels.data(), 0, dst.pixels.size());
}

namespace {

inline void Over(uint8_t* d, const uint8_t* s) {
    const unsigned sa = s[3];
    if (sa == 255) {
        std::memcpy(d, s, 4);
    } else if (sa != 0) {
        const unsigned inv = 255 - sa;
        for (int k = 0; k < 4; ++k) d[k] = uint8_t(s[k] + (d[k] * inv + 127) / 255);
    }
}

// floor() for coordinates well inside int range, without a library call.
inline int Floor(double x) {
    const int i = int(x);
    return i - (x < i);
}

}  // namespace

void BlitOver(Bitmap& dst, const Rect& clip, const Bitmap& src, int x, int y) {
    const Rect area = Rect{x, y, src.width, src.height}.Intersect(clip).Intersect(dst.bounds());
    if (area.empty()) return;
    for (int row = area.y; row < area.y + area.height; ++row) {
        uint8_t* d = dst.row(row) + size_t(area.x) * 4;
        const uint8_t* s = src.at(area.x - x, row - y);
        for (int col = 0; col < area.width;) {
            // Runs of opaque texels are copied whole.
            int run = 0;
            while (col + run < area.width && s[run * 4 + 3] == 255) ++run;
            if (run > 0) {
                std::memcpy(d, s, size_t(run) * 4);
                d += run * 4, s += run * 4, col += run;
                continue;
            }
            Over(d, s);
            d += 4, s += 4, ++col;
        }
    }
}

void DrawRotated(Bitmap& dst, const Rect& clip, const Bitmap& src, int src_px, int src_py,
                 int dst_px, int dst_py, double angle_deg) {
    if (src.width <= 0 || src.height <= 0) return;
    const double a = angle_deg * (std::numbers::pi / 180.0);
    const double c = std::cos(a), s = std::sin(a);
    const double pcx = dst_px + 0.5, pcy = dst_py + 0.5;  // pivot on the canvas
    const double scx = src_px + 0.5, scy = src_py + 0.5;  // pivot in the source

    // Canvas bounds of the turned source rectangle, one pixel wider for the
    // filter's reach.
    double minx = 1e300, miny = 1e300, maxx = -1e300, maxy = -1e300;
    const double corners[4][2] = {{0, 0}, {double(src.width), 0}, {0, double(src.height)},
                                  {double(src.width), double(src.height)}};
    for (const auto& k : corners) {
        const double u = k[0] - scx, v = k[1] - scy;
        const double x = pcx + u * c - v * s, y = pcy + u * s + v * c;
        minx = std::min(minx, x), maxx = std::max(maxx, x);
        miny = std::min(miny, y), maxy = std::max(maxy, y);
    }
    const int x0 = int(std::floor(minx)) - 1, y0 = int(std::floor(miny)) - 1;
    const Rect box{x0, y0, int(std::ceil(maxx)) + 1 - x0, int(std::ceil(maxy)) + 1 - y0};
    const Rect area = box.Intersect(clip).Intersect(dst.bounds());
    if (area.empty()) return;

    auto texel = [&src](int x, int y, float* out, float w) {
        if (x < 0 || y < 0 || x >= src.width || y >= src.height) return;
        const uint8_t* p = src.at(x, y);
        for (int k = 0; k < 4; ++k) out[k] += w * p[k];
    };
    // Along a row the source coordinates are linear in the column: u = u0 +
    // c * col, v = v0 - s * col. Narrow each row to the columns where both
    // lie within the filter's reach of the source, [-1, width] x [-1, height].
    auto narrow = [](double f0, double k, double lo, double hi, double* first, double* last) {
        if (std::abs(k) < 1e-12) {
            if (f0 < lo || f0 > hi) *first = 1, *last = 0;
            return;
        }
        double a = (lo - f0) / k, b = (hi - f0) / k;
        if (a > b) std::swap(a, b);
        *first = std::max(*first, a), *last = std::min(*last, b);
    };
    for (int row = area.y; row < area.y + area.height; ++row) {
        const double dy0 = row + 0.5 - pcy;
        const double u0 = (0.5 - pcx) * c + dy0 * s + scx - 0.5, v0 = -(0.5 - pcx) * s + dy0 * c + scy - 0.5;
        double first = area.x, last = area.x + area.width - 1;
        narrow(u0, c, -1.0, src.width, &first, &last);
        narrow(v0, -s, -1.0, src.height, &first, &last);
        if (first > last) continue;
        const int col0 = std::max(area.x, int(std::floor(first)) - 1);
        const int col1 = std::min(area.x + area.width - 1, int(std::ceil(last)) + 1);
        uint8_t* d = dst.row(row) + size_t(col0) * 4;
        for (int col = col0; col <= col1; ++col, d += 4) {
            // Inverse rotation of the canvas pixel centre into the source.
            const double dx = col + 0.5 - pcx, dy = row + 0.5 - pcy;
            const double u = dx * c + dy * s + scx - 0.5;
            const double v = -dx * s + dy * c + scy - 0.5;
            const int ix = Floor(u), iy = Floor(v);
            const double fu = ix, fv = iy;
            if (ix < -1 || iy < -1 || ix >= src.width || iy >= src.height) continue;
            const float tx = float(u - fu), ty = float(v - fv);
            float acc[4] = {0, 0, 0, 0};
            texel(ix, iy, acc, (1 - tx) * (1 - ty));
            texel(ix + 1, iy, acc, tx * (1 - ty));
            texel(ix, iy + 1, acc, (1 - tx) * ty);
            texel(ix + 1, iy + 1, acc, tx * ty);
            if (acc[3] < 0.5f) continue;
            uint8_t px[4];
            for (int k = 0; k < 4; ++k) px[k] = uint8_t(std::min(255.0f, acc[k] + 0.5f));
            Over(d, px);
        }
    }
}

}  // namespace panel
