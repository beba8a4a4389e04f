// Needle calibration: how a reading becomes a needle direction.
//
// Each table entry pairs a value with a point on the face. Read in table
// order, each entry's direction (from the pivot towards its point, degrees
// clockwise from straight up, y growing downwards) lies clockwise of the
// previous one's by at least 0 and less than a full turn; the needle's
// travel between two entries is that clockwise turn. The needle's state is
// its turn along the table from the first entry, not a screen angle, so a
// needle that turns more than once, or a table stored from its highest
// value down, moves the right way.
//
// Between entries the turn is linear in the reading; beyond either end it
// stays at that end; a reading that is not a number counts as the table's
// lowest value.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gauge_interface.h"

namespace panel {

struct CalPoint {
    double x, y;  // gauge pixels
    double value;
};

class Calibration {
public:
    // Checks the table (at least one entry, values monotonic in table order,
    // no point on the pivot) and computes each entry's turn.
    bool Build(double pivot_x, double pivot_y, const std::vector<CalPoint>& table, std::string* err);

    // Turn in degrees from the first entry's direction at a reading.
    double TurnAt(double reading) const;
    // Screen direction, 0 to 360, of a turn.
    double DirectionOf(double turn) const;

    double first_direction() const { return first_direction_; }
    const std::vector<double>& turns() const { return turns_; }

private:
    std::vector<double> values_;  // in table order
    std::vector<double> turns_;   // per entry, from 0, non-decreasing
    double first_direction_ = 0;
    double sign_ = 1;  // +1 rising table, -1 falling
    double lowest_ = 0;
};

// Builds a needle's calibration from its own table, pivot at its position.
// The table must be readable (the gauge was validated).
bool BuildNeedleCalibration(const ELEMENT_NEEDLE& needle, Calibration* out, std::string* err);

// Direction from (px, py) towards (x, y), degrees clockwise from up.
double ScreenDirection(double px, double py, double x, double y);

}  // namespace panel
