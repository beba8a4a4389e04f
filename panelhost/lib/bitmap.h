// Bitmap: the host's raster image, and the rectangle type its blits clip to.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace panel {

// Bytes R, G, B, A in memory, alpha premultiplied. Pure black in a module
// bitmap decodes to (0, 0, 0, 0): see-through.
enum class PixelFormat : uint32_t { RGBA8888 = 1 };

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    bool empty() const { return width <= 0 || height <= 0; }
    Rect Intersect(const Rect& o) const;
};

struct Bitmap {
    int width = 0;
    int height = 0;
    int stride = 0;  // bytes per row
    PixelFormat format = PixelFormat::RGBA8888;
    std::vector<uint8_t> pixels;

    // A fully transparent bitmap.
    static Bitmap Make(int width, int height);
    Rect bounds() const { return {0, 0, width, height}; }
    uint8_t* row(int y) { return pixels.data() + size_t(y) * size_t(stride); }
    const uint8_t* row(int y) const { return pixels.data() + size_t(y) * size_t(stride); }
    const uint8_t* at(int x, int y) const { return row(y) + size_t(x) * 4; }
};

}  // namespace panel
