// Simulator variables the gauges read, with their units as the host
// delivers them. Every catalogued variable starts at 0.
#include "variables.h"

#include <algorithm>
#include <iterator>

namespace panel {
namespace {

const VariableInfo kCatalogue[] = {
    {2, "ground_elevation", "1/256 metre"},
    {61, "airspeed", "knots"},
    {64, "mach", "Mach x 65532 / 3.2"},
    {65, "second_mark_offset", "raw"},
    {73, "altitude", "metres"},
    {79, "second_mark_angle", "degrees"},
    {135, "engine1_speed", "raw"},
    {148, "engine1_oil_pressure", "raw"},
    {152, "engine1_boost", "raw"},
    {154, "engine1_speed_scale", "65535 = 1"},
    {170, "engine2_speed", "raw"},
    {183, "engine2_oil_pressure", "raw"},
    {187, "engine2_boost", "raw"},
    {189, "engine2_speed_scale", "65535 = 1"},
    {289, "centre_port_tank_level", "8388606 = full"},
    {290, "centre_port_tank_capacity", "gallons"},
    {291, "inner_port_tank_level", "8388606 = full"},
    {292, "inner_port_tank_capacity", "gallons"},
    {293, "outer_port_tank_level", "8388606 = full"},
    {294, "outer_port_tank_capacity", "gallons"},
    {297, "inner_stbd_tank_level", "8388606 = full"},
    {298, "inner_stbd_tank_capacity", "gallons"},
    {299, "outer_stbd_tank_level", "8388606 = full"},
    {300, "outer_stbd_tank_capacity", "gallons"},
    {320, "port_brake", "raw"},
    {321, "stbd_brake", "raw"},
    {322, "brake_supply", "raw"},
    {341, "outside_air_temperature", "degrees Celsius"},
    {353, "suction", "raw"},
    {383, "centre_stbd_tank_level", "8388606 = full"},
    {384, "centre_stbd_tank_capacity", "gallons"},
    {394, "engine1_propeller", "raw"},
    {416, "engine1_oil_temperature", "degrees Rankine"},
    {417, "engine1_radiator_temperature", "degrees Rankine"},
    {433, "engine2_propeller", "raw"},
    {455, "engine2_oil_temperature", "degrees Rankine"},
    {456, "engine2_radiator_temperature", "degrees Rankine"},
};

}  // namespace

const VariableInfo* FindVariable(uint32_t token) {
    auto it = std::lower_bound(std::begin(kCatalogue), std::end(kCatalogue), token,
                               [](const VariableInfo& v, uint32_t t) { return v.token < t; });
    return it != std::end(kCatalogue) && it->token == token ? &*it : nullptr;
}

VariableStore::VariableStore() {
    for (const VariableInfo& v : kCatalogue) values_[v.token] = 0.0;
}

}  // namespace panel
