#include "ui/print/page_frame.h"

#include <QFontMetricsF>

#include "ui/print/program_title.h"

namespace kelp {
namespace {

constexpr double kDepartmentPt = 14;
constexpr double kTitlePt = 11;
constexpr double kCaptionPt = 11;
constexpr double kFootPt = 8;
constexpr double kGapPt = 6;

// One centred line at `y`; returns the y below it.
double CentredLine(QPainter& p, const QRectF& page, double y, const QFont& font,
                   const QString& text) {
    p.setFont(font);
    double h = QFontMetricsF(font, p.device()).height();
    p.drawText(QRectF(page.left(), y, page.width(), h), Qt::AlignHCenter | Qt::AlignVCenter, text);
    return y + h;
}

double DrawHead(QPainter& p, const QRectF& page, const PageStyle& s, const PageHead& head) {
    double y = CentredLine(p, page, page.top(), s.Font(kDepartmentPt, true), kDepartmentHead);
    y = CentredLine(p, page, y, s.Font(kTitlePt), kProgramTitle);
    y = CentredLine(p, page, y + s.Pt(kGapPt / 2), s.Font(kCaptionPt, true),
                    QString::fromStdString(head.caption));
    y += s.Pt(kGapPt / 2);
    p.setPen(s.Rule());
    p.drawLine(QPointF(page.left(), y), QPointF(page.right(), y));
    return y + s.Pt(kGapPt * 2);
}

double DrawFoot(QPainter& p, const QRectF& page, const PageStyle& s, const PageHead& head) {
    QFont font = s.Font(kFootPt);
    p.setFont(font);
    double h = QFontMetricsF(font, p.device()).height();
    QRectF line(page.left(), page.bottom() - h, page.width(), h);
    p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromStdString("Printed " + head.date));
    p.drawText(line, Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Page %1 of %2").arg(head.number).arg(head.count));
    double y = line.top() - s.Pt(kGapPt / 2);
    p.setPen(s.Rule());
    p.drawLine(QPointF(page.left(), y), QPointF(page.right(), y));
    return y - s.Pt(kGapPt * 2);
}

}  // namespace

QRectF DrawPageFrame(QPainter& p, const QRectF& page, const PageStyle& style,
                     const PageHead& head) {
    p.save();
    p.setPen(Qt::black);
    double top = DrawHead(p, page, style, head);
    double bottom = DrawFoot(p, page, style, head);
    p.restore();
    return QRectF(page.left(), top, page.width(), bottom - top);
}

}  // namespace kelp
