// artgen: draws the modules' bitmaps at build time.
//
//   artgen kestrin OUT_DIR [--font-dir DIR]       every bitmap of Kestrin.gau
//   artgen cards OUT_DIR NAME=WxHxBPP ...         plain cards, labelled NAME
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
    if (args.size() >= 3 && args[0] == "cards") {
        for (size_t i = 2; i < args.size(); ++i) {
            const std::string& spec = args[i];
            const size_t eq = spec.find('=');
            int w = 0, h = 0, bpp = 0;
            if (eq == std::string::npos || eq == 0 ||
                std::sscanf(spec.c_str() + eq + 1, "%dx%dx%d", &w, &h, &bpp) != 3 || w <= 0 || h <= 0 ||
                (bpp != 8 && bpp != 24)) {
                std::fprintf(stderr, "artgen: bad card '%s': want NAME=WxHxBPP, BPP 8 or 24\n", spec.c_str());
                return 2;
            }
            const std::string name = spec.substr(0, eq);
            artgen::Picture p(w, h, bpp);
            artgen::DrawCard(p, name);
            if (!p.Write(args[1] + "/" + name + ".bmp", &err)) {
                std::fprintf(stderr, "artgen: %s\n", err.c_str());
                return 1;
            }
        }
        return 0;
    }
    std::fprintf(stderr,
                 "usage: artgen kestrin OUT_DIR [--font-dir DIR]\n"
                 "       artgen cards OUT_DIR NAME=WxHxBPP ...\n");
    return 2;
}
