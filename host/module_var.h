/* MODULE_VAR: one simulator variable, named by its token, whose value the
 * host writes. */
#ifndef GAUGE_HOST_MODULE_VAR_H
#define GAUGE_HOST_MODULE_VAR_H

#include "conventions.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Token 0 names no variable: an element whose source variable has token 0
 * shows only what its value routine returns. */
#define MODULE_VAR_NONE 0u

typedef struct MODULE_VAR {
    /* Set by the module. */
    uint32_t id; /* token of the simulator variable, e.g. 61 (0x3d) airspeed */

    /* HOST: written on every refresh (element update or lookup_var). */
    uint32_t refreshed; /* host frame number of the last refresh, 0 = never */
    FLOAT64 value;      /* the variable's value; an unknown token reads 0 */
} MODULE_VAR;

#ifdef __cplusplus
}
#endif

#endif /* GAUGE_HOST_MODULE_VAR_H */
