#include "ui/print/output_files.h"

#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <stdexcept>

#include "ui/print/program_title.h"

namespace kelp {
namespace {

constexpr int kPdfDpi = 300;
constexpr double kMarginMm = 15;

}  // namespace

void WritePdf(const std::string& path, const PrintSource& source,
              std::span<const PageKind> pages) {
    QPdfWriter pdf(QString::fromStdString(path));
    pdf.setResolution(kPdfDpi);
    pdf.setTitle(kProgramTitle);
    pdf.setCreator(kProgramTitle);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                  QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                  QPageLayout::Millimeter));
    try {
        PrintPages(pdf, source, pages);
    } catch (const std::runtime_error&) {
        throw std::runtime_error("Cannot write " + path);
    }
}

void WritePng(const std::string& path, QSize size, const Picture& draw) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    if (!image.save(QString::fromStdString(path), "PNG"))
        throw std::runtime_error("Cannot write " + path);
}

}  // namespace kelp
