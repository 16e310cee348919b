// The result form ("KELP"): the answer of the one-discharge analysis in four
// groups, shown from the texts the result form's object builds. The window
// computes nothing; its commands are reported to the program.
#pragma once

#include <QMainWindow>
#include <map>
#include <vector>

#include "results/output_texts.h"

class QGridLayout;
class QLabel;
class QVBoxLayout;

namespace kelp {

class PictureCommand;
class UnitMenu;
struct ResultMenus;

class OutputWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit OutputWindow(QWidget* parent = nullptr);

    // Writes every caption, value, unit label and hidden line, and the
    // check mark of the unit menu.
    void Fill(const OutputTexts& texts);

    // The value label of a line, by its caption ("Outlet Depth"); nullptr
    // for an unknown caption.
    QLabel* value(const QString& caption) const;
    // The span of the size line (the value shows the rise).
    QLabel* sizeSpan() const { return sizeSpan_; }
    QLabel* warnings() const { return warnings_; }
    UnitMenu* unitMenu() const { return unitMenu_; }
    PictureCommand* plotCommand() const { return plot_; }
    PictureCommand* hy8Command() const { return hy8_; }
    PictureCommand* returnCommand() const { return return_; }

signals:
    void returnToDataTable();  // "Press to Return to Data Table"
    void returnMenu();         // "&Return"
    void unitChosen(bool metric);
    void plotRequested();
    void hy8Requested();
    void printPreviewRequested();
    void printRequested();
    void exitRequested();
    void helpRequested();

private:
    struct LineWidgets {
        QLabel* caption;
        QLabel* value;
        QLabel* unit;
    };

    void Build(const OutputTexts& texts);
    QWidget* GroupBox(const ResultGroup& group);
    void AddLine(QGridLayout* grid, const ResultLine& line, bool size);
    QWidget* Commands();
    void ConnectMenus(const ResultMenus& menus);

    std::vector<LineWidgets> lines_;  // in the order of Groups()
    std::map<QString, QLabel*> values_;
    QVBoxLayout* page_ = nullptr;
    QLabel* sizeSpan_ = nullptr;
    QLabel* warnings_ = nullptr;
    UnitMenu* unitMenu_ = nullptr;
    PictureCommand* plot_ = nullptr;
    PictureCommand* hy8_ = nullptr;
    PictureCommand* return_ = nullptr;
};

}  // namespace kelp
