// artgen: draws the modules' bitmaps at build time.
//
//   artgen kestrin OUT_DIR [--font-dir DIR]       every bitmap of Kestrin.gau
//   artgen card OUT.bmp WIDTH HEIGHT BPP LABEL    one plain card
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "art.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    for (size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "--font-dir") {
            artgen::SetFontDir(args[i + 1]);
            args.erase(args.begin() + long(i), args.begin() + long(i) + 2);
            break;
        }
    }
    std::string err;
    if (args.size() == 2 && args[0] == "kestrin") {
        if (!artgen::DrawKestrin(args[1], &err)) {
            std::fprintf(stderr, "artgen: %s\n", err.c_str());
            return 1;
        }
        return 0;
    }
    if (args.size() == 6 && args[0] == "card") {
        const int w = std::atoi(args[2].c_str()), h = std::atoi(args[3].c_str());
        const int bpp = std::atoi(args[4].c_str());
        if (w <= 0 || h <= 0 || (bpp != 8 && bpp != 24)) {
            std::fprintf(stderr, "artgen: bad card size or depth\n");
            return 2;
        }
        artgen::Picture p(w, h, bpp);
        artgen::DrawCard(p, args[5]);
        if (!p.Write(args[1], &err)) {
            std::fprintf(stderr, "artgen: %s\n", err.c_str());
            return 1;
        }
        return 0;
    }
    std::fprintf(stderr,
                 "usage: artgen kestrin OUT_DIR [--font-dir DIR]\n"
                 "       artgen card OUT.bmp WIDTH HEIGHT BPP LABEL\n");
    return 2;
}
