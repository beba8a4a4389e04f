// Bitmap resource decoding. A bitmap resource is a BITMAPINFOHEADER (or a
// later, longer header), its palette, then the rows, each padded to four
// bytes, bottom row first unless the height is negative.
#include "bmp.h"

#include <cstring>

namespace panel {
namespace {

uint32_t U32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint16_t U16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

constexpr int kMaxSide = 16384;

bool Fail(std::string* err, const std::string& what) {
    *err = what;
    return false;
}

size_t RowBytes(const DibInfo& i) { return (size_t(i.width) * size_t(i.bits_per_pixel) + 31) / 32 * 4; }

}  // namespace

bool ReadDibInfo(const uint8_t* data, size_t size, DibInfo* info, std::string* err) {
    if (size < 4) return Fail(err, "bitmap of " + std::to_string(size) + " bytes is too short for a header");
    const uint32_t header = U32(data);
    if (header != 40 && header != 108 && header != 124)
        return Fail(err, "bitmap header size " + std::to_string(header) + " is not 40, 108 or 124");
    if (header > size)
        return Fail(err, "bitmap header of " + std::to_string(header) + " bytes runs past the " +
                             std::to_string(size) + "-byte resource");
    const int32_t width = int32_t(U32(data + 4)), height = int32_t(U32(data + 8));
    const uint16_t planes = U16(data + 12), bpp = U16(data + 14);
    const uint32_t compression = U32(data + 16), size_image = U32(data + 20), used = U32(data + 32);
    if (width <= 0 || width > kMaxSide || height == 0 || height < -kMaxSide || height > kMaxSide)
        return Fail(err, "bitmap size " + std::to_string(width) + "x" + std::to_string(height) +
                             " is out of range");
    if (planes != 1) return Fail(err, "bitmap has " + std::to_string(planes) + " planes, not 1");
    if (bpp != 8 && bpp != 24)
        return Fail(err, "bitmap depth " + std::to_string(bpp) + " bits per pixel is not 8 or 24");
    if (compression != 0) return Fail(err, "bitmap is compressed (method " + std::to_string(compression) + ")");
    if (bpp == 8 && used > 256) return Fail(err, "bitmap palette of " + std::to_string(used) + " colours exceeds 256");
    if (bpp == 24 && used > 256) return Fail(err, "bitmap palette of " + std::to_string(used) + " colours exceeds 256");

    DibInfo i;
    i.width = width;
    i.height = height < 0 ? -height : height;
    i.top_down = height < 0;
    i.bits_per_pixel = bpp;
    i.palette_size = bpp == 8 ? (used == 0 ? 256 : used) : used;
    const size_t pixels_at = header + size_t(i.palette_size) * 4;
    const size_t needed = RowBytes(i) * size_t(i.height);
    if (pixels_at > size)
        return Fail(err, "bitmap palette of " + std::to_string(i.palette_size) + " colours runs past the resource");
    if (size_image != 0 && size_image < needed)
        return Fail(err, "bitmap declares " + std::to_string(size_image) + " bytes of pixels, needs " +
                             std::to_string(needed));
    if (size - pixels_at < needed)
        return Fail(err, "bitmap pixels are truncated: " + std::to_string(size - pixels_at) + " bytes of " +
                             std::to_string(needed));
    *info = i;
    return true;
}

bool DecodeDib(const uint8_t* data, size_t size, Bitmap* out, DibInfo* info, std::string* err) {
    DibInfo i;
    if (!ReadDibInfo(data, size, &i, err)) return false;
    const uint8_t* palette = data + U32(data);
    const uint8_t* bits = palette + size_t(i.palette_size) * 4;
    const size_t row_bytes = RowBytes(i);
    // The palette as decoded pixels; black entries are see-through.
    uint8_t colours[256][4] = {};
    for (uint32_t k = 0; k < i.palette_size && i.bits_per_pixel == 8; ++k) {
        const uint8_t* e = palette + k * 4;
        if (e[0] | e[1] | e[2]) colours[k][0] = e[2], colours[k][1] = e[1], colours[k][2] = e[0], colours[k][3] = 255;
    }
    Bitmap b = Bitmap::Make(i.width, i.height);
    for (int y = 0; y < i.height; ++y) {
        const uint8_t* src = bits + row_bytes * size_t(i.top_down ? y : i.height - 1 - y);
        uint8_t* dst = b.row(y);
        if (i.bits_per_pixel == 8) {
            for (int x = 0; x < i.width; ++x, dst += 4) {
                const uint8_t index = src[x];
                if (index >= i.palette_size)
                    return Fail(err, "bitmap pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") uses colour " +
                                         std::to_string(index) + " of a " + std::to_string(i.palette_size) +
                                         "-colour palette");
                std::memcpy(dst, colours[index], 4);
            }
        } else {
            for (int x = 0; x < i.width; ++x, dst += 4) {
                const uint8_t bl = src[x * 3], g = src[x * 3 + 1], r = src[x * 3 + 2];
                if ((r | g | bl) == 0) continue;  // see-through, stays all zero
                dst[0] = r, dst[1] = g, dst[2] = bl, dst[3] = 255;
            }
        }
    }
    *out = std::move(b);
    if (info) *info = i;
    return true;
}

}  // namespace panel
