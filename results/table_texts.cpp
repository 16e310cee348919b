#include "results/table_texts.h"

#include <iterator>

#include "model/number_text.h"
#include "results/display_units.h"

namespace kelp {
namespace {

enum class Quantity { Discharge, Length, Velocity, Plain };

struct TableColumn {
    const char* heading;
    std::array<float, 12> RatingTable::*values;
    Quantity quantity;
};

// The numeric columns in display order; the jump text comes last.
constexpr TableColumn kNumberColumns[] = {
    {"Discharge", &RatingTable::TableQ, Quantity::Discharge},
    {"Headwater Depth", &RatingTable::TableHW, Quantity::Length},
    {"Inlet  Control Elevation", &RatingTable::TableIC, Quantity::Length},
    {"Break Control Elevation", &RatingTable::TableBC, Quantity::Length},
    {"Outlet Froude Number", &RatingTable::TableFroude, Quantity::Plain},
    {"Critical Depth", &RatingTable::TableDcrit, Quantity::Length},
    {"Outlet Depth", &RatingTable::TableOutDepth, Quantity::Length},
    {"Outlet Velocity", &RatingTable::TableOutVel, Quantity::Velocity},
    {"Tailwater Depth", &RatingTable::TableTWDepth, Quantity::Length},
    {"Tailwater Velocity", &RatingTable::TableTWVel, Quantity::Velocity},
};
constexpr int kJumpColumn = kTableColumns - 1;
constexpr int kFroudeColumn = 4;
static_assert(std::size(kNumberColumns) == kJumpColumn);

const char* UnitOf(Quantity quantity, const DisplayUnits& u) {
    switch (quantity) {
        case Quantity::Discharge: return u.discharge;
        case Quantity::Length: return u.length;
        case Quantity::Velocity: return u.velocity;
        case Quantity::Plain: break;
    }
    return "";
}

std::string Cell(Quantity quantity, float value, const DisplayUnits& u) {
    switch (quantity) {
        case Quantity::Discharge:
            return FormatNumber(u.Discharge(value), u.metric ? "####.000" : "#####.0");
        case Quantity::Length:
        case Quantity::Velocity: return FormatNumber(u.Length(value), "####.00");
        case Quantity::Plain: break;
    }
    return FormatNumber(value, "###.0");
}

TableRowTexts Row(const RatingTable& table, int row, float barrelHeight, const DisplayUnits& u) {
    TableRowTexts texts;
    for (int c = 0; c < kJumpColumn; ++c) {
        const TableColumn& column = kNumberColumns[c];
        texts.cells[c] = Cell(column.quantity, (table.*column.values)[row], u);
    }
    // A barrel flowing full at the outlet has no free-surface Froude number.
    if (table.TableOutDepth[row] == barrelHeight) texts.cells[kFroudeColumn] = "FULL";
    texts.cells[kJumpColumn] = table.TableJump[row];
    texts.warned = !table.Warnings[row].empty();
    return texts;
}

}  // namespace

TableTexts BuildTableTexts(const RatingTable& table, const Model& model, float unitSystem) {
    DisplayUnits units = UnitsFor(unitSystem);
    TableTexts texts;
    texts.metric = units.metric;
    texts.project = model.ProjectName;
    texts.location = model.ProjectLocation;
    texts.date = model.ProjectDate;
    for (int c = 0; c < kJumpColumn; ++c) {
        texts.headings[c] = kNumberColumns[c].heading;
        texts.units[c] = UnitOf(kNumberColumns[c].quantity, units);
    }
    texts.headings[kJumpColumn] = "Hydraulic Jump";
    for (int row = 0; row < RatingTable::kRows; ++row) {
        TableRowTexts& rowTexts = texts.rows[row] = Row(table, row, model.BarrelHeight, units);
        for (const std::string& warning : table.Warnings[row])
            texts.notes.push_back("Q = " + rowTexts.cells[0] + " " + units.discharge + ": " +
                                  warning);
    }
    // A row without flow was never analysed: it has no detail to show.
    texts.rows[0].detailVisible = table.TableQ[0] != 0;
    return texts;
}

}  // namespace kelp
