#include "ui/plots/rating_curve_data.h"

#include <algorithm>
#include <array>

#include "model/number_text.h"
#include "results/display_units.h"
#include "ui/plots/profile_texts.h"

namespace kelp {

namespace {

struct CurveKindInfo {
    const char* title;
    const char* quantity;
    Column column;  // plotted against the discharge
    const char* designLabel;
};

constexpr std::array<CurveKindInfo, 3> kCurveKinds{{
    {"DISCHARGE vs. HEADWATER DEPTH", "HEADWATER DEPTH", Column::Headwater, "Design D = "},
    {"DISCHARGE vs. OUTLET DEPTH", "OUTLET DEPTH", Column::OutletDepth, "Design D = "},
    {"DISCHARGE vs. OUTLET VELOCITY", "OUTLET VELOCITY", Column::OutletVelocity, "Design V = "},
}};

struct Row {
    double q, value;  // English units
};

std::vector<Row> AnalysedRows(const RatingTable& table, Column column) {
    std::vector<Row> rows;
    for (int i = 0; i < RatingTable::kRows; ++i)
        if (table.TableJump[i] != kNotAnalysed)
            rows.push_back({table.TableQ[i], NumberAt(table, column, i)});
    return rows;
}

// The design row itself when one holds DesignQ, else the straight line between
// the two neighbouring rows that enclose it.
std::optional<Row> DesignRow(const std::vector<Row>& rows, float designQ) {
    for (const Row& r : rows)
        if (static_cast<float>(r.q) == designQ) return r;
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        const Row& a = rows[i];
        const Row& b = rows[i + 1];
        if (std::min(a.q, b.q) < designQ && designQ < std::max(a.q, b.q))
            return Row{designQ, a.value + (b.value - a.value) * (designQ - a.q) / (b.q - a.q)};
    }
    return std::nullopt;
}

}  // namespace

RatingCurveData BuildRatingCurve(const Model& model, const RatingTable& table, int kind,
                                 bool metric) {
    if (kind < 1 || kind > static_cast<int>(kCurveKinds.size())) throw RuntimeFault(kInvalidCall);
    const CurveKindInfo& info = kCurveKinds[static_cast<std::size_t>(kind - 1)];
    DisplayUnits u = UnitsFor(metric ? 2 : 1);
    const char* unit = u.NameOf(ColumnOf(info.column).unit);
    auto show = [&](const Row& r) {
        return QPointF(u.metric ? r.q / kDischargeFactor : r.q,
                       u.metric ? r.value / kLengthFactor : r.value);
    };

    RatingCurveData d;
    d.title = info.title;
    d.xTitle = std::string("DISCHARGE(") + u.discharge + ")";
    d.yTitle = std::string(info.quantity) + "(" + unit + ")";
    d.project = ProjectLines(model);
    std::vector<Row> rows = AnalysedRows(table, info.column);
    for (const Row& r : rows) d.points.push_back(show(r));
    if (std::optional<Row> design = DesignRow(rows, model.DesignQ)) {
        d.designPoint = show(*design);
        d.design = {info.designLabel + FormatNumber(d.designPoint->y(), "0.00") + " " + unit,
                    DischargeText(d.designPoint->x(), u.metric)};
    }
    return d;
}

}  // namespace kelp
