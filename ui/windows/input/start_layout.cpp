// How the input form's window is put together: the menus, the five groups
// with a caption, a control and a unit label per field, and the two
// analysis commands.
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/windows/clickable_label.h"
#include "ui/windows/input/start_window.h"
#include "ui/windows/picture_command.h"
#include "ui/windows/unit_menu.h"

namespace kelp {
namespace {

struct OptionInfo {
    const char* name;
    const char* caption;
    const char* captionName;
};

// In the order of the Option enumeration.
constexpr std::array<OptionInfo, kOptionCount> kOptions{{
    {"optBox", kBoxCaption, "lblBox"},
    {"optCircle", kPipeCaption, "lblCircle"},
    {"optSingle", kSingleCaption, "lblSingle"},
    {"optDouble", kDoubleCaption, "lblDouble"},
    {"optTWconstant", kTailwaterCaptions[0], "lblTWconstant"},
    {"optTWdown", kTailwaterCaptions[1], "lblTWdown"},
    {"optTWirregular", kTailwaterCaptions[2], "lblTWirregular"},
}};

constexpr Field kListFields[] = {Field::cboPipematerial, Field::cboBoxinlet, Field::cboTWshape,
                                 Field::cboTWMaterial};

bool IsList(Field f) {
    for (Field list : kListFields)
        if (list == f) return true;
    return false;
}

// "txtSpan" -> "lblSpan": the caption's name follows its control's.
QString CaptionName(Field f, const char* prefix) {
    return QString(prefix) + QString(FieldName(f)).mid(3);
}

QGroupBox* Group(const char* title, QLayout* content) {
    auto* box = new QGroupBox(title);
    box->setLayout(content);
    return box;
}

QGridLayout* FieldGrid() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    grid->setColumnStretch(1, 1);
    return grid;
}

constexpr int kNumberWidth = 96;

// Characters a list shows without cutting its longest entry.
int ListWidth(Field f) {
    switch (f) {
        case Field::cboBoxinlet: return 34;
        case Field::cboTWMaterial: return 30;
        default: return 14;
    }
}

}  // namespace

void StartWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    connect(file->addAction("&New"), &QAction::triggered, this, &StartWindow::newRequested);
    connect(file->addAction("&Open..."), &QAction::triggered, this, &StartWindow::openRequested);
    connect(file->addAction("&Save"), &QAction::triggered, this, &StartWindow::saveRequested);
    connect(file->addAction("Save &As..."), &QAction::triggered, this,
            &StartWindow::saveAsRequested);
    file->addSeparator();
    printPreview_ = file->addAction("Print P&review");
    print_ = file->addAction("&Print");
    connect(printPreview_, &QAction::triggered, this, &StartWindow::printPreviewRequested);
    connect(print_, &QAction::triggered, this, &StartWindow::printRequested);
    file->addSeparator();
    connect(file->addAction("&Exit"), &QAction::triggered, this, &StartWindow::exitRequested);

    unitMenu_ = new UnitMenu(menuBar()->addMenu(kUnitMenuCaption));
    connect(unitMenu_, &UnitMenu::chosen, this, &StartWindow::ChooseUnit);

    QMenu* help = menuBar()->addMenu(kHelpMenuCaption);
    connect(help->addAction("&Operating Instructions"), &QAction::triggered, this,
            &StartWindow::helpRequested);
    connect(help->addAction("&About"), &QAction::triggered, this, &StartWindow::aboutRequested);
}

QWidget* StartWindow::BuildGroups() {
    auto* page = new QWidget;
    auto* columns = new QHBoxLayout(page);
    columns->setContentsMargins(10, 10, 10, 10);
    columns->setSpacing(10);
    auto column = [columns](std::initializer_list<QWidget*> widgets) {
        auto* stack = new QVBoxLayout;
        stack->setSpacing(10);
        for (QWidget* w : widgets) stack->addWidget(w);
        stack->addStretch(1);
        columns->addLayout(stack);
    };
    column({ProjectGroup(), CulvertGroup()});
    column({ProfileGroup(), DischargeGroup()});
    column({TailwaterGroup(), Commands()});
    return page;
}

QWidget* StartWindow::MakeFieldControl(Field f) {
    QWidget* control = nullptr;
    if (IsList(f)) {
        auto* combo = new QComboBox;
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(ListWidth(f));
        control = combo;
    } else {
        auto* edit = new QLineEdit;
        if (InputForm::IsNumberField(f)) edit->setMaximumWidth(kNumberWidth);
        control = edit;
    }
    control->setObjectName(FieldName(f));
    fields_[Index(f)] = control;
    return control;
}

void StartWindow::PlaceField(QGridLayout* grid, int row, Field f, QWidget* lead) {
    QWidget* control = MakeFieldControl(f);
    if (!lead) {
        auto* caption = new QLabel(FieldLabel(f));
        caption->setObjectName(CaptionName(f, "lbl"));
        caption->setBuddy(control);
        captions_[Index(f)] = caption;
        lead = caption;
    }
    grid->addWidget(lead, row, 0);
    if (FieldUnitGroup(f) == UnitGroup::None) {
        grid->addWidget(control, row, 1, 1, 2);
    } else {
        grid->addWidget(control, row, 1);
        auto* unit = new QLabel;
        unit->setObjectName(CaptionName(f, "lblUnit"));
        unit->setMinimumWidth(44);
        unitLabels_[Index(f)] = unit;
        grid->addWidget(unit, row, 2);
    }
    ConnectField(f);
}

