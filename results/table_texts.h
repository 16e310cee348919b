// What the rating table window ("Data Output Table") shows, without any
// widget: headings, unit labels, the eleven rows as formatted cells, which
// detail commands are shown and the warnings noted under the table.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "form/rating_table.h"
#include "model/model.h"

namespace kelp {

inline constexpr const char* kTableTitle = "Data Output Table";
inline constexpr int kTableColumns = static_cast<int>(kColumnCount);
// Stands after the last column of a row that carries a warning, and before
// each of its notes.
inline constexpr const char* kWarningMark = "*";

struct TableRowTexts {
    std::array<std::string, kTableColumns> cells;
    bool detailVisible = true;  // "Press # for Detailed Culvert Output"
    bool warned = false;        // the row carries a warning mark
};

struct TableTexts {
    std::string title = kTableTitle;
    bool metric = false;  // "&Metric" checked, else "&English"
    std::string project, location, date;
    std::array<std::string, kTableColumns> headings;
    std::array<std::string, kTableColumns> units;  // empty for the Froude number and the jump
    std::array<TableRowTexts, RatingTable::kRows> rows;
    // One line per warning of a marked row, naming the row's discharge.
    std::vector<std::string> notes;
};

// "Project: ...", "Station or Location: ...", "Date: ...", as the reports
// print them above the table.
std::array<std::string, 3> ProjectLines(const TableTexts& texts);

// The table from the stored (English) arrays; unitSystem 1 shows English
// units, any other value metric. The model gives the project texts and the
// barrel height against which a full outlet is recognised.
TableTexts BuildTableTexts(const RatingTable& table, const Model& model, float unitSystem);

}  // namespace kelp
