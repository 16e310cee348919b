// The rating curve picture: discharge across, headwater depth, outlet depth
// or outlet velocity up, the analysed rows joined, the design value marked,
// with the project lines.
#pragma once

#include <QPainter>
#include <QRectF>

#include "form/rating_table.h"
#include "model/model.h"
#include "ui/plots/plot_axes.h"
#include "ui/plots/plot_style.h"
#include "ui/plots/rating_curve_data.h"

namespace kelp {

struct RatingCurveLayout {
    PlotStyle style;
    QRectF title, header, plot;
    Transform transform;
};

RatingCurveLayout LayoutRatingCurve(const QRectF& area, const RatingCurveData& d);

// Paints curve `kind` (RatingCurveKind 1, 2 or 3) of the table into `area` of
// any device. The table is in English units; `metric` shows metric units.
void DrawRatingCurve(QPainter& painter, const QRectF& area, const Model& model,
                     const RatingTable& table, int kind, bool metric);

}  // namespace kelp
