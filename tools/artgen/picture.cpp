// Drawing surface, fixed font loading, palette quantisation and BMP output
// for the art generator.
#include "picture.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <map>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace artgen {
namespace {

std::string font_dir = "/usr/share/fonts/truetype/dejavu";

struct Rgb {
    uint8_t r, g, b;
    bool operator<(const Rgb& o) const {
        return std::tie(r, g, b) < std::tie(o.r, o.g, o.b);
    }
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};
uint32_t Key(Rgb c) { return (uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b; }

// Reads the surface as opaque colours or see-through. Half-covered pixels
// count as drawn; a drawn pixel that would be pure black is lifted to
// (1, 1, 1) so that it does not turn see-through.
std::vector<std::pair<bool, Rgb>> Pixels(cairo_surface_t* s, int w, int h) {
    cairo_surface_flush(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    std::vector<std::pair<bool, Rgb>> out(size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + y * stride);
        for (int x = 0; x < w; ++x) {
            const uint32_t p = row[x];
            const unsigned a = p >> 24;
            if (a < 128) {
                out[size_t(y) * w + x] = {false, {0, 0, 0}};
                continue;
            }
            auto un = [a](unsigned c) { return uint8_t(std::min(255u, (c * 255 + a / 2) / a)); };
            Rgb c{un((p >> 16) & 255), un((p >> 8) & 255), un(p & 255)};
            if (c == Rgb{0, 0, 0}) c = {1, 1, 1};
            out[size_t(y) * w + x] = {true, c};
        }
    }
    return out;
}

// Median cut over the distinct drawn colours, weighted by pixel count, to at
// most 255 entries; entry 0 stays the see-through black.
std::vector<Rgb> BuildPalette(const std::vector<std::pair<bool, Rgb>>& px) {
    std::map<Rgb, uint64_t> counts;
    for (auto& [drawn, c] : px)
        if (drawn) ++counts[c];
    struct Entry { Rgb c; uint64_t n; };
    std::vector<Entry> colours;
    for (auto& [c, n] : counts) colours.push_back({c, n});
    std::vector<Rgb> palette{{0, 0, 0}};
    if (colours.size() <= 255) {
        for (auto& e : colours) palette.push_back(e.c);
        return palette;
    }
    struct Box { size_t begin, end; };
    std::vector<Box> boxes{{0, colours.size()}};
    auto channel = [](const Rgb& c, int k) { return k == 0 ? c.r : k == 1 ? c.g : c.b; };
    while (boxes.size() < 255) {
        // Split the box with the widest channel range.
        int best = -1, best_axis = 0, best_range = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2) continue;
            for (int k = 0; k < 3; ++k) {
                int lo = 255, hi = 0;
                for (size_t j = boxes[i].begin; j < boxes[i].end; ++j) {
                    lo = std::min<int>(lo, channel(colours[j].c, k));
                    hi = std::max<int>(hi, channel(colours[j].c, k));
                }
                if (hi - lo > best_range) { best = int(i); best_axis = k; best_range = hi - lo; }
            }
        }
        if (best < 0) break;
        Box b = boxes[best];
        std::stable_sort(colours.begin() + b.begin, colours.begin() + b.end,
                         [&](const Entry& x, const Entry& y) {
                             return channel(x.c, best_axis) < channel(y.c, best_axis);
                         });
        uint64_t total = 0, acc = 0;
        for (size_t j = b.begin; j < b.end; ++j) total += colours[j].n;
        size_t mid = b.begin + 1;
        for (size_t j = b.begin; j < b.end - 1; ++j) {
            acc += colours[j].n;
            mid = j + 1;
            if (acc * 2 >= total) break;
        }
        boxes[best] = {b.begin, mid};
        boxes.push_back({mid, b.end});
    }
    for (auto& b : boxes) {
        uint64_t n = 0, r = 0, g = 0, bl = 0;
        for (size_t j = b.begin; j < b.end; ++j) {
            n += colours[j].n;
            r += colours[j].c.r * colours[j].n;
            g += colours[j].c.g * colours[j].n;
            bl += colours[j].c.b * colours[j].n;
        }
        Rgb c{uint8_t((r + n / 2) / n), uint8_t((g + n / 2) / n), uint8_t((bl + n / 2) / n)};
        if (c == Rgb{0, 0, 0}) c = {1, 1, 1};
        palette.push_back(c);
    }
    return palette;
}

void Put16(std::vector<uint8_t>& v, uint32_t x) { v.push_back(x & 255); v.push_back((x >> 8) & 255); }
void Put32(std::vector<uint8_t>& v, uint32_t x) { Put16(v, x & 0xffff); Put16(v, x >> 16); }

}  // namespace

