// Writing a bitmap as a PNG file.
#pragma once

#include <string>

#include "bitmap.h"

namespace panel {

// Straight (not premultiplied) RGBA, 8 bits per channel.
bool WritePng(const Bitmap& bitmap, const std::string& path, std::string* err);

}  // namespace panel
