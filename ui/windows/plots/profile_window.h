// The water-surface profile window that "Press Button to Plot Profile" opens
// from the result form.
#pragma once

#include "model/codes.h"
#include "model/model.h"
#include "ui/windows/plots/plot_canvas.h"

namespace kelp {

class ProfileWindow : public PlotCanvas {
public:
    explicit ProfileWindow(QWidget* parent = nullptr);

    // Keeps a copy of the analysis the model holds, in the unit system it
    // shows, so the picture stays that of the result form while other runs
    // change the model.
    void SetAnalysis(const Model& model);
    // The same analysis in another unit system (1 English, 2 metric).
    void SetUnitSystem(float unitSystem);
    const Model& analysis() const { return analysis_; }
    bool metricUnits() const { return !IsEnglish(analysis_.UnitSystem); }

protected:
    void Draw(QPainter& painter, const QRectF& area) const override;

private:
    Model analysis_;
};

}  // namespace kelp
