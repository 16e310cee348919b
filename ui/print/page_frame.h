// The head and foot of every printed page: the department, the program's
// title and the page's caption above a rule; the date and the page number
// below one.
#pragma once

#include <string>

#include <QPainter>
#include <QRectF>

#include "ui/print/page_style.h"

namespace kelp {

struct PageHead {
    std::string caption;  // what the page shows ("Input Data")
    int number = 1;
    int count = 1;
    std::string date;
};

// Paints the head and foot into `page` and returns the room left between them.
QRectF DrawPageFrame(QPainter& p, const QRectF& page, const PageStyle& style,
                     const PageHead& head);

}  // namespace kelp
