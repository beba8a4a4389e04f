// "Sight": the bomb-sight frame drawn over the view.
//
// Each gauge has its header, its background and its parent mouse area here;
// the needles, routines and child areas come with each gauge's own work.
#include "kestrin_ids.h"
#include "module.h"

namespace kestrin {
namespace {

ELEMENT_STATIC_IMAGE sight_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_SIGHT_FRAME,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &sight_gauge,
        .next_element = nullptr,
        .failure_systems = nullptr,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* sight_roots[] = {&sight_face.header, nullptr};

MOUSERECT sight_mouse[] = {
    MOUSE_PARENT(43163),
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

}  // namespace

GAUGEHDR sight_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "Sight",
    .elements_list = sight_roots,
    KESTRIN_GENERIC_ROUTINES,
    .size_x_mm = 100,
    .mouse_rect = sight_mouse,
    .gauge_callback = nullptr,
};

}  // namespace kestrin
