// PNG output through libpng's simplified API.
#include "png_writer.h"

#include <png.h>

#include <vector>

namespace panel {

bool WritePng(const Bitmap& b, const std::string& path, std::string* err) {
    std::vector<uint8_t> straight(size_t(b.width) * size_t(b.height) * 4);
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x) {
            const uint8_t* s = b.at(x, y);
            uint8_t* d = &straight[(size_t(y) * size_t(b.width) + size_t(x)) * 4];
            const unsigned a = s[3];
            for (int k = 0; k < 3; ++k) d[k] = a == 0 ? 0 : uint8_t(std::min(255u, (s[k] * 255u + a / 2) / a));
            d[3] = uint8_t(a);
        }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = uint32_t(b.width);
    image.height = uint32_t(b.height);
    image.format = PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&image, path.c_str(), 0, straight.data(), b.width * 4, nullptr)) {
        *err = "cannot write " + path + ": " + image.message;
        return false;
    }
    return true;
}

}  // namespace panel
