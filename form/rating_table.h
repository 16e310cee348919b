// The rating table of a range run: eleven discharges and their results, held
// in English units, and one description of each of its columns. Every reader
// of the table (the run that fills it, the table's texts, the reports) goes
// by that description, in its order.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/model.h"

namespace kelp {

// Rating-table arrays, rows 0..10, English units.
struct RatingTable {
    static constexpr int kRows = 11;
    std::array<float, 12> TableQ{}, TableHW{}, TableIC{}, TableBC{}, TableFroude{},
        TableDcrit{}, TableOutDepth{}, TableOutVel{}, TableTWDepth{}, TableTWVel{};
    std::array<std::string, 11> TableJump{};
    std::array<std::vector<std::string>, 11> Warnings{};  // per row
};

// The jump text of a row whose discharge of 0 was not analysed.
inline constexpr const char* kNotAnalysed = "NA";

// What a column's numbers measure, and so which unit they are shown in.
enum class UnitKind { Discharge, Length, Velocity, None };

struct RatingColumn {
    const char* name;     // the array's name, also the key of the JSON report
    const char* caption;  // the heading of the table
    // The numbers of the column; null for the jump's text.
    std::array<float, 12> RatingTable::*numbers;
    // Where the run takes a row's number from; null for the discharge, which
    // is the row's own, and for the jump's text.
    float Model::*result;
    UnitKind unit;
    const char* englishFormat;  // digit placeholders; empty for the text
    const char* metricFormat;
};

// The columns in the order the table shows them.
enum class Column {
    Discharge, Headwater, InletControl, BreakControl, Froude, CriticalDepth, OutletDepth,
    OutletVelocity, TailwaterDepth, TailwaterVelocity, Jump, Count
};
inline constexpr std::size_t kColumnCount = static_cast<std::size_t>(Column::Count);

inline constexpr std::array<RatingColumn, kColumnCount> kRatingColumns{{
    {"TableQ", "Discharge", &RatingTable::TableQ, nullptr, UnitKind::Discharge, "#####.0",
     "####.000"},
    {"TableHW", "Headwater Depth", &RatingTable::TableHW, &Model::HWDepth, UnitKind::Length,
     "####.00", "####.00"},
    {"TableIC", "Inlet  Control Elevation", &RatingTable::TableIC, &Model::InletControlElev,
     UnitKind::Length, "####.00", "####.00"},
    {"TableBC", "Break Control Elevation", &RatingTable::TableBC, &Model::BreakControlElev,
     UnitKind::Length, "####.00", "####.00"},
    {"TableFroude", "Outlet Froude Number", &RatingTable::TableFroude, &Model::OutletFroude,
     UnitKind::None, "###.0", "###.0"},
    {"TableDcrit", "Critical Depth", &RatingTable::TableDcrit, &Model::CriticalDepth,
     UnitKind::Length, "####.00", "####.00"},
    {"TableOutDepth", "Outlet Depth", &RatingTable::TableOutDepth, &Model::OutletDepth,
     UnitKind::Length, "####.00", "####.00"},
    {"TableOutVel", "Outlet Velocity", &RatingTable::TableOutVel, &Model::OutletVelocity,
     UnitKind::Velocity, "####.00", "####.00"},
    {"TableTWDepth", "Tailwater Depth", &RatingTable::TableTWDepth, &Model::TWDepth,
     UnitKind::Length, "####.00", "####.00"},
    {"TableTWVel", "Tailwater Velocity", &RatingTable::TableTWVel, &Model::TWVelocity,
     UnitKind::Velocity, "####.00", "####.00"},
    {"TableJump", "Hydraulic Jump", nullptr, nullptr, UnitKind::None, "", ""},
}};

inline const RatingColumn& ColumnOf(Column column) {
    return kRatingColumns[static_cast<std::size_t>(column)];
}

// A row's number in a numeric column.
inline float NumberAt(const RatingTable& table, const RatingColumn& column, int row) {
    return (table.*column.numbers)[static_cast<std::size_t>(row)];
}
inline float NumberAt(const RatingTable& table, Column column, int row) {
    return NumberAt(table, ColumnOf(column), row);
}

// Takes a row's results from the model just analysed.
void CopyRow(const Model& model, RatingTable& table, int row);

}  // namespace kelp
