#include "ui/print/text_page.h"

#include <QFontMetricsF>
#include <algorithm>

namespace kelp {
namespace {

constexpr double kLargestPt = 10.5;
// One column reads best; two columns take over below this size.
constexpr double kSmallestOneColumnPt = 9;
constexpr double kSmallestPt = 6;
constexpr double kStepPt = 0.5;
constexpr double kColumnGapPt = 24;
// A single column of numbers stays narrow enough to read across.
constexpr double kWidestColumnPt = 340;
constexpr double kIndentPt = 10;
constexpr double kCellGapPt = 6;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Sizes of one text size on one device.
struct Setting {
    QFont plain, bold;
    QFontMetricsF metrics;
    double line;      // height of one line
    double groupGap;  // room above a group's caption
    double indent, gap;

    Setting(QPainter& p, const PageStyle& s, double points)
        : plain(s.Font(points)),
          bold(s.Font(points, true)),
          metrics(plain, p.device()),
          line(metrics.height() * 1.3),
          groupGap(line * 0.5),
          indent(s.Pt(kIndentPt)),
          gap(s.Pt(kCellGapPt)) {}

    double Width(const std::string& text) const { return metrics.horizontalAdvance(Q(text)); }
};

// A run of groups set one below the other in one column.
struct Column {
    const PageGroup* first;
    const PageGroup* last;  // one past the end

