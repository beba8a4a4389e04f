// The host's store of simulator variables, by token, and the catalogue of
// the variables it knows by name.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

namespace panel {

struct VariableInfo {
    uint32_t token;
    const char* name;  // e.g. "airspeed"
    const char* unit;  // e.g. "knots"
};

// The catalogue, ordered by token; nullptr when unknown.
const VariableInfo* FindVariable(uint32_t token);

class VariableStore {
public:
    VariableStore();
    void Set(uint32_t token, double value) { values_[token] = value; }
    // The current value; false (and 0) for a token neither catalogued nor set.
    bool Get(uint32_t token, double* value) const {
        auto it = values_.find(token);
        if (it == values_.end()) {
            *value = 0;
            return false;
        }
        *value = it->second;
        return true;
    }

private:
    std::unordered_map<uint32_t, double> values_;
};

}  // namespace panel
