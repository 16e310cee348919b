#include "ui/print/table_page.h"

#include <QFontMetricsF>
#include <algorithm>
#include <string>
#include <vector>

namespace kelp {
namespace {

constexpr double kLargestPt = 9;
constexpr double kSmallestPt = 5;
constexpr double kStepPt = 0.5;
constexpr double kPadPt = 3;
constexpr QRgb kShade = 0xffeeeeee;

QString Q(const std::string& s) { return QString::fromStdString(s); }

struct Grid {
    double left, width, column, mark, pad;
    double X(int c) const { return left + column * c; }
    QRectF Cell(int c, double y, double h) const {
        return QRectF(X(c) + pad, y, column - 2 * pad, h);
    }
};

Grid GridFor(const QRectF& body, const PageStyle& s, const QFontMetricsF& fm) {
    double mark = fm.horizontalAdvance(kWarningMark) + s.Pt(2 * kPadPt);
    return {body.left(), body.width(), (body.width() - mark) / kTableColumns, mark, s.Pt(kPadPt)};
}

// Every word of a heading and every cell fits its column at this size.
bool Fits(const TableTexts& t, const QFontMetricsF& fm, const Grid& g) {
    double room = g.column - 2 * g.pad;
    auto fits = [&](const std::string& text) { return fm.horizontalAdvance(Q(text)) <= room; };
    for (int c = 0; c < kTableColumns; ++c) {
        for (const QString& word : Q(t.headings[c]).split(' ', Qt::SkipEmptyParts))
            if (fm.horizontalAdvance(word) > room) return false;
        if (!fits(t.units[c])) return false;
        for (const TableRowTexts& row : t.rows)
            if (!fits(row.cells[c])) return false;
    }
    return true;
}

double ProjectLines(QPainter& p, const QRectF& body, const TableTexts& t, double line) {
    double y = body.top();
    for (const std::string& text : ProjectLines(t)) {
        p.drawText(QRectF(body.left(), y, body.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetricsF(p.font(), p.device())
                       .elidedText(Q(text), Qt::ElideRight, body.width()));
        y += line;
    }
    return y + line * 0.6;
}

// Headings wrap word by word and sit on their unit line, so the last words
// of all headings share one line.
double Headings(QPainter& p, const TableTexts& t, const Grid& g, double y, double line) {
    QFontMetricsF fm(p.font(), p.device());
    double height = 0;
    for (int c = 0; c < kTableColumns; ++c)
        height = std::max(height, fm.boundingRect(g.Cell(c, 0, 1e6),
                                                  Qt::TextWordWrap | Qt::AlignHCenter,
                                                  Q(t.headings[c]))
                                      .height());
    for (int c = 0; c < kTableColumns; ++c) {
        p.drawText(g.Cell(c, y, height), Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignBottom,
                   Q(t.headings[c]));
        p.drawText(g.Cell(c, y + height, line), Qt::AlignHCenter | Qt::AlignVCenter,
                   Q(t.units[c]));
    }
    return y + height + line;
}

double Rows(QPainter& p, const TableTexts& t, const Grid& g, const PageStyle& s, double y,
            double line) {
    double rowH = line * 1.25;
    p.setPen(s.Rule());
    p.drawLine(QPointF(g.left, y), QPointF(g.left + g.width, y));
    p.setPen(Qt::black);
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        const TableRowTexts& row = t.rows[r];
        if (r % 2 == 1)
            p.fillRect(QRectF(g.left, y, g.width, rowH), QColor::fromRgba(kShade));
        for (int c = 0; c < kTableColumns; ++c)
            p.drawText(g.Cell(c, y, rowH), Qt::AlignRight | Qt::AlignVCenter, Q(row.cells[c]));
        if (row.warned)
            p.drawText(QRectF(g.X(kTableColumns), y, g.mark, rowH), Qt::AlignCenter, kWarningMark);
        y += rowH;
    }
    p.setPen(s.Rule());
    p.drawLine(QPointF(g.left, y), QPointF(g.left + g.width, y));
    p.setPen(Qt::black);
    return y + line;
}

void Notes(QPainter& p, const QRectF& body, const TableTexts& t, double y, double line) {
    for (const std::string& note : t.notes) {
        QRectF used;
        p.drawText(QRectF(body.left(), y, body.width(), std::max(0.0, body.bottom() - y)),
                   Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                   Q(std::string(kWarningMark) + " " + note), &used);
        y += used.height() + line * 0.3;
    }
}

}  // namespace

void DrawTablePage(QPainter& p, const QRectF& body, const PageStyle& style,
                   const TableTexts& texts) {
    double points = kLargestPt;
    auto metrics = [&](double pt) { return QFontMetricsF(style.Font(pt), p.device()); };
    while (points > kSmallestPt &&
           !Fits(texts, metrics(points), GridFor(body, style, metrics(points))))
        points -= kStepPt;
    QFontMetricsF fm = metrics(points);
    Grid grid = GridFor(body, style, fm);
    double line = fm.height() * 1.3;
    p.save();
    p.setPen(Qt::black);
    p.setFont(style.Font(points));
    double y = ProjectLines(p, body, texts, line);
    y = Headings(p, texts, grid, y, line);
    y = Rows(p, texts, grid, style, y, line);
    Notes(p, body, texts, y, line);
    p.restore();
}

}  // namespace kelp
