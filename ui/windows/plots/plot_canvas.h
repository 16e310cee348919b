// What the plot windows share: a window that repaints its picture at any
// size, and says so in place of the picture when the drawing fails.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QWidget>

namespace kelp {

class PlotCanvas : public QWidget {
public:
    explicit PlotCanvas(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Escape closes the window, as it closes a dialog.
    void keyPressEvent(QKeyEvent* event) override;
    // Paints the picture into `area`; may throw.
    virtual void Draw(QPainter& painter, const QRectF& area) const = 0;
};

}  // namespace kelp
