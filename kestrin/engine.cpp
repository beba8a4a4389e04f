// The engine instruments of both engines: oil temperature, oil pressure,
// radiator temperature, boost and rpm.
//
// Each gauge has its header, its background and its parent mouse area here;
// the needles, routines and child areas come with each gauge's own work.
#include "kestrin_ids.h"
#include "module.h"

namespace kestrin {
namespace {

FAILURE_RECORD oiltemp1_fail[] = {
    {.key = 20, .action = 2, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

ELEMENT_STATIC_IMAGE oiltemp1_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_OILTEMP1_FACE,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &oiltemp1_gauge,
        .next_element = nullptr,
        .failure_systems = oiltemp1_fail,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* oiltemp1_roots[] = {&oiltemp1_face.header, nullptr};

MOUSERECT oiltemp1_mouse[] = {
    MOUSE_PARENT(40994),
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

FAILURE_RECORD oiltemp2_fail[] = {
    {.key = 20, .action = 2, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

ELEMENT_STATIC_IMAGE oiltemp2_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_OILTEMP2_FACE,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &oiltemp2_gauge,
        .next_element = nullptr,
        .failure_systems = oiltemp2_fail,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* oiltemp2_roots[] = {&oiltemp2_face.header, nullptr};

MOUSERECT oiltemp2_mouse[] = {
    MOUSE_PARENT(40994),
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

FAILURE_RECORD oilpres1_fail[] = {
    {.key = 20, .action = 2, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

ELEMENT_STATIC_IMAGE oilpres1_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_OILPRES1_FACE,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &oilpres1_gauge,
        .next_element = nullptr,
        .failure_systems = oilpres1_fail,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* oilpres1_roots[] = {&oilpres1_face.header, nullptr};

MOUSERECT oilpres1_mouse[] = {
    MOUSE_PARENT(40995),
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

FAILURE_RECORD oilpres2_fail[] = {
    {.key = 20, .action = 2, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

ELEMENT_STATIC_IMAGE oilpres2_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_OILPRES2_FACE,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &oilpres2_gauge,
        .next_element = nullptr,
        .failure_systems = oilpres2_fail,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* oilpres2_roots[] = {&oilpres2_face.header, nullptr};

MOUSERECT oilpres2_mouse[] = {
    MOUSE_PARENT(40995),
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

FAILURE_RECORD radtemp1_fail[] = {
    {.key = 20, .action = 2, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

ELEMENT_STATIC_IMAGE radtemp1_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_RADTEMP1_FACE,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &radtemp1_gauge,
        .next_element = nullptr,
        .failure_systems = radtemp1_fail,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* radtemp1_roots[] = {&radtemp1_face.header, nullptr};

MOUSERECT radtemp1_mouse[] = {
    MOUSE_PARENT(43811),
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

FAILURE_RECORD radtemp2_fail[] = {
    {.key = 20, .action = 2, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

ELEMENT_STATIC_IMAGE radtemp2_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_RADTEMP2_FACE,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &radtemp2_gauge,
        .next_element = nullptr,
        .failure_systems = radtemp2_fail,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* radtemp2_roots[] = {&radtemp2_face.header, nullptr};

MOUSERECT radtemp2_mouse[] = {
    MOUSE_PARENT(43811),
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

FAILURE_RECORD boost1_fail[] = {
    {.key = 20, .action = 2, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

ELEMENT_STATIC_IMAGE boost1_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_BOOST1_FACE,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &boost1_gauge,
        .next_element = nullptr,
        .failure_systems = boost1_fail,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* boost1_roots[] = {&boost1_face.header, nullptr};

MOUSERECT boost1_mouse[] = {
    MOUSE_PARENT(43024),
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

FAILURE_RECORD boost2_fail[] = {
    {.key = 20, .action = 2, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

ELEMENT_STATIC_IMAGE boost2_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_BOOST2_FACE,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &boost2_gauge,
        .next_element = nullptr,
        .failure_systems = boost2_fail,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* boost2_roots[] = {&boost2_face.header, nullptr};

MOUSERECT boost2_mouse[] = {
    MOUSE_PARENT(43024),
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

FAILURE_RECORD rpm2_fail[] = {
    {.key = 20, .action = 2, .reserved = 0},
    {.key = 2, .action = 2, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

ELEMENT_STATIC_IMAGE rpm2_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_RPM2_FACE,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &rpm2_gauge,
        .next_element = nullptr,
        .failure_systems = rpm2_fail,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* rpm2_roots[] = {&rpm2_face.header, nullptr};

MOUSERECT rpm2_mouse[] = {
    MOUSE_PARENT(40992),
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

FAILURE_RECORD rpm1_fail[] = {
    {.key = 20, .action = 2, .reserved = 0},
    {.key = 2, .action = 2, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

ELEMENT_STATIC_IMAGE rpm1_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_RPM1_FACE,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &rpm1_gauge,
        .next_element = nullptr,
        .failure_systems = rpm1_fail,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* rpm1_roots[] = {&rpm1_face.header, nullptr};

MOUSERECT rpm1_mouse[] = {
    MOUSE_PARENT(40992),
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

}  // namespace

GAUGEHDR oiltemp1_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "oiltemp1",
    .elements_list = oiltemp1_roots,
    KESTRIN_GENERIC_ROUTINES,
    .size_x_mm = 100,
    .mouse_rect = oiltemp1_mouse,
    .gauge_callback = nullptr,
};

GAUGEHDR oiltemp2_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "oiltemp2",
    .elements_list = oiltemp2_roots,
    KESTRIN_GENERIC_ROUTINES,
    .size_x_mm = 100,
    .mouse_rect = oiltemp2_mouse,
    .gauge_callback = nullptr,
};

GAUGEHDR oilpres1_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "oilpres1",
    .elements_list = oilpres1_roots,
    KESTRIN_GENERIC_ROUTINES,
    .size_x_mm = 100,
    .mouse_rect = oilpres1_mouse,
    .gauge_callback = nullptr,
};

GAUGEHDR oilpres2_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "oilpres2",
    .elements_list = oilpres2_roots,
    KESTRIN_GENERIC_ROUTINES,
    .size_x_mm = 100,
    .mouse_rect = oilpres2_mouse,
    .gauge_callback = nullptr,
};

GAUGEHDR radtemp1_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "Radtemp1",
    .elements_list = radtemp1_roots,
    KESTRIN_GENERIC_ROUTINES,
    .size_x_mm = 100,
    .mouse_rect = radtemp1_mouse,
    .gauge_callback = nullptr,
};

GAUGEHDR radtemp2_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "Radtemp2",
    .elements_list = radtemp2_roots,
    KESTRIN_GENERIC_ROUTINES,
    .size_x_mm = 100,
    .mouse_rect = radtemp2_mouse,
    .gauge_callback = nullptr,
};

GAUGEHDR boost1_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "boost1",
    .elements_list = boost1_roots,
    KESTRIN_GENERIC_ROUTINES,
    .size_x_mm = 100,
    .mouse_rect = boost1_mouse,
    .gauge_callback = nullptr,
};

GAUGEHDR boost2_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "boost2",
    .elements_list = boost2_roots,
    KESTRIN_GENERIC_ROUTINES,
    .size_x_mm = 100,
    .mouse_rect = boost2_mouse,
    .gauge_callback = nullptr,
};

GAUGEHDR rpm2_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "rpm2",
    .elements_list = rpm2_roots,
    KESTRIN_GENERIC_ROUTINES,
    .size_x_mm = 100,
    .mouse_rect = rpm2_mouse,
    .gauge_callback = nullptr,
};

GAUGEHDR rpm1_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "rpm1",
    .elements_list = rpm1_roots,
    KESTRIN_GENERIC_ROUTINES,
    .size_x_mm = 100,
    .mouse_rect = rpm1_mouse,
    .gauge_callback = nullptr,
};

}  // namespace kestrin
