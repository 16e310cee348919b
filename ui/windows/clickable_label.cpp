#include "ui/windows/clickable_label.h"

#include <QMouseEvent>

namespace kelp {

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isEnabled() && rect().contains(event->pos()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

}  // namespace kelp
