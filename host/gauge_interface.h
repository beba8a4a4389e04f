/* The gauge interface, all of it: include this one header. Modules declare
 * their gauges with these records; the host reads and drives them. */
#ifndef GAUGE_HOST_GAUGE_INTERFACE_H
#define GAUGE_HOST_GAUGE_INTERFACE_H

#include "conventions.h"
#include "elements.h"
#include "gauge_header.h"
#include "image.h"
#include "linkage.h"
#include "module_var.h"
#include "mouse.h"
#include "panels.h"

#endif /* GAUGE_HOST_GAUGE_INTERFACE_H */
