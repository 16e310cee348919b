// Culverts analysed for the picture tests, an offscreen painting surface and
// pixel checks.
#pragma once

#include <QImage>
#include <QPainter>

#include <functional>
#include <string>

#include "engine/culverts.h"
#include "support/test_app.h"

namespace kelp::test {

inline QImage Render(int w, int h, const std::function<void(QPainter&, const QRectF&)>& draw) {
    testing::TestApp();
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    draw(p, QRectF(0, 0, w, h));
    return image;
}

// Kept in the working directory (the build's test folder) for a person to look at.
inline void SavePng(const QImage& image, const std::string& name) {
    image.save(QString::fromStdString(name + ".png"));
}

inline bool Near(QRgb a, QRgb b, int tolerance = 12) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

inline QRgb PixelAt(const QImage& image, const QPointF& p) {
    return image.pixel(static_cast<int>(p.x()), static_cast<int>(p.y()));
}

inline void Describe(Model& m) {
    m.ProjectName = "US 20 over Kestrel Creek";
    m.ProjectLocation = "MP 14.2";
    m.ProjectDate = "2024-05-01";
    m.ShownInletSlope = 0.01;
    m.ShownSteepSlope = 0.2;
    m.ShownOutletSlope = 0.005;
}

// A culvert of the engine tests, described and analysed for one discharge.
inline Model Analysed(void (*culvert)(Model&, float), float tw, double q) {
    Model m;
    culvert(m, tw);
    Describe(m);
    m.PipeMaterial = 1;
    AnalyseDischarge(m, q);
    return m;
}

// Break control with a jump in the outlet section.
inline Model BoxWithOutletJump() { return Analysed(DoubleBox, 232, 200); }
// A jump that starts in the steep section and ends beyond the lower break.
inline Model BoxWithJumpAcrossBreak() { return Analysed(DoubleBox, 240, 400); }
// The tailwater drowns the barrel: it flows full from end to end.
inline Model FullBox() { return Analysed(DoubleBox, 256, 200); }
inline Model PipeWithJump() { return Analysed(SinglePipe, 40, 100); }

}  // namespace kelp::test
