#include "ui/print/widgets/print_dialogs.h"

#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <exception>

namespace kelp {
namespace {

// A failure to print is told; the window stays usable.
void Paint(QWidget* parent, QPrinter& printer, const PrintSource& source,
           std::span<const PageKind> pages) {
    try {
        PrintPages(printer, source, pages);
    } catch (const std::exception& error) {
        QMessageBox::warning(parent, "KELP", QString::fromStdString(error.what()));
    }
}

}  // namespace

void PreviewPages(QWidget* parent, const PrintSource& source, std::span<const PageKind> pages) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle("Print Preview");
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&](QPrinter* target) { Paint(parent, *target, source, pages); });
    dialog.exec();
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
