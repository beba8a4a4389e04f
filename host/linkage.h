/* The two records every gauge module exports: ImportTable, through which
 * the module reaches the host's services, and Linkage, its gauge table. */
#ifndef GAUGE_HOST_LINKAGE_H
#define GAUGE_HOST_LINKAGE_H

#include "conventions.h"
#include "gauge_header.h"
#include "panels.h"

#ifdef __cplusplus
extern "C" {
#endif

#define GAUGE_MODULE_ID 0x13u          /* GAUGESLINKAGE.module_id */
#define IMPORT_TABLE_PANELS_ID 0x0Fu   /* IMPORT_TABLE.panels.id */

/* Exported symbol names. */
#define GAUGE_IMPORT_TABLE_SYMBOL "ImportTable"
#define GAUGE_LINKAGE_SYMBOL "Linkage"

typedef struct IMPORT_TABLE_ENTRY {
    uint32_t id; /* IMPORT_TABLE_PANELS_ID, or 0 for the closing entry */
    /* HOST: the host's services table, written before the module's first
     * routine runs and read afresh by every service call. Owned by the
     * host; valid until the module is unloaded. */
    PANELS* panels;
} IMPORT_TABLE_ENTRY;

typedef struct IMPORT_TABLE {
    IMPORT_TABLE_ENTRY panels; /* {IMPORT_TABLE_PANELS_ID, null} */
    IMPORT_TABLE_ENTRY end;    /* {0, null} */
} IMPORT_TABLE;

typedef void (*MODULE_ROUTINE)(void);

typedef struct GAUGESLINKAGE {
    uint32_t module_id;     /* GAUGE_MODULE_ID */
    MODULE_ROUTINE module_init;   /* [load] */
    MODULE_ROUTINE module_deinit; /* [unload] */
    uint32_t flags;          /* 0 */
    uint32_t module_version; /* 0 */
    uint32_t reserved;       /* 0 */
    /* The module's gauges in order, null-terminated. Owned by the module;
     * static. */
    GAUGEHDR** gauges;
} GAUGESLINKAGE;

#ifdef __cplusplus
}
#endif

#endif /* GAUGE_HOST_LINKAGE_H */
