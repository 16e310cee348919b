// The water-surface profile picture: the barrel to scale between its invert
// and crown, the water surface, the breaks, a hydraulic jump, the headwater
// and tailwater levels, and the project, culvert and result lines above.
#pragma once

#include <string>
#include <vector>

#include <QPainter>
#include <QRectF>

#include "model/model.h"
#include "ui/plots/plot_axes.h"
#include "ui/plots/plot_style.h"
#include "ui/plots/profile_geometry.h"
#include "ui/plots/profile_texts.h"

namespace kelp {

// A name set above the plot over a station (inlet, breaks, outlet, jump).
struct StationLabel {
    double sta;
    std::string text;
};
std::vector<StationLabel> StationLabels(const ProfileGeometry& g);

struct ProfileLayout {
    PlotStyle style;
    QRectF title, header, plot;
    std::vector<int> labelRows;  // row of each station label, 0 next to the plot
    Transform transform;
    double exaggeration;  // device units per unit up over those per unit across
};

// Where everything goes in `area`. Both axes are in true units; the vertical
// scale is the horizontal one times a round exaggeration chosen so that the
// barrel and its water fill the height available.
ProfileLayout LayoutProfile(const QRectF& area, const ProfileGeometry& g, const ProfileTexts& t);

// Paints the profile of the model's last analysis into `area` of any device.
void DrawProfile(QPainter& painter, const QRectF& area, const Model& model, bool metric);

}  // namespace kelp
