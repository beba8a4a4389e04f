// "brake", the triple brake-pressure gauge, and "suction", the suction dial.
//
// Each gauge has its header, its background and its parent mouse area here;
// the needles, routines and child areas come with each gauge's own work.
#include "kestrin_ids.h"
#include "module.h"

namespace kestrin {
namespace {

FAILURE_RECORD brake_fail[] = {
    {.key = 20, .action = 2, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

ELEMENT_STATIC_IMAGE brake_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_BRAKE_FACE,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &brake_gauge,
        .next_element = nullptr,
        .failure_systems = brake_fail,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* brake_roots[] = {&brake_face.header, nullptr};

MOUSERECT brake_mouse[] = {
    MOUSE_PARENT(43593),
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

FAILURE_RECORD suction_fail[] = {
    {.key = 20, .action = 2, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

ELEMENT_STATIC_IMAGE suction_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_SUCTION_FACE,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &suction_gauge,
        .next_element = nullptr,
        .failure_systems = suction_fail,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* suction_roots[] = {&suction_face.header, nullptr};

MOUSERECT suction_mouse[] = {
    MOUSE_PARENT(43878),
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

}  // namespace

GAUGEHDR brake_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "brake",
    .elements_list = brake_roots,
    KESTRIN_GENERIC_ROUTINES,
    .size_x_mm = 100,
    .mouse_rect = brake_mouse,
    .gauge_callback = nullptr,
};

GAUGEHDR suction_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "suction",
    .elements_list = suction_roots,
    KESTRIN_GENERIC_ROUTINES,
    .size_x_mm = 100,
    .mouse_rect = suction_mouse,
    .gauge_callback = nullptr,
};

}  // namespace kestrin