    double Height(const Setting& s) const {
        double h = 0;
        for (const PageGroup* g = first; g != last; ++g)
            h += s.groupGap + s.line * static_cast<double>(1 + g->lines.size());
        return h;
    }
    // Every unit of the column lines up in one column at the right.
    double UnitWidth(const Setting& s) const {
        double w = 0;
        for (const PageGroup* g = first; g != last; ++g)
            for (const PageLine& l : g->lines) w = std::max(w, s.Width(l.unit));
        return w;
    }
    // Room each line needs: its caption, its value and the unit column.
    double NeededWidth(const Setting& s) const {
        double unit = UnitWidth(s), w = 0;
        for (const PageGroup* g = first; g != last; ++g)
            for (const PageLine& l : g->lines)
                w = std::max(w, s.indent + s.Width(l.caption) + s.gap + s.Width(l.value) + s.gap +
                                    unit);
        return w;
    }
};

struct Layout {
    double points;
    std::vector<Column> columns;
    double columnWidth;
};

// The second column starts where the taller column is as short as it can be;
// groups are never split.
std::vector<Column> TwoColumns(const std::vector<PageGroup>& groups, const Setting& s) {
    const PageGroup* begin = groups.data();
    const PageGroup* end = begin + groups.size();
    std::vector<Column> best{{begin, end}};
    double bestHeight = best[0].Height(s);
    for (const PageGroup* split = begin + 1; split < end; ++split) {
        std::vector<Column> c{{begin, split}, {split, end}};
        double h = std::max(c[0].Height(s), c[1].Height(s));
        if (h < bestHeight) {
            bestHeight = h;
            best = c;
        }
    }
    return best;
}

double NotesHeight(const TextPage& page, const Setting& s, double width) {
    if (page.notes.empty()) return 0;
    double h = s.groupGap + s.line;
    for (const std::string& note : page.notes)
        h += s.metrics.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, Q(note)).height() +
             s.line * 0.3;
    return h;
}

bool Fits(const TextPage& page, const Setting& s, const QRectF& body, const Layout& l) {
    Column wide{page.wide.data(), page.wide.data() + page.wide.size()};
    double tallest = 0;
    for (const Column& c : l.columns) {
        if (c.NeededWidth(s) > l.columnWidth) return false;
        tallest = std::max(tallest, c.Height(s));
    }
    return wide.Height(s) + tallest + NotesHeight(page, s, body.width()) <= body.height();
}

// The largest text that fits, in one column if it can be read there.
Layout ChooseLayout(QPainter& p, const QRectF& body, const PageStyle& style,
                    const TextPage& page) {
    const PageGroup* begin = page.columns.data();
    double half = (body.width() - style.Pt(kColumnGapPt)) / 2;
    for (int columns = 1; columns <= 2; ++columns) {
        double smallest = columns == 1 ? kSmallestOneColumnPt : kSmallestPt;
        for (double pt = kLargestPt; pt >= smallest; pt -= kStepPt) {
            Setting s(p, style, pt);
            Layout l{pt, {{begin, begin + page.columns.size()}},
                     std::min(body.width(), style.Pt(kWidestColumnPt))};
            if (columns == 2) l = {pt, TwoColumns(page.columns, s), half};
            if (Fits(page, s, body, l)) return l;
        }
    }
    return {kSmallestPt, TwoColumns(page.columns, Setting(p, style, kSmallestPt)), half};
}

double DrawCaption(QPainter& p, const PageGroup& g, const Setting& s, double x, double y,
                   double width) {
    y += s.groupGap;
    p.setFont(s.bold);
    p.drawText(QRectF(x, y, width, s.line), Qt::AlignLeft | Qt::AlignVCenter, Q(g.caption));
    p.setFont(s.plain);
    return y + s.line;
}

// Free text: values start in one column after the longest caption.
double DrawWide(QPainter& p, const TextPage& page, const Setting& s, const QRectF& body) {
    double y = body.top();
    for (const PageGroup& g : page.wide) {
        y = DrawCaption(p, g, s, body.left(), y, body.width());
        double captionW = 0;
        for (const PageLine& l : g.lines) captionW = std::max(captionW, s.Width(l.caption));
        double valueX = body.left() + s.indent + captionW + s.gap;
        for (const PageLine& l : g.lines) {
            p.drawText(QRectF(body.left() + s.indent, y, captionW, s.line),
                       Qt::AlignLeft | Qt::AlignVCenter, Q(l.caption));
            QString value = Q(l.value + (l.unit.empty() ? "" : " " + l.unit));
            p.drawText(QRectF(valueX, y, body.right() - valueX, s.line),
                       Qt::AlignLeft | Qt::AlignVCenter,
                       s.metrics.elidedText(value, Qt::ElideRight, body.right() - valueX));
            y += s.line;
        }
    }
    return y;
}

// Numbers: captions at the left, values set right against the unit column;
// a value too long for its line is shortened with an ellipsis.
double DrawColumn(QPainter& p, const Column& c, const Setting& s, double x, double y,
                  double width) {
    double unitW = c.UnitWidth(s);
    double valueRight = x + width - (unitW > 0 ? unitW + s.gap : 0);
    for (const PageGroup* g = c.first; g != c.last; ++g) {
        y = DrawCaption(p, *g, s, x, y, width);
        for (const PageLine& l : g->lines) {
            double captionW = std::min(s.Width(l.caption), valueRight - x - s.indent);
            double room = std::max(0.0, valueRight - (x + s.indent + captionW + s.gap));
            p.drawText(QRectF(x + s.indent, y, captionW, s.line), Qt::AlignLeft | Qt::AlignVCenter,
                       s.metrics.elidedText(Q(l.caption), Qt::ElideRight, captionW));
            p.drawText(QRectF(valueRight - room, y, room, s.line),
                       Qt::AlignRight | Qt::AlignVCenter,
                       s.metrics.elidedText(Q(l.value), Qt::ElideRight, room));
            p.drawText(QRectF(valueRight + s.gap, y, unitW, s.line),
                       Qt::AlignLeft | Qt::AlignVCenter, Q(l.unit));
            y += s.line;
        }
    }
    return y;
}

void DrawNotes(QPainter& p, const TextPage& page, const Setting& s, const QRectF& body, double y) {
    if (page.notes.empty()) return;
    y += s.groupGap;
    p.setFont(s.bold);
    p.drawText(QRectF(body.left(), y, body.width(), s.line), Qt::AlignLeft | Qt::AlignVCenter,
               Q(page.notesCaption));
    y += s.line;
    p.setFont(s.plain);
    for (const std::string& note : page.notes) {
        QRectF used;
        p.drawText(QRectF(body.left(), y, body.width(), std::max(0.0, body.bottom() - y)),
                   Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, Q(note), &used);
        y += used.height() + s.line * 0.3;
    }
}

}  // namespace

void DrawTextPage(QPainter& p, const QRectF& body, const PageStyle& style, const TextPage& page) {
    Layout layout = ChooseLayout(p, body, style, page);
    Setting s(p, style, layout.points);
    p.save();
    p.setPen(Qt::black);
    p.setFont(s.plain);
    double top = DrawWide(p, page, s, body);
    double bottom = top;
    double x = body.left();
    for (const Column& c : layout.columns) {
        bottom = std::max(bottom, DrawColumn(p, c, s, x, top, layout.columnWidth));
        x = body.right() - layout.columnWidth;
    }
    DrawNotes(p, page, s, body, bottom);
    p.restore();
}

}  // namespace kelp
