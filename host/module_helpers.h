/* Shorthands for modules that declare their gauges as static records:
 * the export marker and the fixed mouse-list entries. */
#ifndef GAUGE_HOST_MODULE_HELPERS_H
#define GAUGE_HOST_MODULE_HELPERS_H

#include "linkage.h"
#include "mouse.h"

/* Marks ImportTable and Linkage, the only symbols a module exports. */
#if defined(_WIN32)
#define GAUGE_EXPORT __declspec(dllexport)
#else
#define GAUGE_EXPORT __attribute__((visibility("default")))
#endif

/* Defines the exported ImportTable, the same in every module: the slot the
 * host fills with its services table, then the closing entry. Use at file
 * scope, inside extern "C" in C++. */
#define GAUGE_DEFINE_IMPORT_TABLE()                                            \
    GAUGE_EXPORT IMPORT_TABLE ImportTable = {                                 \
        {IMPORT_TABLE_PANELS_ID, 0},                                          \
        {0, 0},                                                               \
    }

/* The parent area of a mouse list, carrying the gauge's help id. */
#define MOUSE_PARENT(help)                                                    \
    { MOUSE_KIND_PARENT, {0, 0, 0, 0}, MOUSE_CURSOR_NONE, (help), 0u, 0u, 0, 0 }

/* A child area: a box, its cursor and its mouse routine, single left click. */
#define MOUSE_CHILD(x, y, w, h, cursor, routine)                              \
    { MOUSE_KIND_CHILD, {(x), (y), (w), (h)}, (cursor), 0u,                   \
      MOUSE_FLAG_LEFTSINGLE, 0u, (routine), 0 }

/* The end of the parent's children, then the entry that closes the list. */
#define MOUSE_PARENT_END                                                      \
    { MOUSE_KIND_PARENT_END, {0, 0, 0, 0}, MOUSE_CURSOR_NONE, 0u, 0u, 0u, 0, 0 }
#define MOUSE_LIST_END                                                        \
    { MOUSE_KIND_END, {0, 0, 0, 0}, MOUSE_CURSOR_NONE, 0u, 0u, 0u, 0, 0 }

#endif /* GAUGE_HOST_MODULE_HELPERS_H */
