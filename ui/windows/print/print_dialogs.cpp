#include "ui/windows/print/print_dialogs.h"

#include <QAction>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <exception>

#include "form/prompts.h"
#include "ui/windows/window_placement.h"

namespace kelp {
namespace {

constexpr double kPointsPerInch = 72;
// The preview's tool bar frame, margins and scroll bar beside the page.
constexpr int kPreviewChrome = 80;

// A failure to print is told; the window stays usable.
void Paint(QWidget* parent, QPrinter& printer, const PrintSource& source,
           std::span<const PageKind> pages) {
    try {
        PrintPages(printer, source, pages);
    } catch (const std::exception& error) {
        QMessageBox::warning(parent, kProgramName, QString::fromStdString(error.what()));
    }
}

}  // namespace

void PreviewPages(QWidget* parent, const PrintSource& source, std::span<const PageKind> pages) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, parent);
    ArrangePreview(dialog, printer, *parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&](QPrinter* target) { Paint(parent, *target, source, pages); });
    dialog.exec();
}

void ArrangePreview(QPrintPreviewDialog& dialog, const QPrinter& printer, const QWidget& parent) {
    dialog.setWindowTitle("Print Preview");
    const QScreen* screen = parent.screen();
    double dpi = screen ? screen->logicalDotsPerInchX() : 96;
    double pageWidth = printer.pageLayout().fullRectPoints().width() / kPointsPerInch * dpi;
    int screenHeight = screen ? screen->availableGeometry().height() : 768;
    PlaceBeside(dialog, parent, QSize(static_cast<int>(pageWidth) + kPreviewChrome, screenHeight));
    // The dialog's own "Fit width", so that its tool bar shows the choice.
    if (auto* fitWidth = dialog.findChild<QAction*>("fitWidthAction")) fitWidth->trigger();
}

void PrintWithDialog(QWidget* parent, const PrintSource& source,
                     std::span<const PageKind> pages) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    // Every page is printed: the pages are few and belong together.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) return;
    Paint(parent, printer, source, pages);
}

}  // namespace kelp
