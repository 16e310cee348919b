// The rating table window ("Data Output Table"): the rating table of the
// range run with a detail command per row, the three rating-curve commands and the return to
// the input form, shown from the texts the table's object builds.
#pragma once

#include <QMainWindow>
#include <array>

#include "results/table_texts.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace kelp {

class PictureCommand;
class UnitMenu;
struct ResultMenus;

class TableWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit TableWindow(QWidget* parent = nullptr);

    void Fill(const TableTexts& texts);

    // Rows 0..10; column 0 holds the detail commands, columns 1..11 the cells
    // and column 12 the warning mark.
    QTableWidget* grid() const { return grid_; }
    // The text of a cell, row 0..10 and column 0..10 as in the texts; column
    // kTableColumns is the row's warning mark.
    QString cell(int row, int column) const;
    QString heading(int column) const;
    QPushButton* detailCommand(int row) const { return details_[row]; }
    PictureCommand* ratingCommand(int kind) const { return curves_[kind - 1]; }
    PictureCommand* returnCommand() const { return return_; }
    QLabel* notes() const { return notes_; }
    UnitMenu* unitMenu() const { return unitMenu_; }

signals:
    void detailRequested(int row);
    // kind 1 headwater, 2 outlet depth, 3 outlet velocity.
    void ratingCurveRequested(int kind, bool closeOpenFirst);
    void returnRequested();  // "Press to Return to Input Form" and "&Return"
    void unitChosen(bool metric);
    void printPreviewRequested();
    void printRequested();
    void exitRequested();
    void helpRequested();

private:
    QWidget* ProjectLines();
    QWidget* Grid();
    QWidget* Commands();
    void ConnectMenus(const ResultMenus& menus);

    std::array<QLabel*, 3> project_{};
    QTableWidget* grid_ = nullptr;
    std::array<QPushButton*, RatingTable::kRows> details_{};
    std::array<PictureCommand*, 3> curves_{};
    PictureCommand* return_ = nullptr;
    QLabel* notes_ = nullptr;
    UnitMenu* unitMenu_ = nullptr;
};

}  // namespace kelp
