// Sizes and colours shared by the pictures. Sizes follow the area painted, so
// a window, a 300 dpi page and a PNG show the same proportions.
#pragma once

#include <QColor>
#include <QFont>
#include <QPen>
#include <QRectF>

namespace kelp {

// Colours as ARGB values; the tests look for them in rendered pixels.
inline constexpr QRgb kInkColour = 0xff000000;
inline constexpr QRgb kGridColour = 0xffd8d8d8;
inline constexpr QRgb kInvertColour = 0xff6b3d12;
inline constexpr QRgb kCrownColour = 0xff7a7a7a;
inline constexpr QRgb kBarrelColour = 0xffeeeae2;
inline constexpr QRgb kWaterLineColour = 0xff1450b4;
inline constexpr QRgb kWaterFillColour = 0xff9cc8f5;
inline constexpr QRgb kJumpColour = 0xffd2691e;
inline constexpr QRgb kLevelColour = 0xff0a8a5a;
inline constexpr QRgb kCurveColour = 0xff1450b4;
inline constexpr QRgb kDesignColour = 0xffc81e1e;

struct PlotStyle {
    double font = 12;  // text height in device units
    double line = 1;   // width of a normal line in device units

    double LineHeight() const { return font * 1.4; }
    QFont Text(bool bold = false) const;
    QPen Pen(QRgb colour, double widthFactor = 1, Qt::PenStyle style = Qt::SolidLine) const;
};

// The style for a picture filling `area`: text about a sixty-fifth of
// the smaller side, never below 8 device units.
PlotStyle StyleFor(const QRectF& area);

}  // namespace kelp
