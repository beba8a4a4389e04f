// Strict decoding of the device-independent bitmaps that modules carry as
// resources: uncompressed, 8 bits per pixel with a palette, or 24 bits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "bitmap.h"

namespace panel {

struct DibInfo {
    int width = 0;
    int height = 0;   // always positive; top_down tells the row order
    int bits_per_pixel = 0;
    bool top_down = false;
    uint32_t palette_size = 0;
};

// Reads and checks the header only: sizes, depth, compression, palette.
bool ReadDibInfo(const uint8_t* data, size_t size, DibInfo* info, std::string* err);

// Decodes to RGBA8888; pure black pixels become see-through (all zero).
bool DecodeDib(const uint8_t* data, size_t size, Bitmap* out, DibInfo* info, std::string* err);

}  // namespace panel
