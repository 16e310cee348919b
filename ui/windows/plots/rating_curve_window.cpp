#include "ui/windows/plots/rating_curve_window.h"

#include "ui/plots/rating_curve.h"
#include "ui/plots/rating_curve_data.h"

namespace kelp {

RatingCurveWindow::RatingCurveWindow(int ratingCurveKind, QWidget* parent)
    : PlotCanvas(parent), kind_(ratingCurveKind) {
    setObjectName("frmRatingCurve");
}

void RatingCurveWindow::SetTable(const Model& model, const RatingTable& table) {
    model_ = model;
    table_ = table;
    RatingCurveData curve = BuildRatingCurve(model_, table_, kind_, metricUnits());
    setWindowTitle(QString::fromStdString(curve.title));
    update();
}

void RatingCurveWindow::SetUnitSystem(float unitSystem) {
    model_.UnitSystem = unitSystem;
    update();
}

void RatingCurveWindow::Draw(QPainter& painter, const QRectF& area) const {
    DrawRatingCurve(painter, area, model_, table_, kind_, metricUnits());
}

}  // namespace kelp
