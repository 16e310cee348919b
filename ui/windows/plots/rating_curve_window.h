// A rating-curve window of the rating table: one of the three curves
// (RatingCurveKind 1 headwater depth, 2 outlet depth, 3 outlet velocity)
// against the discharge, titled as its picture.
#pragma once

#include "form/rating_table.h"
#include "model/codes.h"
#include "model/model.h"
#include "ui/windows/plots/plot_canvas.h"

namespace kelp {

class RatingCurveWindow : public PlotCanvas {
public:
    explicit RatingCurveWindow(int ratingCurveKind, QWidget* parent = nullptr);

    // Keeps a copy of the table and of the model's project and design
    // discharge, in the unit system the model shows.
    void SetTable(const Model& model, const RatingTable& table);
    // The same curve in another unit system (1 English, 2 metric).
    void SetUnitSystem(float unitSystem);
    int kind() const { return kind_; }
    bool metricUnits() const { return !IsEnglish(model_.UnitSystem); }

protected:
    void Draw(QPainter& painter, const QRectF& area) const override;

private:
    int kind_;
    Model model_;
    RatingTable table_;
};

}  // namespace kelp
