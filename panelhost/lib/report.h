// JSON views of a module and of a panel's state, as the command line prints
// them. Field names are stable: other tools read them.
#pragma once

#include <nlohmann/json.hpp>

#include "module.h"
#include "panel.h"

namespace panel {

using Json = nlohmann::ordered_json;

// A number, or for values that are not finite the strings "nan", "inf" and
// "-inf". Finite numbers print in their shortest round-trip form.
Json Number(double v);

// Everything the module declares: records, gauges, elements, mouse lists,
// resources and version strings.
Json DescribeModule(const Module& module);

// Each placed gauge's element states, the key events and the diagnostics.
Json DescribePanel(const Panel& panel);

}  // namespace panel
