// A picture being drawn with cairo and written as a module bitmap: 8 bits
// per pixel with a 256-colour palette, or 24 bits. Pure black is the
// see-through colour, so drawn pixels never come out as pure black.
#pragma once

#include <cairo.h>

#include <string>

namespace artgen {

class Picture {
public:
    Picture(int width, int height, int bits_per_pixel);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    cairo_t* cr() { return cr_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Sets the face for text drawn from now on: a DejaVu file from the
    // font folder, loaded through FreeType with fixed rendering options so
    // that the output does not depend on the machine's font settings.
    void UseFont(const std::string& file_name, double size);

    // Draws text centred on (x, y).
    void CentredText(const std::string& text, double x, double y);

    // Quantises (8-bit pictures) and writes the BMP file.
    bool Write(const std::string& path, std::string* err) const;

private:
    int width_, height_, bpp_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Folder of the DejaVu font files, set by the build.
void SetFontDir(const std::string& dir);

}  // namespace artgen
