// A test module with a good gauge, "Good", and beside it a gauge "Broken"
// carrying the one fault that FAULT_<name> selects; with no fault selected
// "Broken" is sound but reads a variable token the host does not know.
// FAULT_MODULE_ID breaks the module itself. "Old" is a version-610 gauge
// driven through its own routines; "Parts" holds a slider, an icon and a
// moving image.
#include "gauge_interface.h"
#include "module_helpers.h"
#include "testmod_ids.h"

extern "C" GAUGE_EXPORT IMPORT_TABLE ImportTable;

namespace {

extern GAUGEHDR good_gauge;
extern GAUGEHDR broken_gauge;
extern GAUGEHDR old_gauge;
extern GAUGEHDR parts_gauge;

void nothing() {}

PANELS* services() { return ImportTable.panels.panels; }

// A click sends the key event whose id is the value of variable 73.
MODULE_VAR click_var = {.id = 73};
int32_t good_click(const PIXPOINT*, uint32_t) {
    services()->lookup_var(&click_var);
    services()->trigger_key_event(uint32_t(click_var.value), 0);
    return 1;
}

// Every callback round sends key event 1000 + its service id.
void good_gauge_cb(GAUGEHDR*, int32_t service_id, uintptr_t) {
    services()->trigger_key_event(1000 + uint32_t(service_id), 0);
}

// "Good": a face and a needle reading token 61 straight, 0 up to 100 right.
NONLINEARITY good_table[] = {
    {.point = {20, 5}, .value = 0, .degrees = 0},
    {.point = {35, 15}, .value = 100, .degrees = 0},
};

ELEMENT_NEEDLE good_needle = {
    .header = {
        .element_type = ELEMENT_TYPE_NEEDLE,
        .resource_id = IDB_TEST_NEEDLE,
        .position = {20, 15},
        .pivot_offset = {2, 2},
        .gauge_header = &good_gauge,
        .next_element = nullptr,
        .failure_systems = nullptr,
        .image_flags = IMAGE_FLAG_DRAW | IMAGE_FLAG_DYNAMIC,
    },
    .source_var = {.id = 61},
    .callback = {.of_element = nullptr},
    .nonlinearity = good_table,
    .nonlinearity_count = 2,
    .max_degrees_per_tick = 0,
};

ELEMENT_HEADER* good_children[] = {&good_needle.header, nullptr};

ELEMENT_STATIC_IMAGE good_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_TEST_FACE,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &good_gauge,
        .next_element = good_children,
        .failure_systems = nullptr,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* good_roots[] = {&good_face.header, nullptr};
MOUSERECT good_mouse[] = {
    MOUSE_PARENT(1),
    MOUSE_CHILD(0, 0, 10, 10, MOUSE_CURSOR_HAND, good_click),
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

// "Broken".
#if defined(FAULT_TABLE_ORDER)
NONLINEARITY broken_table[] = {
    {.point = {20, 5}, .value = 0, .degrees = 0},
    {.point = {35, 15}, .value = 50, .degrees = 0},
    {.point = {20, 25}, .value = 20, .degrees = 0},
};
#else
NONLINEARITY broken_table[] = {
    {.point = {20, 5}, .value = 0, .degrees = 0},
    {.point = {35, 15}, .value = 100, .degrees = 0},
};
#endif

#if defined(FAULT_FAILURE_LIST)
const FAILURE_RECORD broken_fail[] = {{.key = 20, .action = 2, .reserved = 0}, {.key = 0, .action = 3, .reserved = 0}};
#else
const FAILURE_RECORD broken_fail[] = {{.key = 20, .action = 2, .reserved = 0}, {.key = 0, .action = 0, .reserved = 0}};
#endif

extern ELEMENT_HEADER* broken_children[];

ELEMENT_NEEDLE broken_needle = {
    .header = {
#if defined(FAULT_KIND)
        .element_type = 2,
#else
        .element_type = ELEMENT_TYPE_NEEDLE,
#endif
#if defined(FAULT_BITMAP)
        .resource_id = 999,
#else
        .resource_id = IDB_TEST_NEEDLE,
#endif
        .position = {20, 15},
        .pivot_offset = {2, 2},
        .gauge_header = &broken_gauge,
#if defined(FAULT_CYCLE)
        .next_element = broken_children,
#else
        .next_element = nullptr,
#endif
        .failure_systems = broken_fail,
        .image_flags = IMAGE_FLAG_DRAW | IMAGE_FLAG_DYNAMIC,
    },
    .source_var = {.id = 70000},  // a token the host does not know
    .callback = {.of_element = nullptr},
    .nonlinearity = broken_table,
#if defined(FAULT_TABLE_EMPTY)
    .nonlinearity_count = 0,
#else
    .nonlinearity_count = sizeof broken_table / sizeof broken_table[0],
#endif
    .max_degrees_per_tick = 6,
};

ELEMENT_HEADER* broken_children[] = {&broken_needle.header, nullptr};

ELEMENT_STATIC_IMAGE broken_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_TEST_FACE,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &broken_gauge,
        .next_element = broken_children,
        .failure_systems = broken_fail,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* broken_roots[] = {&broken_face.header, nullptr};

#if defined(FAULT_MOUSE_SHAPE)
MOUSERECT broken_mouse[] = {MOUSE_PARENT(2), MOUSE_LIST_END};
#else
MOUSERECT broken_mouse[] = {MOUSE_PARENT(2), MOUSE_PARENT_END, MOUSE_LIST_END};
#endif

GAUGEHDR good_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "Good",
    .elements_list = good_roots,
    .size_x_mm = 100,
    .mouse_rect = good_mouse,
    .gauge_callback = good_gauge_cb,
};

GAUGEHDR broken_gauge = {
#if defined(FAULT_VERSION)
    .gauge_header_version = 650,
#else
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
#endif
#if defined(FAULT_NAME)
    .gauge_name = "Bro\x01ken",
#elif defined(FAULT_OUTSIDE_NAME)
    .gauge_name = reinterpret_cast<const char*>(uintptr_t{0x10}),
#else
    .gauge_name = "Broken",
#endif
    .elements_list = broken_roots,
#if defined(FAULT_DATA_ROUTINE)
    .kill_routine = reinterpret_cast<GAUGE_ROUTINE>(broken_table),
#endif
    .size_x_mm = 100,
    .mouse_rect = broken_mouse,
};

// "Old": the version-610 way. Its needle's value routine is given the
// source variable, and shows twice its value.
FLOAT64 old_cb(MODULE_VAR* source) { return source->value * 2; }

ELEMENT_NEEDLE old_needle = {
    .header = {
        .element_type = ELEMENT_TYPE_NEEDLE,
        .resource_id = IDB_TEST_NEEDLE,
        .position = {20, 15},
        .pivot_offset = {2, 2},
        .gauge_header = &old_gauge,
        .next_element = nullptr,
        .failure_systems = nullptr,
        .image_flags = IMAGE_FLAG_DRAW | IMAGE_FLAG_DYNAMIC,
    },
    .source_var = {.id = 61},
    .callback = {.of_var = old_cb},
    .nonlinearity = good_table,
    .nonlinearity_count = 2,
    .max_degrees_per_tick = 6,
    .axis_point = {14, 2},
};

ELEMENT_HEADER* old_children[] = {&old_needle.header, nullptr};

ELEMENT_STATIC_IMAGE old_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_TEST_FACE,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &old_gauge,
        .next_element = old_children,
        .failure_systems = nullptr,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* old_roots[] = {&old_face.header, nullptr};
MOUSERECT old_mouse[] = {
    MOUSE_PARENT(3),
    MOUSE_CHILD(0, 0, 10, 10, MOUSE_CURSOR_HAND, good_click),
    MOUSE_PARENT_END,
    MOUSE_LIST_END,
};

void old_query() { services()->element_list_query(old_roots[0]); }
void old_install(RESOURCE_HANDLE resources) {
    services()->element_list_install(old_roots[0], resources);
    const HOST_IMAGE* face = old_roots[0]->images;
    const PIXPOINT size = {face ? int32_t(face->width) : 0, face ? int32_t(face->height) : 0};
    services()->mouse_list_install(old_mouse, &old_gauge, &size);
    services()->mouse_list_register(old_mouse, &old_gauge);
}
void old_initialize() { services()->element_list_initialize(old_roots[0]); }
void old_update() { services()->element_list_update(old_roots[0]); }
void old_generate(uint32_t phase) { services()->element_list_generate(old_roots[0], phase); }
void old_draw() { services()->element_list_plot(old_roots[0]); }
void old_kill() {
    services()->mouse_list_unregister(old_mouse, &old_gauge);
    services()->element_list_kill(old_roots[0]);
}

GAUGEHDR old_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_610,
    .gauge_name = "Old",
    .elements_list = old_roots,
    .query_routine = old_query,
    .install_routine = old_install,
    .initialize_routine = old_initialize,
    .update_routine = old_update,
    .generate_routine = old_generate,
    .draw_routine = old_draw,
    .kill_routine = old_kill,
    .size_x_mm = 57,
    .mouse_rect = nullptr,
};

