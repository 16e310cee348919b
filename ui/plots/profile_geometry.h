// The water-surface profile in world units, in the unit shown: absolute
// stations across and elevations up. Pure data, so the picture and its checks
// use the same points.
#pragma once

#include <optional>
#include <vector>

#include <QPointF>

#include "model/model.h"
#include "results/display_units.h"

namespace kelp {

struct StationSpan {
    double start, end;
};

struct ProfileGeometry {
    DisplayUnits units;
    double barrelHeight = 0;
    double inletSta = 0, outletSta = 0;
    std::optional<double> upperBreakSta;  // a double broken-back with an inlet section
    double lowerBreakSta = 0;
    // Inlet, breaks and outlet; the crown lies one barrel height above.
    std::vector<QPointF> invert, crown;
    // Surface points 1..ProfileIndex in station order, each no lower than the
    // invert and no higher than the crown, and the invert beneath each.
    std::vector<QPointF> surface, bed;
    // The surface points numbered UpperBreakPoint and LowerBreakPoint.
    std::optional<QPointF> upperBreakMark, lowerBreakMark;
    std::optional<StationSpan> jump;
    std::optional<double> headwater;  // when above the inlet invert
    std::optional<double> tailwater;  // when near enough to the barrel to draw
    // Lowest and highest elevation the picture has to show.
    double lowest = 0, highest = 0;
};

ProfileGeometry BuildProfileGeometry(const Model& model, bool metric);

// y of a polyline at x, straight between its points; a vertical step (two
// points at one x, as a single broken-back's inlet and upper break) is passed
// over; beyond the ends the end values hold.
double PolylineY(const std::vector<QPointF>& line, double x);

// The part of a polyline between x = from and x = to (from <= to): its ends
// on the line and every vertex between them.
std::vector<QPointF> Slice(const std::vector<QPointF>& line, double from, double to);

// Barrel height in feet: the diameter of a pipe, the rise of a box.
double BarrelHeightFeet(const Model& model);

}  // namespace kelp
