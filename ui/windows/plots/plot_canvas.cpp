#include "ui/windows/plots/plot_canvas.h"

#include <QKeyEvent>
#include <exception>

namespace kelp {

PlotCanvas::PlotCanvas(QWidget* parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 240);
}

// Landscape, like the printed pictures, and large enough to read the text.
QSize PlotCanvas::sizeHint() const { return {1000, 650}; }

void PlotCanvas::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

// An exception must not leave a paint event: Qt cannot unwind through it.
// A picture that cannot be drawn shows why instead.
void PlotCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRectF area = rect();
    try {
        Draw(painter, area);
    } catch (const std::exception& error) {
        painter.resetTransform();
        painter.setClipping(false);
        painter.fillRect(area, Qt::white);
        painter.setPen(Qt::black);
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
                         QString("The picture cannot be drawn: ") + error.what());
    }
}

}  // namespace kelp
