#include "ui/windows/input/start_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include "form/unit_switch.h"
#include "model/codes.h"
#include "ui/windows/field_focus.h"
#include "ui/windows/input/field_events.h"
#include "ui/windows/unit_menu.h"

namespace kelp {
namespace {

constexpr int kMenuWatchMs = 500;
// Disabled text stays legible on the grey of a disabled field.
constexpr QRgb kDisabledText = 0x505050;

void SetBackground(QWidget* w, uint32_t rgb) {
    QPalette palette = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, QColor(QRgb(rgb)));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(kDisabledText));
    w->setPalette(palette);
}

QStringList ToQt(const std::vector<std::string>& items) {
    QStringList list;
    for (const std::string& item : items) list << QString::fromStdString(item);
    return list;
}

void ShowItems(QComboBox* combo, const QStringList& items) {
    bool same = combo->count() == items.size();
    for (int i = 0; same && i < items.size(); ++i) same = combo->itemText(i) == items[i];
    if (same) return;
    combo->clear();
    combo->addItems(items);
}

// The entry selected is the one the text names (none for a text the list
// does not offer), so that opening the list, a wheel turn or a commit starts
// from what the list shows and never puts back an entry it no longer holds.
void ShowListText(QComboBox* combo, const QString& text) {
    int entry = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (combo->currentIndex() != entry) combo->setCurrentIndex(entry);
    if (combo->currentText() != text) combo->setEditText(text);
}

const std::string& Caption(const UnitCaptions& units, UnitGroup group) {
    switch (group) {
        case UnitGroup::Discharge: return units.discharge;
        case UnitGroup::SideSlope: return units.sideSlope;
        case UnitGroup::BottomSlope: return units.bottomSlope;
        default: return units.length;
    }
}

}  // namespace

StartWindow::StartWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(kInputFormName);
    events_ = new FieldEvents(this, [this](Field f, bool gained) { FocusChanged(f, gained); });
    BuildMenus();
    setCentralWidget(BuildGroups());
    menuWatcher_ = new QTimer(this);
    menuWatcher_->setInterval(kMenuWatchMs);
    connect(menuWatcher_, &QTimer::timeout, this, &StartWindow::WatchMenus);
    menuWatcher_->start();
}

StartWindow::~StartWindow() { delete events_; }

void StartWindow::Bind(InputForm& form, UnitSwitch& units) {
    form_ = &form;
    units_ = &units;
    Refresh();
}

QLineEdit* StartWindow::editor(Field f) const {
    if (auto* combo = qobject_cast<QComboBox*>(field(f))) return combo->lineEdit();
    return static_cast<QLineEdit*>(field(f));
}

// Typed text goes to the form as it is typed; a pick from a list runs the
// list's choice.
void StartWindow::ConnectField(Field f) {
    if (auto* combo = qobject_cast<QComboBox*>(field(f))) {
        connect(combo, &QComboBox::activated, this,
                [this, f, combo](int index) { ChooseFromList(f, combo->itemText(index)); });
        events_->WatchList(combo);
    }
    QLineEdit* edit = editor(f);
    connect(edit, &QLineEdit::textEdited, this,
            [this, f](const QString& text) { form_->SetText(f, text.toStdString()); });
    events_->Watch(edit, f);
}

bool StartWindow::IsChosen(Option o) const {
    switch (o) {
        case Option::Box: return form_->IsBox();
        case Option::Circle: return !form_->IsBox();
        case Option::Single: return !form_->IsDouble();
        case Option::Double: return form_->IsDouble();
        case Option::TWConstant: return IsConstantTailwater(form_->TailwaterOption());
        case Option::TWDown: return IsRegularChannel(form_->TailwaterOption());
        case Option::TWIrregular: return IsIrregularChannel(form_->TailwaterOption());
        case Option::Count: break;
    }
    return false;
}

// An option button runs its choice only when it becomes chosen; its caption
// runs it on every click.
void StartWindow::OptionClicked(Option o, bool byCaption) {
    if (byCaption || !IsChosen(o))
        Choose(o, byCaption);
    else
        Refresh();
}

void StartWindow::Choose(Option o, bool byCaption) {
    switch (o) {
        case Option::Box: form_->ChooseBox(); break;
        case Option::Circle: form_->ChooseCircle(byCaption); break;
        case Option::Single: form_->ChooseSingle(); break;
        case Option::Double: form_->ChooseDouble(); break;
        case Option::TWConstant: form_->ChooseTWConstant(); break;
        case Option::TWDown: form_->ChooseTWDown(); break;
        case Option::TWIrregular: form_->ChooseTWIrregular(); break;
        case Option::Count: break;
    }
    Refresh();
}

void StartWindow::ChooseFromList(Field f, const QString& text) {
    std::string chosen = text.toStdString();
    switch (f) {
        case Field::cboPipematerial: form_->ChooseMaterial(chosen); break;
        case Field::cboBoxinlet: form_->ChooseInletType(chosen); break;
        case Field::cboTWshape: form_->ChooseChannelShape(chosen); break;
        case Field::cboTWMaterial: form_->ChooseChannelRoughness(chosen); break;
        default: break;
    }
    Refresh();
}

void StartWindow::ChooseUnit(bool metric) {
    if (metric)
        units_->ChooseMetric();
    else
        units_->ChooseEnglish();
    Refresh();
}

void StartWindow::FocusChanged(Field f, bool gained) {
    if (gained)
        form_->FocusGained(f);
    else
        form_->FocusLost(f);
    ShowField(f);
    ShowField(Field::txtNOut);  // takes the barrel roughness on leaving it
}

void StartWindow::WatchMenus() {
    if (!form_) return;
    form_->WatchMenus();
    printPreview_->setEnabled(form_->PrintEnabled());
    print_->setEnabled(form_->PrintEnabled());
}

void StartWindow::ShowField(Field f) {
    const FieldState& state = form_->field(f);
    QString text = QString::fromStdString(state.text);
    if (auto* combo = qobject_cast<QComboBox*>(field(f))) {
        ShowItems(combo, ToQt(form_->Items(f)));
        ShowListText(combo, text);
    } else if (editor(f)->text() != text) {
        editor(f)->setText(text);
    }
    field(f)->setEnabled(state.enabled);
    SetBackground(field(f), state.background);
    for (QLabel* label : {captions_[Index(f)], unitLabels_[Index(f)]})
        if (label) label->setEnabled(state.enabled);
}

void StartWindow::ShowUnitCaptions() {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        Field f = static_cast<Field>(i);
        if (QLabel* unit = unitLabels_[i])
            unit->setText(QString::fromStdString(Caption(form_->units, FieldUnitGroup(f))));
    }
    unitMenu_->SetMetric(units_->MetricChecked());
}

void StartWindow::Refresh() {
    for (std::size_t i = 0; i < kFieldCount; ++i) ShowField(static_cast<Field>(i));
    for (std::size_t i = 0; i < kOptionCount; ++i)
        options_[i]->setChecked(IsChosen(static_cast<Option>(i)));
    ShowUnitCaptions();
    printPreview_->setEnabled(form_->PrintEnabled());
    print_->setEnabled(form_->PrintEnabled());
}

void StartWindow::CloseForGood() {
    closing_ = true;
    close();
}

void StartWindow::closeEvent(QCloseEvent* event) {
    if (closing_) return QMainWindow::closeEvent(event);
    event->ignore();
    emit exitRequested();
}

}  // namespace kelp
