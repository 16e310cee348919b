// Where the program's windows open. The input form, the rating table and the result form open
// in the middle of the screen; a window opened from another one opens down
// and to the right of it, so that the other window's title and the table's
// row buttons at its left stay in view.
#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace kelp {

// From the top left corner of the window it was opened from.
inline constexpr QPoint kOpenOffset{120, 60};

// A hidden window opens at its natural size, as far as the screen allows,
// centred on the screen; either way it comes to the front.
void ShowCentred(QWidget& window);

// A hidden window opens offset from `parent`, at its natural size as far as
// the screen allows there (centred when `parent` is not shown); either way
// it comes to the front.
void ShowBeside(QWidget& window, const QWidget& parent);

// Sizes and places a window offset from `parent` without showing it (for a
// dialog that shows itself): `wanted` shrinks to the room the screen leaves
// at the offset, but not below the window's least size; a window that still
// does not fit moves back onto the screen.
void PlaceBeside(QWidget& window, const QWidget& parent, QSize wanted);

}  // namespace kelp
