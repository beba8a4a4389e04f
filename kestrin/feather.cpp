// "feather1" and "feather2": the propeller-feathering buttons with their lamps.
//
// Each gauge has its header, its background and its parent mouse area here;
// the needles, routines and child areas come with each gauge's own work.
#include "kestrin_ids.h"
#include "module.h"

namespace kestrin {
namespace {

FAILURE_RECORD feather1_fail[] = {
    {.key = 21, .action = 2, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

ELEMENT_STATIC_IMAGE feather1_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_FEATHER1_FACE,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &feather1_gauge,
        .next_element = nullptr,
        .failure_systems = feather1_fail,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* feather1_roots[] = {&feather1_face.header, nullptr};

MOUSERECT feather1_mouse[] = {
    MOUSE_PARENT(44289),
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

FAILURE_RECORD feather2_fail[] = {
    {.key = 21, .action = 2, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

ELEMENT_STATIC_IMAGE feather2_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_FEATHER2_FACE,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &feather2_gauge,
        .next_element = nullptr,
        .failure_systems = feather2_fail,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* feather2_roots[] = {&feather2_face.header, nullptr};

MOUSERECT feather2_mouse[] = {
    MOUSE_PARENT(44289),
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

}  // namespace

GAUGEHDR feather1_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "feather1",
    .elements_list = feather1_roots,
    KESTRIN_GENERIC_ROUTINES,
    .size_x_mm = 100,
    .mouse_rect = feather1_mouse,
    .gauge_callback = nullptr,
};

GAUGEHDR feather2_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "feather2",
    .elements_list = feather2_roots,
    KESTRIN_GENERIC_ROUTINES,
    .size_x_mm = 100,
    .mouse_rect = feather2_mouse,
    .gauge_callback = nullptr,
};

}  // namespace kestrin
