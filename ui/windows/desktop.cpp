#include "ui/windows/desktop.h"

#include <QApplication>
#include <QDate>
#include <array>
#include <exception>
#include <span>
#include <type_traits>

#include "model/codes.h"
#include "results/output_texts.h"
#include "results/table_texts.h"
#include "ui/windows/busy_pointer.h"
#include "ui/windows/help/help_window.h"
#include "ui/windows/input/irregular_window.h"
#include "ui/windows/input/start_window.h"
#include "ui/windows/picture_command.h"
#include "ui/windows/plots/profile_window.h"
#include "ui/windows/plots/rating_curve_window.h"
#include "ui/windows/print/print_dialogs.h"
#include "ui/windows/results/output_window.h"
#include "ui/windows/results/table_window.h"
#include "ui/windows/window_placement.h"

namespace kelp {
namespace {

constexpr const char* kNotYetAvailable = "This command is not available yet.";
constexpr const char* kRangeFailure =
    "KELP IS UNABLE TO PERFORM TASK, AN ERROR OCCURED DURING PROCESSING";

// The pages each window prints, by WindowKind.
constexpr std::array<std::span<const PageKind>, 3> kWindowPages{
    std::span<const PageKind>(kInputPages), std::span<const PageKind>(kResultPages),
    std::span<const PageKind>(kTablePages)};

std::size_t IndexOf(WindowKind window) { return static_cast<std::size_t>(window); }

Icon IconOf(const Message& message) {
    return message.exclamation ? Icon::Exclamation : Icon::None;
}

// An outcome for a failure the runs do not describe themselves (memory, a
// library error): the message the run gives its own faults.
RunOutcome Failed(Message message) {
    RunOutcome out;
    out.kind = RunOutcome::Kind::Fault;
    out.message = std::move(message);
    return out;
}

// The input form's commands work in the unit system checked on it, even
// while a result window shows the other one (its unit lasts until it
// returns): otherwise its fields would be read or written in the wrong unit.
// A result window's unit comes back when the command ends.
class InputFormUnits {
public:
    InputFormUnits(Model& model, const UnitSwitch& units)
        : model_(model), shown_(model.UnitSystem), input_(units.CheckedUnitSystem()) {
        model_.UnitSystem = input_;
    }
    ~InputFormUnits() {
        if (shown_ != input_) model_.UnitSystem = shown_;
    }
    InputFormUnits(const InputFormUnits&) = delete;
    InputFormUnits& operator=(const InputFormUnits&) = delete;

private:
    Model& model_;
    float shown_;
    float input_;
};

}  // namespace

std::string TodayText() { return QDate::currentDate().toString(Qt::ISODate).toStdString(); }

Desktop::Desktop(Model& model, Prompts& prompts, Features features,
                 std::function<std::string()> today)
    : model_(model),
      prompts_(prompts),
      features_(std::move(features)),
      document_(model, prompts, std::move(today)),
      irregular_(model),
      start_(std::make_unique<StartWindow>()),
      output_(std::make_unique<OutputWindow>()),
      table_(std::make_unique<TableWindow>()),
      irregularWindow_(std::make_unique<IrregularWindow>(irregular_, prompts)),
      profile_(std::make_unique<ProfileWindow>()) {
    CompleteFeatures();
    Connect();
    ShowDocument(true);
}

Desktop::~Desktop() = default;

void Desktop::ShowInputForm() { ShowCentred(*start_); }

bool Desktop::Load(const std::string& path) {
    bool read = false;
    {
        InputFormUnits units(model_, *units_);
        read = document_.OpenPath(path);
    }
    ShowDocument(false, read);
    return read;
}

void Desktop::ShowDocument(bool newForm, bool otherFile) {
    if (newForm) {
        // A fresh form opens in English units with English checked.
        units_ = std::make_unique<UnitSwitch>(form());
        units_->rewriteEditorBoxes = [this](float unitSystem) { ShowEditorUnits(unitSystem); };
    }
    start_->Bind(form(), *units_);
    start_->setWindowTitle(QString::fromStdString(document_.WindowTitle()));
    if ((newForm || otherFile) && irregularWindow_->isVisible()) {
        irregular_.Load();
        irregularWindow_->Refresh();
    }
}

// New tells whether it put a fresh form in place; the other commands keep
// the form.
template <typename Result>
void Desktop::RunDocumentCommand(Result (Document::*command)()) {
    std::string file = document_.ProjectFileName();
    bool newForm = false;
    {
        InputFormUnits units(model_, *units_);
        if constexpr (std::is_same_v<Result, bool>)
            newForm = (document_.*command)();
        else
            (document_.*command)();
    }
    ShowDocument(newForm, file != document_.ProjectFileName());
}

void Desktop::CompleteFeatures() {
    Features& f = features_;
    if (!f.printPreview)
        f.printPreview = [this](WindowKind w) {
            PreviewPages(&Window(w), PrintSourceOf(w), kWindowPages[IndexOf(w)]);
        };
    if (!f.print)
        f.print = [this](WindowKind w) {
            PrintWithDialog(&Window(w), PrintSourceOf(w), kWindowPages[IndexOf(w)]);
        };
    // One help window serves every window; it belongs to the input form,
    // which lasts as long as the program.
    if (!f.help) f.help = [this] { ShowHelp(start_.get()); };
    if (!f.about) f.about = [this] { ShowAbout(prompts_); };
    if (!f.plotProfile) f.plotProfile = [this] { PlotProfile(); };
    if (!f.ratingCurve)
        f.ratingCurve = [this](int kind, bool closeOpenFirst) {
            OpenRatingCurve(kind, closeOpenFirst);
        };
}

QWidget& Desktop::Window(WindowKind window) {
    std::array<QWidget*, 3> windows{start_.get(), output_.get(), table_.get()};
    return *windows[IndexOf(window)];
}

// The input form's page shows its fields in the unit checked on it; the
// result windows print what they show, in the model's unit system.
PrintSource Desktop::PrintSourceOf(WindowKind window) const {
    float unitSystem =
        window == WindowKind::Input ? units_->CheckedUnitSystem() : model_.UnitSystem;
    return PrintSource{model_, &document_.form(), &ratingTable_, unitSystem, {}};
}

void Desktop::Connect() {
    ConnectStart();
    ConnectResults();
    ConnectEditor();
}

void Desktop::ConnectStart() {
    StartWindow* s = start_.get();
    connect(s, &StartWindow::designRequested, this, &Desktop::AnalyseDesign);
    connect(s, &StartWindow::rangeRequested, this, &Desktop::AnalyseRange);
    connect(s, &StartWindow::newRequested, this, [this] { RunDocumentCommand(&Document::New); });
    connect(s, &StartWindow::openRequested, this,
            [this] { RunDocumentCommand(&Document::Open); });
    connect(s, &StartWindow::saveRequested, this,
            [this] { RunDocumentCommand(&Document::Save); });
    connect(s, &StartWindow::saveAsRequested, this,
            [this] { RunDocumentCommand(&Document::SaveAs); });
    connect(s, &StartWindow::exitRequested, this, &Desktop::Exit);
    connect(s, &StartWindow::printPreviewRequested, this,
            [this] { Use(features_.printPreview, WindowKind::Input); });
    connect(s, &StartWindow::printRequested, this,
            [this] { Use(features_.print, WindowKind::Input); });
    connect(s, &StartWindow::helpRequested, this, [this] { Use(features_.help); });
    connect(s, &StartWindow::aboutRequested, this, [this] { Use(features_.about); });
    connect(s, &StartWindow::irregularEditRequested, this, &Desktop::EditIrregular);
}

// The section is part of the project: saving it is a change of the document.
void Desktop::ConnectEditor() {
    connect(irregularWindow_.get(), &IrregularWindow::sectionSaved, this,
            [this] { form().dataChanged = true; });
}

void Desktop::ConnectResults() {
    OutputWindow* o = output_.get();
    connect(o, &OutputWindow::returnToDataTable, this, [this] { ReturnFromOutput(false); });
    connect(o, &OutputWindow::returnMenu, this, [this] { ReturnFromOutput(true); });
    connect(o, &OutputWindow::unitChosen, this, &Desktop::ChooseOutputUnit);
    connect(o, &OutputWindow::plotRequested, this, [this] { Use(features_.plotProfile); });
    connect(o, &OutputWindow::hy8Requested, this, [this] { Use(features_.hy8); });
    connect(o, &OutputWindow::printPreviewRequested, this,
            [this] { Use(features_.printPreview, WindowKind::Output); });
    connect(o, &OutputWindow::printRequested, this,
            [this] { Use(features_.print, WindowKind::Output); });
    connect(o, &OutputWindow::exitRequested, this, &Desktop::Exit);
    connect(o, &OutputWindow::helpRequested, this, [this] { Use(features_.help); });

    TableWindow* t = table_.get();
    connect(t, &TableWindow::detailRequested, this, &Desktop::ShowRow);
    connect(t, &TableWindow::ratingCurveRequested, this,
            [this](int kind, bool closeOpenFirst) {
                Use(features_.ratingCurve, kind, closeOpenFirst);
            });
    connect(t, &TableWindow::returnRequested, this, &Desktop::ReturnFromTable);
    connect(t, &TableWindow::unitChosen, this, &Desktop::ChooseTableUnit);
    connect(t, &TableWindow::printPreviewRequested, this,
            [this] { Use(features_.printPreview, WindowKind::Table); });
    connect(t, &TableWindow::printRequested, this,
            [this] { Use(features_.print, WindowKind::Table); });
    connect(t, &TableWindow::exitRequested, this, &Desktop::Exit);
    connect(t, &TableWindow::helpRequested, this, [this] { Use(features_.help); });
}

void Desktop::NotYetAvailable() { prompts_.Tell(kNotYetAvailable, "KELP", Icon::Information); }

// Notices first, then the box that ended the run and the field it names.
void Desktop::Report(const RunOutcome& outcome) {
    for (const Message& notice : outcome.notices)
        prompts_.Tell(notice.text, notice.title, IconOf(notice));
    if (outcome.message)
        prompts_.Tell(outcome.message->text, outcome.message->title, IconOf(*outcome.message));
    if (outcome.focus) prompts_.Focus(*outcome.focus);
}

void Desktop::EditIrregular() {
    {
        InputFormUnits units(model_, *units_);
        OpenIrregularEditor(form(), irregular_);
    }
    start_->Refresh();
    irregularWindow_->Refresh();
    ShowCentred(*irregularWindow_);
}

// The editor's rows follow the input form's unit switch, computed again from
// the section stored in feet.
void Desktop::ShowEditorUnits(float unitSystem) {
    irregular_.ShowUnits(!IsEnglish(unitSystem));
    irregularWindow_->Refresh();
}

// The runs report their own faults; anything else that escapes them is
// reported the same way, and the input form stays usable. A run analyses
// the input form in its own unit system, and its result window opens in it.
void Desktop::AnalyseDesign() {
    ResetUnitSystem();
    RunOutcome outcome;
    {
        BusyPointer busy(prompts_);
        try {
            outcome = RunDesign(form());
        } catch (const std::exception& error) {
            outcome = Failed({"Error:" + std::string(error.what()), "KELP", false});
        }
    }
    start_->Refresh();  // the run may have copied the barrel roughness
    Report(outcome);
    if (outcome.kind == RunOutcome::Kind::Analysed) ShowOutput();
}

void Desktop::AnalyseRange() {
    ResetUnitSystem();
    RunOutcome outcome;
    {
        BusyPointer busy(prompts_);
        try {
            outcome = RunRange(form(), ratingTable_);
        } catch (const std::exception&) {
            outcome = Failed({kRangeFailure, "KELP Monitor", true});
        }
    }
    start_->Refresh();
    Report(outcome);
    if (outcome.kind == RunOutcome::Kind::Analysed) ShowTable();
}

void Desktop::ShowRow(int row) {
    try {
        BusyPointer busy(prompts_);
        AnalyseRow(model_, ratingTable_, row);
    } catch (const std::exception&) {
        prompts_.Tell(kRangeFailure, "KELP Monitor", Icon::Exclamation);
        return;
    }
    ShowOutput();
}

// An open profile follows the result form to the analysis it shows.
// The result form opens in the middle of the screen, wherever its command was.
void Desktop::ShowOutput() {
    output_->Fill(BuildOutputTexts(model_, model_.UnitSystem));
    profile_->SetAnalysis(model_);
    ShowCentred(*output_);
}

void Desktop::ShowTable() {
    table_->Fill(BuildTableTexts(ratingTable_, model_, model_.UnitSystem));
    for (const auto& curve : curves_) curve->SetTable(model_, ratingTable_);
    ShowCentred(*table_);
}

void Desktop::PlotProfile() {
    profile_->SetAnalysis(model_);
    ShowBeside(*profile_, *output_);
}

void Desktop::OpenRatingCurve(int ratingCurveKind, bool closeOpenFirst) {
    if (closeOpenFirst) curves_.clear();
    // Windows the user closed are only hidden; they go now.
    std::erase_if(curves_, [](const auto& curve) { return !curve->isVisible(); });
    auto curve = std::make_unique<RatingCurveWindow>(ratingCurveKind);
    curve->SetTable(model_, ratingTable_);
    // Curves opened beside each other step down from the last one.
    ShowBeside(*curve, curves_.empty() ? static_cast<QWidget&>(*table_) : *curves_.back());
    curves_.push_back(std::move(curve));
}

std::vector<RatingCurveWindow*> Desktop::ratingCurves() const {
    std::vector<RatingCurveWindow*> open;
    for (const auto& curve : curves_)
        if (curve->isVisible()) open.push_back(curve.get());
    return open;
}

// A unit chosen on a result window shows in every picture open.
void Desktop::ShowPlotUnits() {
    profile_->SetUnitSystem(model_.UnitSystem);
    for (const auto& curve : curves_) curve->SetUnitSystem(model_.UnitSystem);
}

// A unit chosen on a result window lasts until it returns: the model takes
// the unit checked on the input form again.
void Desktop::ResetUnitSystem() { model_.UnitSystem = units_->CheckedUnitSystem(); }

void Desktop::ReturnFromOutput(bool viaMenu) {
    ResetUnitSystem();
    if (viaMenu || model_.RunMode != 1)
        ShowTable();
    else
        ShowCentred(*start_);
    output_->close();
}

void Desktop::ReturnFromTable() {
    ResetUnitSystem();
    ShowCentred(*start_);
    table_->close();
}

void Desktop::ChooseOutputUnit(bool metric) {
    model_.UnitSystem = UnitSystemCode(metric);
    output_->Fill(BuildOutputTexts(model_, model_.UnitSystem));
    ShowPlotUnits();
}

void Desktop::ChooseTableUnit(bool metric) {
    model_.UnitSystem = UnitSystemCode(metric);
    table_->Fill(BuildTableTexts(ratingTable_, model_, model_.UnitSystem));
    ShowPlotUnits();
}

void Desktop::Exit() {
    {
        InputFormUnits units(model_, *units_);
        if (!document_.Exit()) return;
    }
    output_->close();
    table_->close();
    irregularWindow_->close();
    profile_->close();
    curves_.clear();
    start_->CloseForGood();
    QCoreApplication::quit();
}

}  // namespace kelp
