/* Compiles the whole interface as C (and, through the same file, as C++),
 * and checks a static declaration in the way modules write them. */
#include "gauge_interface.h"
#include "module_helpers.h"

GAUGE_DEFINE_IMPORT_TABLE();
static MOUSERECT mouse[] = {MOUSE_PARENT(1), MOUSE_PARENT_END, MOUSE_LIST_END};

static FAILURE_RECORD fail[] = {{21, 2, 0}, {0, 0, 0}};
static NONLINEARITY table[] = {{{79, 141}, 0.0, 0.0}, {{117, 88}, 400.0, 0.0}};

int main(void) {
    MODULE_VAR v = {61, 0, 0.0};
    (void)fail;
    (void)mouse;
    (void)table;
    return (int)v.value;
}
