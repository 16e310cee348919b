// Files written without a window: the printed pages as a PDF and a picture
// as a PNG. Both need a QGuiApplication (for the fonts), but no display.
#pragma once

#include <functional>
#include <span>
#include <string>

#include <QPainter>
#include <QRectF>
#include <QSize>

#include "ui/print/print_pages.h"

namespace kelp {

// US Letter pages at 300 dpi with 15 mm margins. Throws std::runtime_error when
// the file cannot be written, std::invalid_argument as PrintPages does.
void WritePdf(const std::string& path, const PrintSource& source,
              std::span<const PageKind> pages);

using Picture = std::function<void(QPainter&, const QRectF&)>;

// The picture painted on white into an image of `size` pixels; throws
// std::runtime_error when the file cannot be written.
void WritePng(const std::string& path, QSize size, const Picture& draw);

}  // namespace kelp