void SetFontDir(const std::string& dir) { font_dir = dir; }

Picture::Picture(int width, int height, int bits_per_pixel)
    : width_(width), height_(height), bpp_(bits_per_pixel),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {}

Picture::~Picture() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void Picture::UseFont(const std::string& file_name, double size) {
    // One FreeType library and face per file for the life of the program:
    // cairo keeps referring to the face.
    static FT_Library library = nullptr;
    static std::map<std::string, cairo_font_face_t*> faces;
    if (!library) FT_Init_FreeType(&library);
    cairo_font_face_t*& face = faces[file_name];
    if (!face) {
        FT_Face ft = nullptr;
        const std::string path = font_dir + "/" + file_name;
        if (FT_New_Face(library, path.c_str(), 0, &ft) != 0) {
            std::fprintf(stderr, "artgen: cannot load font %s\n", path.c_str());
            std::exit(1);
        }
        face = cairo_ft_font_face_create_for_ft_face(ft, 0);
    }
    cairo_set_font_face(cr_, face);
    cairo_set_font_size(cr_, size);
    cairo_font_options_t* opt = cairo_font_options_create();
    cairo_font_options_set_antialias(opt, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(opt, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(opt, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_subpixel_order(opt, CAIRO_SUBPIXEL_ORDER_DEFAULT);
    cairo_set_font_options(cr_, opt);
    cairo_font_options_destroy(opt);
}

void Picture::CentredText(const std::string& text, double x, double y) {
    cairo_text_extents_t e;
    cairo_text_extents(cr_, text.c_str(), &e);
    cairo_move_to(cr_, x - e.width / 2 - e.x_bearing, y - e.height / 2 - e.y_bearing);
    cairo_show_text(cr_, text.c_str());
}

bool Picture::Write(const std::string& path, std::string* err) const {
    const auto px = Pixels(surface_, width_, height_);
    const bool indexed = bpp_ == 8;
    const uint32_t row_bytes = (uint32_t(width_) * (indexed ? 1 : 3) + 3) & ~3u;
    const uint32_t palette_bytes = indexed ? 256 * 4 : 0;
    const uint32_t offset = 14 + 40 + palette_bytes;
    const uint32_t image_bytes = row_bytes * uint32_t(height_);

    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + image_bytes);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, uint32_t(width_));
    Put32(out, uint32_t(height_));  // positive: rows stored bottom-up
    Put16(out, 1);
    Put16(out, uint32_t(bpp_));
    Put32(out, 0);  // uncompressed
    Put32(out, image_bytes);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, indexed ? 256 : 0);
    Put32(out, 0);

    std::vector<uint8_t> index(px.size(), 0);
    if (indexed) {
        std::vector<Rgb> palette = BuildPalette(px);
        std::unordered_map<uint32_t, uint8_t> nearest;
        for (size_t i = 0; i < px.size(); ++i) {
            if (!px[i].first) continue;
            const Rgb c = px[i].second;
            auto [it, fresh] = nearest.try_emplace(Key(c), 1);
            if (fresh) {
                int best = 1, best_d = 1 << 30;
                for (size_t k = 1; k < palette.size(); ++k) {
                    const int dr = c.r - palette[k].r, dg = c.g - palette[k].g, db = c.b - palette[k].b;
                    const int d = dr * dr + dg * dg + db * db;
                    if (d < best_d) { best_d = d; best = int(k); }
                }
                it->second = uint8_t(best);
            }
            index[i] = it->second;
        }
        palette.resize(256, Rgb{0, 0, 0});
        for (const Rgb& c : palette) {
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
            out.push_back(0);
        }
    }
    for (int y = height_ - 1; y >= 0; --y) {
        const size_t start = out.size();
        for (int x = 0; x < width_; ++x) {
            const size_t i = size_t(y) * width_ + x;
            if (indexed) {
                out.push_back(index[i]);
            } else {
                const Rgb c = px[i].first ? px[i].second : Rgb{0, 0, 0};
                out.push_back(c.b);
                out.push_back(c.g);
                out.push_back(c.r);
            }
        }
        while (out.size() - start < row_bytes) out.push_back(0);
    }

    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(out.data(), 1, out.size(), f) != out.size()) {
        if (f) std::fclose(f);
        *err = "cannot write " + path;
        return false;
    }
    return std::fclose(f) == 0 || (*err = "cannot write " + path, false);
}

}  // namespace artgen
