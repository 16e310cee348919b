#include "ui/windows/input/irregular_window.h"

#include <QEvent>
#include <algorithm>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/checked.h"
#include "ui/windows/input/field_events.h"

namespace kelp {
namespace {

// The roles the boxes play in the focus changes, as number fields of the
// input form: the count box stands for a count, every other box for a
// length. Only the count's focus loss does anything here.
constexpr Field kCountRole = Field::txtBarrels;
constexpr Field kNumberRole = Field::txtSpan;

// Control names in the order of IrrBox.
constexpr std::array<const char*, static_cast<std::size_t>(IrrBox::Count)> kBoxNames{
    "txtNIRC", "txtLLP", "txtRP", "txtNleft", "txtNmain", "txtNright", "txtSlope", "txtCOPT"};

constexpr int kNumberWidth = 90;

QLabel* Caption(const QString& text, const QString& name) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}

QGridLayout* Grid() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    return grid;
}

// Writes a text only when it differs, so the cursor of a box being typed in
// stays where it is.
void ShowText(QLineEdit* edit, const std::string& text) {
    QString shown = QString::fromStdString(text);
    if (edit->text() != shown) edit->setText(shown);
}

void ShowBoth(QWidget* control, QLabel* label, bool visible) {
    control->setVisible(visible);
    if (label) label->setVisible(visible);
}

// A row hidden by the count keeps its place, so the window has one height
// whatever the count.
void KeepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

}  // namespace

IrregularWindow::IrregularWindow(IrregularEditor& editor, Prompts& prompts, QWidget* parent)
    : QWidget(parent, Qt::Window),
      editor_(editor),
      prompts_(prompts) {
    setObjectName("frmIrregularTW");
    setWindowTitle(kIrregularTitle);
    events_ = new FieldEvents(this, [this](Field role, bool gained) { FocusChanged(role, gained); });

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(12, 12, 12, 12);
    page->setSpacing(10);
    page->addWidget(CountLine());
    auto* middle = new QHBoxLayout;
    middle->setSpacing(12);
    middle->addWidget(Coordinates());
    auto* right = new QVBoxLayout;
    right->setSpacing(10);
    right->addWidget(LabelledBoxes(
        kBoundaryCaption, {{IrrBox::txtLLP, kLeftOverbank}, {IrrBox::txtRP, kRightOverbank}}));
    right->addWidget(Options());
    right->addWidget(LabelledBoxes(kManningCaption, {{IrrBox::txtNleft, kLeftOverbank},
                                                     {IrrBox::txtNmain, kMainChannel},
                                                     {IrrBox::txtNright, kRightOverbank}}));
    right->addWidget(SlopeLine());
    right->addStretch(1);
    middle->addLayout(right, 1);
    page->addLayout(middle);

    // The option number travels through a hidden box that the option buttons
    // set.
    Box(IrrBox::txtCOPT, kBoxNames[Index(IrrBox::txtCOPT)])->setParent(this);

    save_ = new QPushButton(kSaveAndExitCaption);
    save_->setObjectName("cmdExit");
    connect(save_, &QPushButton::clicked, this, &IrregularWindow::SaveAndExit);
    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    commands->addWidget(save_);
    page->addLayout(commands);
}

IrregularWindow::~IrregularWindow() { delete events_; }

std::size_t IrregularWindow::RowIndex(int row) {
    if (row < 1 || row > kRows) throw RuntimeFault(kSubscriptOutOfRange);
    return static_cast<std::size_t>(row - 1);
}

QRadioButton* IrregularWindow::option(int number) const {
    if (number < 1 || number > kOptions) throw RuntimeFault(kSubscriptOutOfRange);
    return options_[static_cast<std::size_t>(number - 1)];
}

QLineEdit* IrregularWindow::NumberBox(const QString& name, bool count) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMaximumWidth(kNumberWidth);
    events_->Watch(edit, count ? kCountRole : kNumberRole, &IrregularEditor::KeyAccepted);
    return edit;
}

// A box of the editor beside its label (if any); typed text goes to the editor.
QLineEdit* IrregularWindow::Box(IrrBox b, const char* name, QLabel* label) {
    QLineEdit* edit = NumberBox(name, b == IrrBox::txtNIRC);
    boxes_[Index(b)] = edit;
    labels_[Index(b)] = label;
    if (label) label->setBuddy(edit);
    connect(edit, &QLineEdit::textEdited, this,
            [this, b](const QString& text) { editor_.SetText(b, text.toStdString()); });
    return edit;
}

// A line of one box after its caption; the caller may add more to its row.
QHBoxLayout* IrregularWindow::CaptionedLine(QWidget* line, const char* caption,
                                            const char* labelName, IrrBox b) {
    auto* row = new QHBoxLayout(line);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    QLabel* label = Caption(caption, labelName);
    row->addWidget(label);
    row->addWidget(Box(b, kBoxNames[Index(b)], label));
    return row;
}