void StartWindow::AddField(QGridLayout* grid, Field f) { PlaceField(grid, grid->rowCount(), f); }

QWidget* StartWindow::OptionButton(Option o) {
    const OptionInfo& info = kOptions[Index(o)];
    auto* radio = new QRadioButton;
    radio->setObjectName(info.name);
    auto* caption = new ClickableLabel(info.caption);
    caption->setObjectName(info.captionName);
    options_[Index(o)] = radio;
    optionCaptions_[Index(o)] = caption;
    // The form decides which options are chosen; the window only shows it.
    radio->setAutoExclusive(false);
    connect(radio, &QRadioButton::clicked, this, [this, o] { OptionClicked(o, false); });
    connect(caption, &ClickableLabel::clicked, this, [this, o] { OptionClicked(o, true); });
    auto* pair = new QWidget;
    auto* row = new QHBoxLayout(pair);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(radio);
    row->addWidget(caption);
    row->addStretch(1);
    return pair;
}

QWidget* StartWindow::OptionPair(Option first, Option second) {
    auto* pair = new QWidget;
    auto* row = new QHBoxLayout(pair);
    row->setContentsMargins(0, 0, 0, 4);
    row->addWidget(OptionButton(first));
    row->addSpacing(16);
    row->addWidget(OptionButton(second));
    row->addStretch(1);
    return pair;
}

QWidget* StartWindow::ProjectGroup() {
    auto* grid = FieldGrid();
    for (Field f : {Field::txtProject, Field::txtStation, Field::txtDate}) AddField(grid, f);
    return Group(kProjectGroup, grid);
}

QWidget* StartWindow::CulvertGroup() {
    auto* grid = FieldGrid();
    grid->addWidget(OptionPair(Option::Box, Option::Circle), 0, 0, 1, 3);
    for (Field f : {Field::txtDiameter, Field::cboPipematerial, Field::txtSpan, Field::txtRise,
                    Field::cboBoxinlet, Field::txtBoxrough, Field::txtNOut})
        AddField(grid, f);
    return Group(kCulvertGroup, grid);
}

QWidget* StartWindow::ProfileGroup() {
    auto* grid = FieldGrid();
    grid->addWidget(OptionPair(Option::Single, Option::Double), 0, 0, 1, 3);
    for (Field f : {Field::txtInletsta, Field::txtInletelev, Field::txtUppersta,
                    Field::txtUpperelev, Field::txtLowersta, Field::txtLowerelev,
                    Field::txtOutletsta, Field::txtOutletelev})
        AddField(grid, f);
    return Group(kProfileGroup, grid);
}

QWidget* StartWindow::DischargeGroup() {
    auto* grid = FieldGrid();
    for (Field f : {Field::txtMinDischarge, Field::txtDesDischarge, Field::txtMaxDischarge,
                    Field::txtBarrels})
        AddField(grid, f);
    return Group(kDischargeGroup, grid);
}

// The constant elevation is typed beside its option; the channel fields
// follow the downstream channel option.
QWidget* StartWindow::TailwaterGroup() {
    auto* grid = FieldGrid();
    PlaceField(grid, 0, Field::txtTWelev, OptionButton(Option::TWConstant));
    grid->addWidget(OptionButton(Option::TWDown), 1, 0, 1, 3);
    grid->addWidget(OptionButton(Option::TWIrregular), 2, 0, 1, 3);
    for (Field f : {Field::cboTWshape, Field::txtTWbottom, Field::txtTWleftside,
                    Field::txtTWrightside, Field::txtTWdiameter, Field::txtTWslope,
                    Field::txtTWrough})
        AddField(grid, f);
    // The roughness catalogue fills the row under the channel roughness.
    grid->addWidget(MakeFieldControl(Field::cboTWMaterial), grid->rowCount(), 0, 1, 3);
    ConnectField(Field::cboTWMaterial);
    irregular_ = new QPushButton("Create/Edit Irregular Channel Data");
    irregular_->setObjectName("cmdIRRedit");
    connect(irregular_, &QPushButton::clicked, this, [this] {
        form_->ChooseTWIrregular();
        Refresh();
        emit irregularEditRequested();
    });
    grid->addWidget(irregular_, grid->rowCount(), 0, 1, 3);
    return Group(kTailwaterGroup, grid);
}

QWidget* StartWindow::Commands() {
    range_ = new PictureCommand("Press Button to Analyze Range of Discharges ",
                                QStyle::SP_FileDialogDetailedView);
    design_ = new PictureCommand("Press Button to Analyze Design Discharge ",
                                 QStyle::SP_MediaPlay);
    range_->setObjectName("picRange");
    design_->setObjectName("picDesign");
    for (PictureCommand* command : {range_, design_}) {
        auto request = command == range_ ? &StartWindow::rangeRequested
                                         : &StartWindow::designRequested;
        connect(command, &PictureCommand::buttonClicked, this, request);
        connect(command, &PictureCommand::captionClicked, this, request);
    }
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    auto* stack = new QVBoxLayout(frame);
    stack->addWidget(range_);
    stack->addWidget(design_);
    return frame;
}

}  // namespace kelp
