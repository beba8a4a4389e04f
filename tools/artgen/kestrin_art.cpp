// The bitmaps of Kestrin.gau: file names, sizes and depths as its resource
// script and gauges expect them, and the pictures drawn so far.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "art.h"

namespace artgen {
namespace {

struct BitmapSpec {
    int id;
    const char* file;  // as named in kestrin.rc
    int width, height, bpp;
    void (*draw)(Picture&);  // null: a card with the id on it
};

const BitmapSpec kKestrin[] = {
    {4096, "airspeed_face", 156, 156, 8, DrawAirspeedFace},
    {4352, "airspeed_needle", 86, 15, 8, DrawAirspeedNeedle},
    {5120, "fuel1_face", 156, 196, 8, nullptr},
    {5376, "fuel1_stbd_needle", 22, 5, 24, nullptr},
    {5456, "fuel1_port_needle", 22, 5, 24, nullptr},
    {5472, "fuel2_face", 156, 196, 8, nullptr},
    {5488, "fuel2_stbd_needle", 22, 5, 24, nullptr},
    {5504, "fuel2_port_needle", 22, 5, 24, nullptr},
    {5632, "fuel3_face", 156, 196, 8, nullptr},
    {5648, "fuel3_stbd_needle", 22, 5, 24, nullptr},
    {5664, "fuel3_port_needle", 22, 5, 24, nullptr},
    {6144, "oiltemp1_face", 156, 156, 8, nullptr},
    {6400, "oiltemp1_needle", 59, 9, 8, nullptr},
    {6480, "oiltemp2_face", 156, 156, 8, nullptr},
    {6496, "oiltemp2_needle", 59, 9, 8, nullptr},
    {6512, "oilpres1_face", 35, 67, 8, nullptr},
    {6517, "oilpres1_mark", 5, 1, 8, nullptr},
    {6528, "oilpres2_face", 35, 67, 8, nullptr},
    {6533, "oilpres2_mark", 5, 1, 8, nullptr},
    {8192, "radtemp1_face", 156, 156, 8, nullptr},
    {8448, "radtemp1_needle", 59, 9, 8, nullptr},
    {8528, "radtemp2_face", 156, 156, 8, nullptr},
    {8544, "radtemp2_needle", 59, 9, 8, nullptr},
    {8560, "boost1_face", 151, 151, 8, nullptr},
    {8565, "boost1_needle", 59, 9, 8, nullptr},
    {8576, "boost2_face", 151, 151, 8, nullptr},
    {8581, "boost2_needle", 59, 9, 8, nullptr},
    {8704, "brake_face", 154, 154, 8, nullptr},
    {8960, "brake_stbd_needle", 66, 20, 8, nullptr},
    {9216, "brake_port_needle", 66, 20, 8, nullptr},
    {9472, "brake_outer_needle", 66, 20, 8, nullptr},
    {10240, "rpm2_face", 302, 302, 8, nullptr},
    {10496, "rpm2_hundreds_needle", 132, 21, 8, nullptr},
    {12288, "rpm2_thousands_needle", 90, 20, 8, nullptr},
    {12544, "rpm1_face", 302, 302, 8, nullptr},
    {12800, "rpm1_hundreds_needle", 132, 21, 8, nullptr},
    {13056, "rpm1_thousands_needle", 90, 20, 8, nullptr},
    {9728, "suction_face", 151, 151, 8, nullptr},
    {9984, "suction_needle", 45, 10, 8, nullptr},
    {16384, "switch_face", 92, 94, 8, nullptr},
    {16448, "switchb_face", 267, 1023, 8, nullptr},
    {16453, "switchb_ap_down", 78, 78, 8, nullptr},
    {16454, "switchb_ap_up", 78, 78, 8, nullptr},
    {16512, "switchbb_face", 267, 1023, 8, nullptr},
    {16517, "switchbb_knob", 78, 78, 24, nullptr},
    {16640, "sight_frame", 384, 512, 8, nullptr},
    {16896, "sight_second_mark", 48, 45, 8, nullptr},
    {16897, "sight_second_mark_field", 384, 512, 8, nullptr},
    {17152, "sight_impact_mark", 48, 45, 8, nullptr},
    {17153, "sight_impact_mark_field", 384, 512, 8, nullptr},
    {17664, "feather1_face", 100, 100, 8, nullptr},
    {17665, "feather1_lamp_off", 18, 18, 8, nullptr},
    {17666, "feather1_lamp_on", 18, 18, 8, nullptr},
    {17920, "feather2_face", 100, 100, 8, nullptr},
    {17921, "feather2_lamp_off", 18, 18, 8, nullptr},
    {17922, "feather2_lamp_on", 18, 18, 8, nullptr},
};

// The airspeed needle's pivot on the face and its calibration points: the
// marks are drawn where the needle will point for each value.
constexpr double kPivotX = 79.5, kPivotY = 77.5;  // centre of pixel (79, 77)
struct CalPoint { double x, y, value; };
const CalPoint kAirspeedTable[] = {
    {79, 141, 0},  {79, 141, 40},  {37, 126, 60},  {6, 73, 100},
    {38, 19, 140}, {100, 12, 180}, {143, 53, 200}, {133, 112, 240},
    {81, 115, 260}, {42, 68, 300}, {98, 42, 340}, {117, 88, 400},
};
constexpr double kPi = 3.14159265358979323846;

double DirectionTo(double x, double y) {
    double d = std::atan2(x - 79.0, -(y - 77.0)) * 180.0 / kPi;
    return d < 0 ? d + 360.0 : d;
}

// Screen direction (degrees clockwise from up) of the needle at a value,
// turning linearly between entries, as the host maps it.
double AirspeedDirection(double value) {
    const size_t n = sizeof kAirspeedTable / sizeof kAirspeedTable[0];
    std::vector<double> turn(n, 0.0);
    double first = DirectionTo(kAirspeedTable[0].x, kAirspeedTable[0].y), prev = first;
    for (size_t i = 1; i < n; ++i) {
        const double d = DirectionTo(kAirspeedTable[i].x, kAirspeedTable[i].y);
        turn[i] = turn[i - 1] + std::fmod(d - prev + 360.0, 360.0);
        prev = d;
    }
    double t = turn[n - 1];
    for (size_t i = 0; i + 1 < n; ++i) {
        if (value < kAirspeedTable[i + 1].value) {
            const double f = (value - kAirspeedTable[i].value) /
                             (kAirspeedTable[i + 1].value - kAirspeedTable[i].value);
            t = turn[i] + std::max(0.0, f) * (turn[i + 1] - turn[i]);
            break;
        }
    }
    return std::fmod(first + t, 360.0);
}

// Point at distance r from the pivot in a screen direction.
void Polar(double dir_deg, double r, double* x, double* y) {
    const double a = dir_deg * kPi / 180.0;
    *x = kPivotX + r * std::sin(a);
    *y = kPivotY - r * std::cos(a);
}

void Screw(cairo_t* cr, double x, double y) {
    cairo_arc(cr, x, y, 5.5, 0, 2 * kPi);
    cairo_set_source_rgb(cr, 0.55, 0.55, 0.57);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0.25, 0.25, 0.27);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_move_to(cr, x - 4, y + 2);
    cairo_line_to(cr, x + 4, y - 2);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void Tick(cairo_t* cr, double value, double r_outer, double length, double width) {
    double x0, y0, x1, y1;
    const double d = AirspeedDirection(value);
    Polar(d, r_outer, &x0, &y0);
    Polar(d, r_outer - length, &x1, &y1);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

}  // namespace

void DrawCard(Picture& p, const std::string& label) {
    cairo_t* cr = p.cr();
    // Each label gets its own muted fill, so that cards tell apart even
    // where they are too small to carry their label.
    uint32_t h = 2166136261u;
    for (unsigned char c : label) h = (h ^ c) * 16777619u;
    cairo_set_source_rgb(cr, 0.18 + (h & 0xff) / 255.0 * 0.3, 0.18 + ((h >> 8) & 0xff) / 255.0 * 0.3,
                         0.18 + ((h >> 16) & 0xff) / 255.0 * 0.3);
    cairo_paint(cr);
    cairo_rectangle(cr, 0.5, 0.5, p.width() - 1, p.height() - 1);
    cairo_set_source_rgb(cr, 0.55, 0.6, 0.7);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    double size = p.height() * 0.4;
    p.UseFont("DejaVuSans-Bold.ttf", size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, label.c_str(), &e);
    if (e.width > p.width() * 0.85) size *= p.width() * 0.85 / e.width;
    if (size >= 4) {
        p.UseFont("DejaVuSans-Bold.ttf", size);
        cairo_set_source_rgb(cr, 0.9, 0.9, 0.92);
        p.CentredText(label, p.width() / 2.0, p.height() / 2.0);
    }
}

void DrawAirspeedFace(Picture& p) {
    cairo_t* cr = p.cr();
    // Bezel: a dark plate with a lighter edge and a screw in each corner.
    cairo_set_source_rgb(cr, 0.16, 0.16, 0.18);
    cairo_paint(cr);
    cairo_rectangle(cr, 1, 1, p.width() - 2, p.height() - 2);
    cairo_set_source_rgb(cr, 0.3, 0.3, 0.33);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    Screw(cr, 10, 10);
    Screw(cr, p.width() - 10, 10);
    Screw(cr, 10, p.height() - 10);
    Screw(cr, p.width() - 10, p.height() - 10);

    // Dial face: near-black, since pure black is see-through.
    cairo_arc(cr, kPivotX, kPivotY, 75, 0, 2 * kPi);
    cairo_set_source_rgb(cr, 0.35, 0.35, 0.38);
    cairo_fill(cr);
    cairo_arc(cr, kPivotX, kPivotY, 73, 0, 2 * kPi);
    cairo_set_source_rgb(cr, 0.05, 0.05, 0.06);
    cairo_fill(cr);

    cairo_set_source_rgb(cr, 0.94, 0.94, 0.9);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    // Outer ring: a mark every 10 knots from 40 to 240, long every 20.
    for (int v = 40; v <= 240; v += 10) Tick(cr, v, 72, v % 20 == 0 ? 9 : 5, v % 20 == 0 ? 2 : 1.2);
    p.UseFont("DejaVuSans-Bold.ttf", 11);
    for (int v = 60; v <= 240; v += 20) {
        double x, y;
        Polar(AirspeedDirection(v), 55, &x, &y);
        p.CentredText(std::to_string(v / 10), x, y);
    }
    // Inner ring, from 260 to 400.
    cairo_arc(cr, kPivotX, kPivotY, 40, 0, 2 * kPi);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    for (int v = 260; v <= 400; v += 20) Tick(cr, v, 40, v % 40 == 20 ? 6 : 4, 1.5);
    p.UseFont("DejaVuSans-Bold.ttf", 8);
    for (int v : {260, 300, 340, 400}) {
        double x, y;
        Polar(AirspeedDirection(v), 29, &x, &y);
        p.CentredText(std::to_string(v / 10), x, y);
    }
    p.UseFont("DejaVuSans-Bold.ttf", 7);
    p.CentredText("KNOTS", kPivotX, kPivotY + 16);
}

void DrawAirspeedNeedle(Picture& p) {
    cairo_t* cr = p.cr();
    const double px = 28.5, py = 7.5;  // pivot (28, 7)
    // Tail and counterweight, dark, left of the pivot.
    cairo_set_source_rgb(cr, 0.22, 0.22, 0.24);
    cairo_rectangle(cr, 6, py - 1.5, px - 6, 3);
    cairo_fill(cr);
    cairo_arc(cr, 8.5, py, 6, 0, 2 * kPi);
    cairo_fill(cr);
    // White pointer from the pivot to the right-hand end.
    cairo_set_source_rgb(cr, 0.96, 0.96, 0.94);
    cairo_move_to(cr, px, py - 2.5);
    cairo_line_to(cr, 80, py - 1.2);
    cairo_line_to(cr, 86, py);
    cairo_line_to(cr, 80, py + 1.2);
    cairo_line_to(cr, px, py + 2.5);
    cairo_close_path(cr);
    cairo_fill(cr);
    // Hub over the pivot.
    cairo_arc(cr, px, py, 4, 0, 2 * kPi);
    cairo_set_source_rgb(cr, 0.6, 0.6, 0.62);
    cairo_fill(cr);
}

bool DrawKestrin(const std::string& out_dir, std::string* err) {
    for (const BitmapSpec& b : kKestrin) {
        Picture p(b.width, b.height, b.bpp);
        if (b.draw)
            b.draw(p);
        else
            DrawCard(p, std::to_string(b.id));
        if (!p.Write(out_dir + "/" + b.file + ".bmp", err)) return false;
    }
    return true;
}

}  // namespace artgen
