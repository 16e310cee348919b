#include "ui/windows/results/output_window.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/windows/picture_command.h"
#include "ui/windows/results/result_menus.h"
#include "ui/windows/unit_menu.h"

namespace kelp {
namespace {

// "Tailwater Depth  (Normal Downstream)" -> "TailwaterDepthNormalDownstream".
QString NameOf(const std::string& caption) {
    QString name;
    for (QChar c : QString::fromStdString(caption))
        if (c.isLetterOrNumber()) name += c;
    return name;
}

QLabel* Label(const QString& name, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setAlignment(alignment);
    return label;
}

constexpr int kGroupsPerColumn = 2;

}  // namespace

OutputWindow::OutputWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmOutput");
    setWindowTitle(kProgramName);
    ConnectMenus(AddResultMenus(this, kUnitMenuCaption));
    auto* page = new QWidget;
    page_ = new QVBoxLayout(page);
    page_->setContentsMargins(10, 10, 10, 10);
    warnings_ = Label("lblWarnings");
    warnings_->setWordWrap(true);
    warnings_->setStyleSheet("color: #9a3412;");
    warnings_->hide();
    page_->addWidget(warnings_);
    page_->addWidget(Commands());
    setCentralWidget(page);
}

void OutputWindow::ConnectMenus(const ResultMenus& menus) {
    unitMenu_ = menus.units;
    connect(menus.printPreview, &QAction::triggered, this, &OutputWindow::printPreviewRequested);
    connect(menus.print, &QAction::triggered, this, &OutputWindow::printRequested);
    connect(menus.back, &QAction::triggered, this, &OutputWindow::returnMenu);
    connect(menus.exit, &QAction::triggered, this, &OutputWindow::exitRequested);
    connect(menus.help, &QAction::triggered, this, &OutputWindow::helpRequested);
    connect(unitMenu_, &UnitMenu::chosen, this, &OutputWindow::unitChosen);
}

// The lines are the same for every analysis; they are laid out once, above
// the warnings and the commands, from the first texts shown.
void OutputWindow::Build(const OutputTexts& texts) {
    auto* columns = new QHBoxLayout;
    columns->setSpacing(10);
    std::vector<ResultGroup> groups = Groups(texts);
    for (std::size_t i = 0; i < groups.size(); i += kGroupsPerColumn) {
        auto* column = new QVBoxLayout;
        for (std::size_t g = i; g < i + kGroupsPerColumn && g < groups.size(); ++g)
            column->addWidget(GroupBox(groups[g]));
        column->addStretch(1);
        columns->addLayout(column, 1);
    }
    page_->insertLayout(0, columns);
}

QWidget* OutputWindow::GroupBox(const ResultGroup& group) {
    auto* box = new QGroupBox(group.caption);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(0, 1);
    for (const ResultLine* line : group.lines) AddLine(grid, *line, line->caption == "Size");
    return box;
}

void OutputWindow::AddLine(QGridLayout* grid, const ResultLine& line, bool size) {
    const QString name = NameOf(line.caption);
    const int row = grid->rowCount();
    LineWidgets widgets{Label("cap" + name), Label("val" + name, Qt::AlignRight | Qt::AlignVCenter),
                        Label("unit" + name)};
    widgets.caption->setText(QString::fromStdString(line.caption));
    widgets.value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(widgets.caption, row, 0);
    if (size) {
        // Rise by span, both in the unit beside them.
        auto* pair = new QHBoxLayout;
        sizeSpan_ = Label("valSizeSpan", Qt::AlignRight | Qt::AlignVCenter);
        pair->addStretch(1);
        pair->addWidget(widgets.value);
        pair->addWidget(new QLabel(" x "));
        pair->addWidget(sizeSpan_);
        grid->addLayout(pair, row, 1);
    } else {
        grid->addWidget(widgets.value, row, 1);
    }
    grid->addWidget(widgets.unit, row, 2);
    lines_.push_back(widgets);
    values_[QString::fromStdString(line.caption)] = widgets.value;
}

QWidget* OutputWindow::Commands() {
    plot_ = new PictureCommand("Press Button to Plot Profile", QStyle::SP_FileDialogContentsView);
    hy8_ = new PictureCommand("Press Button to Enter HY-8 Energy Dissipation",
                              QStyle::SP_DialogApplyButton);
    return_ = new PictureCommand("Press to Return to Data Table", QStyle::SP_ArrowBack);
    plot_->setObjectName("picPlot");
    hy8_->setObjectName("picHY8");
    return_->setObjectName("picReturn");
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 6, 0, 0);
    const std::pair<PictureCommand*, void (OutputWindow::*)()> commands[] = {
        {plot_, &OutputWindow::plotRequested},
        {hy8_, &OutputWindow::hy8Requested},
        {return_, &OutputWindow::returnToDataTable}};
    for (const auto& [command, signal] : commands) {
        connect(command, &PictureCommand::buttonClicked, this, signal);
        connect(command, &PictureCommand::captionClicked, this, signal);
        layout->addWidget(command, 1);
    }
    return row;
}

QLabel* OutputWindow::value(const QString& caption) const {
    auto found = values_.find(caption);
    return found == values_.end() ? nullptr : found->second;
}

void OutputWindow::Fill(const OutputTexts& texts) {
    if (lines_.empty()) Build(texts);
    std::size_t i = 0;
    for (const ResultGroup& group : Groups(texts)) {
        for (const ResultLine* line : group.lines) {
            const LineWidgets& w = lines_[i++];
            w.value->setText(QString::fromStdString(line->value));
            w.unit->setText(QString::fromStdString(line->unit));
            for (QLabel* label : {w.caption, w.value, w.unit}) label->setVisible(line->visible);
        }
    }
    sizeSpan_->setText(QString::fromStdString(texts.sizeSpan));
    QStringList warnings;
    for (const std::string& warning : texts.warnings) warnings << QString::fromStdString(warning);
    warnings_->setText(warnings.join('\n'));
    warnings_->setVisible(!warnings.isEmpty());
    unitMenu_->SetMetric(texts.metric);
    setWindowTitle(QString::fromStdString(texts.title));
}

}  // namespace kelp
