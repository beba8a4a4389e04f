// "fuel1", "fuel2" and "fuel3": the dual fuel-contents gauges of the inner,
// outer and centre tank pairs.
//
// Each gauge has its header, its background and its parent mouse area here;
// the needles, routines and child areas come with each gauge's own work.
#include "kestrin_ids.h"
#include "module.h"

namespace kestrin {
namespace {

FAILURE_RECORD fuel1_fail[] = {
    {.key = 20, .action = 2, .reserved = 0},
    {.key = 10, .action = 1, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

ELEMENT_STATIC_IMAGE fuel1_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_FUEL1_FACE,
        .position = {9, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &fuel1_gauge,
        .next_element = nullptr,
        .failure_systems = fuel1_fail,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* fuel1_roots[] = {&fuel1_face.header, nullptr};

MOUSERECT fuel1_mouse[] = {
    MOUSE_PARENT(43814),
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

FAILURE_RECORD fuel2_fail[] = {
    {.key = 20, .action = 2, .reserved = 0},
    {.key = 10, .action = 1, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

ELEMENT_STATIC_IMAGE fuel2_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_FUEL2_FACE,
        .position = {9, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &fuel2_gauge,
        .next_element = nullptr,
        .failure_systems = fuel2_fail,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* fuel2_roots[] = {&fuel2_face.header, nullptr};

MOUSERECT fuel2_mouse[] = {
    MOUSE_PARENT(43814),
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

FAILURE_RECORD fuel3_fail[] = {
    {.key = 20, .action = 2, .reserved = 0},
    {.key = 10, .action = 1, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

ELEMENT_STATIC_IMAGE fuel3_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_FUEL3_FACE,
        .position = {9, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &fuel3_gauge,
        .next_element = nullptr,
        .failure_systems = fuel3_fail,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* fuel3_roots[] = {&fuel3_face.header, nullptr};

MOUSERECT fuel3_mouse[] = {
    MOUSE_PARENT(43814),
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

}  // namespace

GAUGEHDR fuel1_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "fuel1",
    .elements_list = fuel1_roots,
    KESTRIN_GENERIC_ROUTINES,
    .size_x_mm = 100,
    .mouse_rect = fuel1_mouse,
    .gauge_callback = nullptr,
};

GAUGEHDR fuel2_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "fuel2",
    .elements_list = fuel2_roots,
    KESTRIN_GENERIC_ROUTINES,
    .size_x_mm = 100,
    .mouse_rect = fuel2_mouse,
    .gauge_callback = nullptr,
};

GAUGEHDR fuel3_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "fuel3",
    .elements_list = fuel3_roots,
    KESTRIN_GENERIC_ROUTINES,
    .size_x_mm = 100,
    .mouse_rect = fuel3_mouse,
    .gauge_callback = nullptr,
};

}  // namespace kestrin