QWidget* IrregularWindow::CountLine() {
    auto* line = new QWidget;
    QHBoxLayout* row = CaptionedLine(line, kCountCaption, "lblNIRC", IrrBox::txtNIRC);
    enter_ = new QPushButton(kEnterDataCaption);
    enter_->setObjectName("Command1");
    connect(enter_, &QPushButton::clicked, this, [this] { editor_.CheckCount(prompts_); });
    row->addWidget(enter_);
    row->addStretch(1);
    return line;
}

QWidget* IrregularWindow::Coordinates() {
    auto* frame = new QGroupBox;
    QGridLayout* grid = Grid();
    frame->setLayout(grid);
    stationHeading_ = Caption({}, "lblStation");
    elevationHeading_ = Caption({}, "lblElevation");
    grid->addWidget(stationHeading_, 0, 1);
    grid->addWidget(elevationHeading_, 0, 2);
    for (int row = 1; row <= kRows; ++row) {
        std::size_t i = RowIndex(row);
        QString n = QString::number(row);
        rowLabels_[i] = Caption(n, "lblCoord" + n);
        rowLabels_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        stations_[i] = NumberBox("txtSTA" + n);
        elevations_[i] = NumberBox("txtELEV" + n);
        connect(stations_[i], &QLineEdit::textEdited, this, [this, row](const QString& text) {
            editor_.SetStationText(row, text.toStdString());
        });
        connect(elevations_[i], &QLineEdit::textEdited, this, [this, row](const QString& text) {
            editor_.SetElevationText(row, text.toStdString());
        });
        for (QWidget* w : std::initializer_list<QWidget*>{rowLabels_[i], stations_[i],
                                                         elevations_[i]})
            KeepPlaceWhenHidden(w);
        grid->addWidget(rowLabels_[i], row, 0);
        grid->addWidget(stations_[i], row, 1);
        grid->addWidget(elevations_[i], row, 2);
    }
    return frame;
}

// A group of boxes, each beside its label ("txtLLP" beside "lblLLP").
QWidget* IrregularWindow::LabelledBoxes(const char* title,
                                        std::initializer_list<LabelledBox> boxes) {
    auto* group = new QGroupBox(title);
    QGridLayout* grid = Grid();
    group->setLayout(grid);
    BoxGroup& shown = groups_.emplace_back(BoxGroup{group, {}});
    for (const auto& [b, text] : boxes) {
        shown.boxes.push_back(b);
        const char* name = kBoxNames[Index(b)];
        QLabel* label = Caption(text, "lbl" + QString(name).mid(3));
        int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(Box(b, name, label), row, 1);
    }
    grid->setColumnStretch(2, 1);
    return group;
}

QWidget* IrregularWindow::Options() {
    auto* group = new QGroupBox(kOptionFrameCaption);
    auto* stack = new QVBoxLayout(group);
    stack->setSpacing(4);
    for (int number = 1; number <= kOptions; ++number) {
        const SubchannelOption& choice = kSubchannelOptions[static_cast<std::size_t>(number - 1)];
        auto* radio = new QRadioButton(choice.caption);
        radio->setObjectName("Option" + QString::number(number));
        // The editor decides which option is chosen; the window only shows it.
        radio->setAutoExclusive(false);
        connect(radio, &QRadioButton::clicked, this, [this, number] {
            editor_.ChooseOption(number);
            Refresh();
        });
        options_[static_cast<std::size_t>(number - 1)] = radio;
        stack->addWidget(radio);
    }
    return group;
}

QWidget* IrregularWindow::SlopeLine() {
    auto* line = new QWidget;
    CaptionedLine(line, kSlopeCaption, "lblSlope", IrrBox::txtSlope)->addStretch(1);
    return line;
}

void IrregularWindow::FocusChanged(Field role, bool gained) {
    if (role != kCountRole || gained) return;
    editor_.CountFocusLost();
    Refresh();
}

// A box that holds no number keeps the window open with what was typed.
void IrregularWindow::SaveAndExit() {
    if (!editor_.SaveAndExit(prompts_)) return;
    close();
    emit sectionSaved();
}

void IrregularWindow::Refresh() {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        auto b = static_cast<IrrBox>(i);
        ShowText(boxes_[i], editor_.text(b));
        ShowBoth(boxes_[i], labels_[i], editor_.Visible(b));
    }
    // A group whose boxes all hide leaves no empty frame behind.
    for (const BoxGroup& group : groups_)
        group.frame->setVisible(std::any_of(group.boxes.begin(), group.boxes.end(),
                                            [this](IrrBox b) { return editor_.Visible(b); }));
    for (int row = 1; row <= kRows; ++row) {
        std::size_t i = RowIndex(row);
        ShowText(stations_[i], editor_.StationText(row));
        ShowText(elevations_[i], editor_.ElevationText(row));
        bool shown = editor_.RowVisible(row);
        ShowBoth(stations_[i], rowLabels_[i], shown);
        elevations_[i]->setVisible(shown);
    }
    stationHeading_->setText(QString::fromStdString(editor_.StationHeading()));
    elevationHeading_->setText(QString::fromStdString(editor_.ElevationHeading()));
    for (int number = 1; number <= kOptions; ++number)
        option(number)->setChecked(editor_.Option() == number);
}

}  // namespace kelp
