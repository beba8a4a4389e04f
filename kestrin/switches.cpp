// The strips and buttons around the bomb sight: "Switch" (bomb button),
// "Switchb" (left strip) and "Switchbb" (angle selector).
//
// Each gauge has its header, its background and its parent mouse area here;
// the needles, routines and child areas come with each gauge's own work.
#include "kestrin_ids.h"
#include "module.h"

namespace kestrin {
namespace {

FAILURE_RECORD switch_fail[] = {
    {.key = 21, .action = 2, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

ELEMENT_STATIC_IMAGE switch_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_SWITCH_FACE,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &switch_gauge,
        .next_element = nullptr,
        .failure_systems = switch_fail,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* switch_roots[] = {&switch_face.header, nullptr};

MOUSERECT switch_mouse[] = {
    MOUSE_PARENT(43163),
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

FAILURE_RECORD switchb_fail[] = {
    {.key = 21, .action = 2, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

ELEMENT_STATIC_IMAGE switchb_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_SWITCHB_FACE,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &switchb_gauge,
        .next_element = nullptr,
        .failure_systems = switchb_fail,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* switchb_roots[] = {&switchb_face.header, nullptr};

MOUSERECT switchb_mouse[] = {
    MOUSE_PARENT(43163),
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

ELEMENT_STATIC_IMAGE switchbb_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_SWITCHBB_FACE,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &switchbb_gauge,
        .next_element = nullptr,
        .failure_systems = nullptr,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* switchbb_roots[] = {&switchbb_face.header, nullptr};

MOUSERECT switchbb_mouse[] = {
    MOUSE_PARENT(0),  // no help text
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

}  // namespace

GAUGEHDR switch_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "Switch",
    .elements_list = switch_roots,
    KESTRIN_GENERIC_ROUTINES,
    .size_x_mm = 100,
    .mouse_rect = switch_mouse,
    .gauge_callback = nullptr,
};

GAUGEHDR switchb_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "Switchb",
    .elements_list = switchb_roots,
    KESTRIN_GENERIC_ROUTINES,
    .size_x_mm = 100,
    .mouse_rect = switchb_mouse,
    .gauge_callback = nullptr,
};

GAUGEHDR switchbb_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "Switchbb",
    .elements_list = switchbb_roots,
    KESTRIN_GENERIC_ROUTINES,
    .size_x_mm = 100,
    .mouse_rect = switchbb_mouse,
    .gauge_callback = nullptr,
};

}  // namespace kestrin
