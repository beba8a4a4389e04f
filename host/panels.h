/* PANELS: the table of services the host offers its modules, and the
 * service ids that gauge callbacks receive. */
#ifndef GAUGE_HOST_PANELS_H
#define GAUGE_HOST_PANELS_H

#include "conventions.h"
#include "elements.h"
#include "gauge_header.h"
#include "module_var.h"
#include "mouse.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Service ids passed to gauge callbacks. The host sends the pre-update id
 * once per frame; gauge callbacks act on it alone. */
#define PANEL_SERVICE_PRE_QUERY 0
#define PANEL_SERVICE_POST_QUERY 1
#define PANEL_SERVICE_PRE_INSTALL 2
#define PANEL_SERVICE_POST_INSTALL 3
#define PANEL_SERVICE_PRE_INITIALIZE 4
#define PANEL_SERVICE_POST_INITIALIZE 5
#define PANEL_SERVICE_PRE_UPDATE 6
#define PANEL_SERVICE_POST_UPDATE 7
#define PANEL_SERVICE_PRE_GENERATE 8
#define PANEL_SERVICE_POST_GENERATE 9
#define PANEL_SERVICE_PRE_DRAW 10
#define PANEL_SERVICE_POST_DRAW 11
#define PANEL_SERVICE_PRE_KILL 12
#define PANEL_SERVICE_POST_KILL 13

/* Every service is [module]: called by module code from inside one of its
 * routines. No caller uses a result. Element arguments are the root of a
 * chain: the service acts on it and on every element drawn after it. */
typedef struct PANELS {
    uint32_t size;    /* HOST: sizeof(PANELS) as the host built it */
    uint32_t version; /* HOST: layout version, 1 */

    void (*element_list_query)(ELEMENT_HEADER* element);
    /* On return the chain's bitmaps are loaded from the module's resources
     * and recorded in each element's images. */
    void (*element_list_install)(ELEMENT_HEADER* element, RESOURCE_HANDLE resources);
    void (*element_list_initialize)(ELEMENT_HEADER* element);
    /* Refreshes source variables, calls value routines, maps readings. */
    void (*element_list_update)(ELEMENT_HEADER* element);
    void (*element_list_generate)(ELEMENT_HEADER* element, uint32_t phase);
    void (*element_list_plot)(ELEMENT_HEADER* element);
    void (*element_list_kill)(ELEMENT_HEADER* element);

    /* size: the background's size in pixels as installed (x width,
     * y height); read during the call only. */
    void (*mouse_list_install)(MOUSERECT* list, GAUGEHDR* gauge, const PIXPOINT* size);
    /* From return on, clicks in the list's child areas reach their mouse
     * routines. The host keeps the list pointer until unregister. */
    void (*mouse_list_register)(MOUSERECT* list, GAUGEHDR* gauge);
    void (*mouse_list_unregister)(MOUSERECT* list, GAUGEHDR* gauge);

    /* Sends a key event, e.g. 65908, to the simulator; value is always 0. */
    void (*trigger_key_event)(uint32_t event_id, uint32_t value);
    /* On return var->value holds the simulator value named by var->id. */
    void (*lookup_var)(MODULE_VAR* var);
} PANELS;

#ifdef __cplusplus
}
#endif

#endif /* GAUGE_HOST_PANELS_H */