// "Parts": y slider on token 61, icon on token 64, moving image on 65 and 79.
ELEMENT_MOVING_IMAGE parts_mark = {
    .header = {
        .element_type = ELEMENT_TYPE_MOVING_IMAGE,
        .resource_id = IDB_TEST_MARK,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &parts_gauge,
        .next_element = nullptr,
        .failure_systems = nullptr,
        .image_flags = IMAGE_FLAG_DRAW | IMAGE_FLAG_DYNAMIC,
    },
    .x = {.source_var = {.id = 65}, .min = 5, .max = 35, .callback = {}},
    .y = {.source_var = {.id = 79}, .min = 5, .max = 25, .callback = {}},
};

ELEMENT_HEADER* parts_icon_children[] = {&parts_mark.header, nullptr};

ELEMENT_ICON parts_icon = {
    .header = {
        .element_type = ELEMENT_TYPE_ICON,
        .resource_id = IDB_TEST_ICON,
        .position = {30, 2},
        .pivot_offset = {0, 0},
        .gauge_header = &parts_gauge,
        .next_element = parts_icon_children,
        .failure_systems = nullptr,
        .image_flags = IMAGE_FLAG_DRAW | IMAGE_FLAG_DYNAMIC | IMAGE_FLAG_LUMINOUS,
    },
    .source_var = {.id = 64},
    .callback = {},
    .switch_mode = 3,
    .scale = 0,
    .offset = 0,
    .image_count = 2,
};

