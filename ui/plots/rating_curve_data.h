// One rating curve of the rating table in the unit shown: the analysed rows
// as points, the design value and every text the picture prints. Pure data,
// so the picture and its checks use the same points.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QPointF>

#include "form/rating_table.h"
#include "model/model.h"

namespace kelp {

// RatingCurveKind: which table column is plotted against the discharge.
enum class RatingCurveKind { Headwater = 1, OutletDepth = 2, OutletVelocity = 3 };

struct RatingCurveData {
    std::string title;
    std::string xTitle, yTitle;
    std::vector<std::string> project;  // project, location, date
    std::vector<std::string> design;   // the design value and its discharge
    // (discharge, value) of each analysed row in table order; a row that
    // was not analysed (discharge 0, jump "NA") is left out.
    std::vector<QPointF> points;
    // The design discharge's point: its own row, or straight between the two
    // rows around it; none when DesignQ lies outside the analysed rows.
    std::optional<QPointF> designPoint;
};

// `kind` is 1, 2 or 3; any other value is an invalid call (RuntimeFault).
RatingCurveData BuildRatingCurve(const Model& model, const RatingTable& table, int kind,
                                 bool metric);

}  // namespace kelp
