#include "ui/windows/window_placement.h"

#include <QApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kelp {
namespace {

QRect ScreenArea(const QWidget& window) {
    QScreen* screen = window.screen() ? window.screen() : QApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void ToFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

// A window not yet shown has no frame; it will get one like its parent's.
QMargins FrameOf(const QWidget& window) {
    QRect frame = window.frameGeometry(), inside = window.geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(),
            frame.right() - inside.right(), frame.bottom() - inside.bottom()};
}

int Within(int wanted, int low, int high) { return std::clamp(wanted, low, std::max(low, high)); }

// The nearest place to `wanted` where a frame of `size` lies on the screen.
QPoint OnScreen(QPoint wanted, QSize size, const QRect& area) {
    return {Within(wanted.x(), area.left(), area.right() + 1 - size.width()),
            Within(wanted.y(), area.top(), area.bottom() + 1 - size.height())};
}

}  // namespace

void ShowCentred(QWidget& window) {
    if (!window.isVisible()) {
        QRect area = ScreenArea(window);
        window.resize(window.sizeHint().boundedTo(area.size()));
        QSize size = window.frameGeometry().size();
        window.move(area.x() + (area.width() - size.width()) / 2,
                    area.y() + (area.height() - size.height()) / 2);
    }
    ToFront(window);
}

void ShowBeside(QWidget& window, const QWidget& parent) {
    if (!parent.isVisible()) return ShowCentred(window);
    if (!window.isVisible()) PlaceBeside(window, parent, window.sizeHint());
    ToFront(window);
}

void PlaceBeside(QWidget& window, const QWidget& parent, QSize wanted) {
    QRect area = ScreenArea(parent);
    QMargins frame = FrameOf(parent);
    QPoint corner = parent.frameGeometry().topLeft() + kOpenOffset;
    QSize room =
        QSize(area.right() + 1 - corner.x(), area.bottom() + 1 - corner.y()).shrunkBy(frame);
    QSize largest = area.size().shrunkBy(frame);
    window.resize(wanted.boundedTo(room).expandedTo(window.minimumSizeHint()).boundedTo(largest));
    window.move(OnScreen(corner, window.size().grownBy(frame), area));
}

}  // namespace kelp
