// Calibration tables to needle turns; the rule is written in calibration.h.
#include "calibration.h"

#include <cmath>
#include <numbers>

namespace panel {

double ScreenDirection(double px, double py, double x, double y) {
    const double d = std::atan2(x - px, -(y - py)) * (180.0 / std::numbers::pi);
    return d < 0 ? d + 360.0 : d;
}

bool Calibration::Build(double pivot_x, double pivot_y, const std::vector<CalPoint>& table, std::string* err) {
    if (table.empty()) {
        *err = "calibration table has no entries";
        return false;
    }
    values_.clear();
    turns_.clear();
    sign_ = table.back().value < table.front().value ? -1.0 : 1.0;
    double previous = 0;
    for (size_t i = 0; i < table.size(); ++i) {
        const CalPoint& e = table[i];
        if (!std::isfinite(e.value)) {
            *err = "calibration entry " + std::to_string(i) + " has a value that is not a finite number";
            return false;
        }
        if (i > 0 && (e.value - table[i - 1].value) * sign_ < 0) {
            *err = "calibration entry " + std::to_string(i) + " breaks the table's " +
                   (sign_ > 0 ? "rising" : "falling") + " order of values";
            return false;
        }
        if (e.x == pivot_x && e.y == pivot_y) {
            *err = "calibration entry " + std::to_string(i) + " lies on the needle's pivot";
            return false;
        }
        const double dir = ScreenDirection(pivot_x, pivot_y, e.x, e.y);
        if (i == 0) {
            first_direction_ = dir;
            turns_.push_back(0);
        } else {
            double step = std::fmod(dir - previous + 360.0, 360.0);
            if (step >= 360.0) step = 0;  // rounding of a step just under zero
            turns_.push_back(turns_.back() + step);
        }
        previous = dir;
        values_.push_back(e.value);
    }
    lowest_ = sign_ > 0 ? values_.front() : values_.back();
    return true;
}

double Calibration::TurnAt(double reading) const {
    if (std::isnan(reading)) reading = lowest_;
    // In u = sign * value the table rises (not strictly).
    const double u = sign_ * reading;
    if (u <= sign_ * values_.front()) return turns_.front();
    if (u >= sign_ * values_.back()) return turns_.back();
    for (size_t i = 0; i + 1 < values_.size(); ++i) {
        const double lo = sign_ * values_[i], hi = sign_ * values_[i + 1];
        if (u < hi) {
            const double t = (u - lo) / (hi - lo);
            return turns_[i] + t * (turns_[i + 1] - turns_[i]);
        }
    }
    return turns_.back();
}

bool BuildNeedleCalibration(const ELEMENT_NEEDLE& n, Calibration* out, std::string* err) {
    std::vector<CalPoint> table;
    table.reserve(n.nonlinearity_count);
    for (uint32_t i = 0; i < n.nonlinearity_count; ++i)
        table.push_back({double(n.nonlinearity[i].point.x), double(n.nonlinearity[i].point.y), n.nonlinearity[i].value});
    return out->Build(n.header.position.x, n.header.position.y, table, err);
}

double Calibration::DirectionOf(double turn) const {
    double d = std::fmod(first_direction_ + turn, 360.0);
    if (d < 0) d += 360.0;
    return d;
}

}  // namespace panel
