#include "ui/windows/results/table_window.h"

#include <QAction>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "form/input_form.h"
#include "ui/windows/picture_command.h"
#include "ui/windows/results/result_menus.h"
#include "ui/windows/unit_menu.h"

namespace kelp {
namespace {

// "Press # for Detailed Culvert Output" over the narrow column of buttons.
constexpr const char* kDetailCaption = "Press #\nfor Detailed\nCulvert Output";
constexpr int kDetailColumn = 0;
constexpr int kMarkColumn = kTableColumns + 1;
constexpr QRgb kWarnedRow = 0xFFF3C4;

struct CurveCommand {
    const char* caption;
    const char* name;
};
constexpr CurveCommand kCurves[] = {
    {"Press Button for Headwater Rating Curve", "picHWCurve"},
    {"Press Button for Outlet Depth Rating Curve", "picDepthCurve"},
    {"Press Button for Outlet Velocity Rating Curve", "picVelocityCurve"},
};

// A heading word per line ("Inlet  Control Elevation" stands in three) with
// its unit below, so the columns stay narrow.
QString HeadingText(const std::string& heading, const std::string& unit) {
    QString text = QString::fromStdString(heading).simplified().replace(' ', '\n');
    if (!unit.empty()) text += "\n(" + QString::fromStdString(unit) + ")";
    return text;
}

QTableWidgetItem* Cell(const std::string& text) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

}  // namespace

TableWindow::TableWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmTable");
    setWindowTitle(kTableTitle);
    ConnectMenus(AddResultMenus(this, kTableUnitMenuCaption));
    auto* page = new QWidget;
    auto* stack = new QVBoxLayout(page);
    stack->setContentsMargins(10, 10, 10, 10);
    stack->addWidget(ProjectLines());
    stack->addWidget(Grid(), 1);
    notes_ = new QLabel;
    notes_->setObjectName("lblNotes");
    notes_->setWordWrap(true);
    notes_->setStyleSheet("color: #9a3412;");
    stack->addWidget(notes_);
    stack->addWidget(Commands());
    setCentralWidget(page);
}

void TableWindow::ConnectMenus(const ResultMenus& menus) {
    unitMenu_ = menus.units;
    connect(menus.printPreview, &QAction::triggered, this, &TableWindow::printPreviewRequested);
    connect(menus.print, &QAction::triggered, this, &TableWindow::printRequested);
    connect(menus.back, &QAction::triggered, this, &TableWindow::returnRequested);
    connect(menus.exit, &QAction::triggered, this, &TableWindow::exitRequested);
    connect(menus.help, &QAction::triggered, this, &TableWindow::helpRequested);
    connect(unitMenu_, &UnitMenu::chosen, this, &TableWindow::unitChosen);
}

QWidget* TableWindow::ProjectLines() {
    auto* lines = new QWidget;
    auto* form = new QFormLayout(lines);
    form->setContentsMargins(0, 0, 0, 6);
    const Field fields[] = {Field::txtProject, Field::txtStation, Field::txtDate};
    const char* names[] = {"lblProject", "lblStation", "lblDate"};
    for (std::size_t i = 0; i < project_.size(); ++i) {
        project_[i] = new QLabel;
        project_[i]->setObjectName(names[i]);
        form->addRow(QString(FieldLabel(fields[i])) + ":", project_[i]);
    }
    return lines;
}

QWidget* TableWindow::Grid() {
    grid_ = new QTableWidget(RatingTable::kRows, kMarkColumn + 1);
    grid_->setObjectName("grdTable");
    grid_->verticalHeader()->hide();
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->setHorizontalHeaderItem(kDetailColumn, new QTableWidgetItem(kDetailCaption));
    grid_->setHorizontalHeaderItem(kMarkColumn, new QTableWidgetItem(QString()));
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The whole table is in view without scrolling where the screen allows.
    grid_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    for (int row = 0; row < RatingTable::kRows; ++row) {
        auto* button = new QPushButton(QString::number(row + 1));
        button->setObjectName(QString("cmdDetail%1").arg(row));
        connect(button, &QPushButton::clicked, this, [this, row] { emit detailRequested(row); });
        details_[row] = button;
        // The view shows its cell widgets itself; a holder lets the button
        // stay hidden in a row without flow.
        auto* holder = new QWidget;
        auto* layout = new QHBoxLayout(holder);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(button);
        grid_->setCellWidget(row, kDetailColumn, holder);
    }
    return grid_;
}

QWidget* TableWindow::Commands() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 6, 0, 0);
    for (int kind = 1; kind <= 3; ++kind) {
        const CurveCommand& curve = kCurves[kind - 1];
        auto* command = new PictureCommand(curve.caption, QStyle::SP_FileDialogContentsView);
        command->setObjectName(curve.name);
        // The picture button first closes an open curve window; the caption
        // opens another beside it.
        connect(command, &PictureCommand::buttonClicked, this,
                [this, kind] { emit ratingCurveRequested(kind, true); });
        connect(command, &PictureCommand::captionClicked, this,
                [this, kind] { emit ratingCurveRequested(kind, false); });
        curves_[kind - 1] = command;
        layout->addWidget(command, 1);
    }
    return_ = new PictureCommand("Press to Return to Input Form", QStyle::SP_ArrowBack);
    return_->setObjectName("picReturn");
    connect(return_, &PictureCommand::buttonClicked, this, &TableWindow::returnRequested);
    connect(return_, &PictureCommand::captionClicked, this, &TableWindow::returnRequested);
    layout->addWidget(return_, 1);
    return row;
}

QString TableWindow::cell(int row, int column) const {
    QTableWidgetItem* item = grid_->item(row, column + 1);
    return item ? item->text() : QString();
}

QString TableWindow::heading(int column) const {
    return grid_->horizontalHeaderItem(column + 1)->text();
}

void TableWindow::Fill(const TableTexts& texts) {
    setWindowTitle(QString::fromStdString(texts.title));
    const std::string* lines[] = {&texts.project, &texts.location, &texts.date};
    for (std::size_t i = 0; i < project_.size(); ++i)
        project_[i]->setText(QString::fromStdString(*lines[i]));
    for (int c = 0; c < kTableColumns; ++c)
        grid_->setHorizontalHeaderItem(c + 1,
                                       new QTableWidgetItem(HeadingText(texts.headings[c],
                                                                        texts.units[c])));
    for (int row = 0; row < RatingTable::kRows; ++row) {
        const TableRowTexts& rowTexts = texts.rows[row];
        for (int c = 0; c < kTableColumns; ++c)
            grid_->setItem(row, c + 1, Cell(rowTexts.cells[c]));
        grid_->setItem(row, kMarkColumn, Cell(rowTexts.warned ? kWarningMark : ""));
        if (rowTexts.warned)
            for (int c = 1; c <= kMarkColumn; ++c)
                grid_->item(row, c)->setBackground(QColor(kWarnedRow));
        details_[row]->setVisible(rowTexts.detailVisible);
    }
    QStringList notes;
    for (const std::string& note : texts.notes) notes << QString::fromStdString(note);
    notes_->setText(notes.join('\n'));
    notes_->setVisible(!notes.isEmpty());
    unitMenu_->SetMetric(texts.metric);
}

}  // namespace kelp
