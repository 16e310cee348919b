// "Print P&review" and "&Print" of the windows: Qt's preview and printer
// dialogs over the printed pages. Each window calls them in one line.
#pragma once

#include <span>

#include "ui/print/print_pages.h"

class QPrintPreviewDialog;
class QPrinter;
class QWidget;

namespace kelp {

// The pages in Qt's print preview, from which they can also be printed.
void PreviewPages(QWidget* parent, const PrintSource& source, std::span<const PageKind> pages);

// The preview opens beside the window it previews, as tall as the screen
// allows and wide enough to read a page at full width, fitted to its width.
void ArrangePreview(QPrintPreviewDialog& dialog, const QPrinter& printer, const QWidget& parent);

// The printer choice (a PDF file is one of the choices), then the pages.
void PrintWithDialog(QWidget* parent, const PrintSource& source,
                     std::span<const PageKind> pages);

}  // namespace kelp
