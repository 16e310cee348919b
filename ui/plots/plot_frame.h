// The parts every picture shares: the framed plot with its grid, ticks, round
// tick labels and axis titles, blocks of text lines, and labels set in rows so
// that none covers another.
#pragma once

#include <string>
#include <vector>

#include <QPainter>

#include "ui/plots/plot_axes.h"
#include "ui/plots/plot_style.h"

namespace kelp {

// Room kept around the plot rectangle for tick labels and axis titles.
double LeftMargin(const PlotStyle& style);
double BottomMargin(const PlotStyle& style);

// Grid, frame, ticks with their labels and the two axis titles around the
// device rectangle of `t`; the y title reads upwards at the left.
void DrawAxes(QPainter& p, const Transform& t, const PlotStyle& style, const std::string& xTitle,
              const std::string& yTitle);

// The picture's title, centred in a band at the top of `area`; `TitleBox`
// gives the band so the rest can be laid out below it.
QRectF TitleBox(const QRectF& area, const PlotStyle& style);
void DrawTitle(QPainter& p, const QRectF& box, const std::string& title, const PlotStyle& style);

// Lines of text from the top of `box` down, each shortened with an ellipsis
// to the box's width; lines that do not fit in its height are left out.
void DrawTextLines(QPainter& p, const QRectF& box, const std::vector<std::string>& lines,
                   const PlotStyle& style, Qt::Alignment align = Qt::AlignLeft);

// A horizontal extent [left, right] of a label in device units.
struct Span {
    double left, right;
};
// The row (0, 1, ...) of each label, spans taken in the given order: a label
// takes the first row in which it clears every label already there.
std::vector<int> LabelRows(const std::vector<Span>& spans, double gap);

QString Text(const std::string& s);

}  // namespace kelp
