#include "results/table_texts.h"

#include "form/input_form.h"
#include "model/number_text.h"
#include "results/display_units.h"

namespace kelp {
namespace {

constexpr auto kFroudeColumn = static_cast<std::size_t>(Column::Froude);

std::string Cell(const RatingTable& table, const RatingColumn& column, int row,
                 const DisplayUnits& u) {
    if (!column.numbers) return table.TableJump[static_cast<std::size_t>(row)];
    return FormatNumber(u.Shown(column.unit, NumberAt(table, column, row)),
                        u.metric ? column.metricFormat : column.englishFormat);
}

TableRowTexts Row(const RatingTable& table, int row, float barrelHeight, const DisplayUnits& u) {
    TableRowTexts texts;
    for (std::size_t c = 0; c < kColumnCount; ++c)
        texts.cells[c] = Cell(table, kRatingColumns[c], row, u);
    if (FlowsFull(NumberAt(table, Column::OutletDepth, row), barrelHeight))
        texts.cells[kFroudeColumn] = kFullBarrel;
    texts.warned = !table.Warnings[static_cast<std::size_t>(row)].empty();
    return texts;
}

}  // namespace

std::array<std::string, 3> ProjectLines(const TableTexts& t) {
    auto line = [](Field f, const std::string& text) { return FieldLabel(f) + (": " + text); };
    return {line(Field::txtProject, t.project), line(Field::txtStation, t.location),
            line(Field::txtDate, t.date)};
}

TableTexts BuildTableTexts(const RatingTable& table, const Model& model, float unitSystem) {
    DisplayUnits units = UnitsFor(unitSystem);
    TableTexts texts;
    texts.metric = units.metric;
    texts.project = model.ProjectName;
    texts.location = model.ProjectLocation;
    texts.date = model.ProjectDate;
    for (std::size_t c = 0; c < kColumnCount; ++c) {
        texts.headings[c] = kRatingColumns[c].caption;
        texts.units[c] = units.NameOf(kRatingColumns[c].unit);
    }
    for (int row = 0; row < RatingTable::kRows; ++row) {
        TableRowTexts& rowTexts = texts.rows[static_cast<std::size_t>(row)] =
            Row(table, row, model.BarrelHeight, units);
        for (const std::string& warning : table.Warnings[static_cast<std::size_t>(row)])
            texts.notes.push_back("Q = " + rowTexts.cells[0] + " " + units.discharge + ": " +
                                  warning);
    }
    // A row without flow was never analysed: it has no detail to show.
    texts.rows[0].detailVisible = table.TableQ[0] != 0;
    return texts;
}

}  // namespace kelp
