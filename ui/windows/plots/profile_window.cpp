#include "ui/windows/plots/profile_window.h"

#include "results/output_texts.h"
#include "ui/plots/profile_plot.h"

namespace kelp {

ProfileWindow::ProfileWindow(QWidget* parent) : PlotCanvas(parent) {
    setObjectName("frmProfile");
    setWindowTitle(kProfileCaption);
}

void ProfileWindow::SetAnalysis(const Model& model) {
    analysis_ = model;
    update();
}

void ProfileWindow::SetUnitSystem(float unitSystem) {
    analysis_.UnitSystem = unitSystem;
    update();
}

void ProfileWindow::Draw(QPainter& painter, const QRectF& area) const {
    DrawProfile(painter, area, analysis_, metricUnits());
}

}  // namespace kelp
