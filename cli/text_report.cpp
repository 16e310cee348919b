#include "cli/text_report.h"

#include <algorithm>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

namespace kelp::cli {
namespace {

constexpr int kCaptionWidth = 40;

// Blank columns of a heading line leave no trailing blanks.
std::string TrimmedRight(std::string line) {
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

void PrintLine(std::ostream& out, const ResultLine& line, const std::string& value) {
    out << "  " << std::left << std::setw(kCaptionWidth) << line.caption << value;
    if (!line.unit.empty()) out << ' ' << line.unit;
    out << '\n';
}

// The words of a heading stacked, as the window's narrow labels wrap them.
std::vector<std::string> Words(const std::string& heading) {
    std::vector<std::string> words;
    std::istringstream in(heading);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

std::vector<std::size_t> ColumnWidths(const TableTexts& t,
                                      const std::vector<std::vector<std::string>>& headings) {
    std::vector<std::size_t> widths(kTableColumns, 0);
    for (int c = 0; c < kTableColumns; ++c) {
        for (const std::string& word : headings[c]) widths[c] = std::max(widths[c], word.size());
        widths[c] = std::max(widths[c], t.units[c].size());
        for (const TableRowTexts& row : t.rows) widths[c] = std::max(widths[c], row.cells[c].size());
    }
    return widths;
}

void PrintTable(std::ostream& out, const TableTexts& t) {
    std::vector<std::vector<std::string>> headings;
    std::size_t depth = 0;
    for (const std::string& heading : t.headings) {
        headings.push_back(Words(heading));
        depth = std::max(depth, headings.back().size());
    }
    auto widths = ColumnWidths(t, headings);
    auto cell = [&widths](int c, const std::string& text) {
        return std::string(widths[c] + 2 - std::min(widths[c] + 2, text.size()), ' ') + text;
    };
    for (std::size_t line = 0; line < depth; ++line) {
        std::string text;
        for (int c = 0; c < kTableColumns; ++c) {
            // Bottom-aligned, so each column's last word sits on one line.
            std::size_t skip = depth - headings[c].size();
            text += cell(c, line >= skip ? headings[c][line - skip] : "");
        }
        out << TrimmedRight(text) << '\n';
    }
    std::string units;
    for (int c = 0; c < kTableColumns; ++c) units += cell(c, t.units[c]);
    out << TrimmedRight(units) << '\n';
    for (const TableRowTexts& row : t.rows) {
        for (int c = 0; c < kTableColumns; ++c) out << cell(c, row.cells[c]);
        out << (row.warned ? std::string(" ") + kWarningMark : "") << '\n';
    }
}

}  // namespace

void PrintDesignReport(std::ostream& out, const OutputTexts& t) {
    out << t.title << '\n';
    for (const ResultGroup& group : Groups(t)) {
        out << '\n' << group.caption << '\n';
        for (const ResultLine* line : group.lines) {
            if (!line->visible) continue;
            PrintLine(out, *line, line == &t.size ? line->value + " x " + t.sizeSpan : line->value);
        }
    }
    if (!t.warnings.empty()) out << '\n' << kWarningsCaption << '\n';
    for (const std::string& warning : t.warnings) out << "  " << warning << '\n';
}

void PrintRangeReport(std::ostream& out, const TableTexts& t) {
    out << t.title << '\n';
    for (const std::string& line : ProjectLines(t)) out << line << '\n';
    out << '\n';
    PrintTable(out, t);
    if (!t.notes.empty()) out << '\n';
    for (const std::string& note : t.notes) out << kWarningMark << ' ' << note << '\n';
}

}  // namespace kelp::cli
