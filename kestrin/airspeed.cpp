// "Airspeed": a dial in knots whose needle makes almost two turns from 0 to
// 400, the outer ring up to 240 and the inner ring from 260 on.
#include "kestrin_ids.h"
#include "module.h"

namespace kestrin {
namespace {

// Clamps the airspeed in knots, as the host delivers it, to the dial.
FLOAT64 airspeed_cb(ELEMENT_HEADER* element) {
    const FLOAT64 knots = reinterpret_cast<ELEMENT_NEEDLE*>(element)->source_var.value;
    if (knots > 400.0) return 400.0;
    if (knots >= 0.0) return knots;
    return 0.0;  // negative, or not a number
}

FAILURE_RECORD airspeed_fail[] = {
    {.key = 21, .action = 2, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

// 0 and 40 share the foot of the dial; 260 to 400 lie on the inner ring.
NONLINEARITY airspeed_table[] = {
    {.point = {79, 141}, .value = 0, .degrees = 0},
    {.point = {79, 141}, .value = 40, .degrees = 0},
    {.point = {37, 126}, .value = 60, .degrees = 0},
    {.point = {6, 73}, .value = 100, .degrees = 0},
    {.point = {38, 19}, .value = 140, .degrees = 0},
    {.point = {100, 12}, .value = 180, .degrees = 0},
    {.point = {143, 53}, .value = 200, .degrees = 0},
    {.point = {133, 112}, .value = 240, .degrees = 0},
    {.point = {81, 115}, .value = 260, .degrees = 0},
    {.point = {42, 68}, .value = 300, .degrees = 0},
    {.point = {98, 42}, .value = 340, .degrees = 0},
    {.point = {117, 88}, .value = 400, .degrees = 0},
};

ELEMENT_NEEDLE airspeed_needle = {
    .header = {
        .element_type = ELEMENT_TYPE_NEEDLE,
        .resource_id = IDB_AIRSPEED_NEEDLE,
        .position = {79, 77},
        .pivot_offset = {28, 7},
        .gauge_header = &airspeed_gauge,
        .next_element = nullptr,
        .failure_systems = airspeed_fail,
        .image_flags = IMAGE_FLAG_DRAW | IMAGE_FLAG_DYNAMIC,
    },
    .source_var = {.id = 61},  // airspeed, knots
    .callback = {.of_element = airspeed_cb},
    .nonlinearity = airspeed_table,
    .nonlinearity_count = sizeof airspeed_table / sizeof airspeed_table[0],
    .max_degrees_per_tick = 6,
};

ELEMENT_HEADER* airspeed_face_children[] = {&airspeed_needle.header, nullptr};

ELEMENT_STATIC_IMAGE airspeed_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_AIRSPEED_FACE,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &airspeed_gauge,
        .next_element = airspeed_face_children,
        .failure_systems = airspeed_fail,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* airspeed_roots[] = {&airspeed_face.header, nullptr};

MOUSERECT airspeed_mouse[] = {
    MOUSE_PARENT(43778),  // 0xab02
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

}  // namespace

GAUGEHDR airspeed_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "Airspeed",
    .elements_list = airspeed_roots,
    KESTRIN_GENERIC_ROUTINES,
    .size_x_mm = 100,
    .mouse_rect = airspeed_mouse,
    .gauge_callback = nullptr,
};

}  // namespace kestrin