ELEMENT_HEADER* parts_slider_children[] = {&parts_icon.header, nullptr};

ELEMENT_SLIDER parts_slider = {
    .header = {
        .element_type = ELEMENT_TYPE_SLIDER,
        .resource_id = IDB_TEST_SLIDER,
        .position = {2, 20},
        .pivot_offset = {0, 0},
        .gauge_header = &parts_gauge,
        .next_element = parts_slider_children,
        .failure_systems = nullptr,
        .image_flags = IMAGE_FLAG_DRAW | IMAGE_FLAG_DYNAMIC | IMAGE_FLAG_LUMINOUS,
    },
    .x = {.source_var = {.id = 0}, .scale = 0, .callback = {}},
    .y = {.source_var = {.id = 61}, .scale = -0.25, .callback = {}},
};

ELEMENT_HEADER* parts_children[] = {&parts_slider.header, nullptr};

ELEMENT_STATIC_IMAGE parts_face = {
    .header = {
        .element_type = ELEMENT_TYPE_STATIC_IMAGE,
        .resource_id = IDB_TEST_FACE,
        .position = {0, 0},
        .pivot_offset = {0, 0},
        .gauge_header = &parts_gauge,
        .next_element = parts_children,
        .failure_systems = nullptr,
        .image_flags = IMAGE_FLAG_DRAW,
    },
};

ELEMENT_HEADER* parts_roots[] = {&parts_face.header, nullptr};
MOUSERECT parts_mouse[] = {MOUSE_PARENT(4), MOUSE_PARENT_END, MOUSE_LIST_END};

GAUGEHDR parts_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "Parts",
    .elements_list = parts_roots,
    .size_x_mm = 100,
    .mouse_rect = parts_mouse,
};

GAUGEHDR* gauge_table[] = {&good_gauge, &broken_gauge, &old_gauge, &parts_gauge, nullptr};

}  // namespace

extern "C" {

GAUGE_DEFINE_IMPORT_TABLE();

GAUGE_EXPORT GAUGESLINKAGE Linkage = {
#if defined(FAULT_MODULE_ID)
    .module_id = 0x14,
#else
    .module_id = GAUGE_MODULE_ID,
#endif
    .module_init = nothing,
    .module_deinit = nothing,
    .flags = 0,
    .module_version = 0,
    .reserved = 0,
    .gauges = gauge_table,
};

}  // extern "C"
