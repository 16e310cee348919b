// The printed rating table: the project lines, the eleven rows under their
// headings and units, each warned row marked and its warnings noted below.
#pragma once

#include <QPainter>
#include <QRectF>

#include "results/table_texts.h"
#include "ui/print/page_style.h"

namespace kelp {

void DrawTablePage(QPainter& p, const QRectF& body, const PageStyle& style,
                   const TableTexts& texts);

}  // namespace kelp
