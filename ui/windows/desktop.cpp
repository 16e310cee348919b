#include "ui/windows/desktop.h"

#include <QApplication>
#include <array>
#include <span>

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

// The pages each window prints, by WindowKind.
constexpr std::array<std::span<const PageKind>, 3> kWindowPages{
    std::span<const PageKind>(kInputPages), std::span<const PageKind>(kResultPages),
    std::span<const PageKind>(kTablePages)};

std::size_t IndexOf(WindowKind window) { return static_cast<std::size_t>(window); }

}  // namespace

Desktop::Desktop(Model& model, Prompts& prompts, Features features,
                 std::function<std::string()> today)
    : prompts_(prompts),
      features_(std::move(features)),
      session_(model, prompts, std::move(today)),
      start_(std::make_unique<StartWindow>()),
      output_(std::make_unique<OutputWindow>()),
      table_(std::make_unique<TableWindow>()),
      irregularWindow_(std::make_unique<IrregularWindow>(session_.irregularEditor(), prompts)),
      profile_(std::make_unique<ProfileWindow>()) {
    session_.editorRewritten = [this] { irregularWindow_->Refresh(); };
    CompleteFeatures();
    Connect();
    ShowDocument({true, false});
}

Desktop::~Desktop() = default;

void Desktop::ShowInputForm() { ShowCentred(*start_); }

bool Desktop::Load(const std::string& path) {
    bool read = session_.Load(path);
    ShowDocument({false, read});
    return read;
}

void Desktop::ShowDocument(const DocumentChange& change) {
    start_->Bind(session_.form(), session_.units());
    start_->setWindowTitle(QString::fromStdString(session_.document().WindowTitle()));
    if ((change.newForm || change.otherFile) && irregularWindow_->isVisible())
        irregularWindow_->Refresh();
}

void Desktop::RunDocumentCommand(DocumentChange (Session::*command)()) {
    ShowDocument((session_.*command)());
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

PrintSource Desktop::PrintSourceOf(WindowKind window) {
    return PrintSource{session_.model(), &session_.form(), &session_.ratingTable(),
                       session_.UnitSystemOf(window), {}};
}

void Desktop::Connect() {
    ConnectStart();
    ConnectResults();
    connect(irregularWindow_.get(), &IrregularWindow::sectionSaved, this,
            [this] { session_.SectionSaved(); });
}

void Desktop::ConnectStart() {
    StartWindow* s = start_.get();
    connect(s, &StartWindow::designRequested, this, &Desktop::AnalyseDesign);
    connect(s, &StartWindow::rangeRequested, this, &Desktop::AnalyseRange);
    connect(s, &StartWindow::newRequested, this, [this] { RunDocumentCommand(&Session::New); });
    connect(s, &StartWindow::openRequested, this, [this] { RunDocumentCommand(&Session::Open); });
    connect(s, &StartWindow::saveRequested, this, [this] { RunDocumentCommand(&Session::Save); });
    connect(s, &StartWindow::saveAsRequested, this,
            [this] { RunDocumentCommand(&Session::SaveAs); });
    connect(s, &StartWindow::exitRequested, this, &Desktop::Exit);
    connect(s, &StartWindow::printPreviewRequested, this,
            [this] { Use(features_.printPreview, WindowKind::Input); });
    connect(s, &StartWindow::printRequested, this,
            [this] { Use(features_.print, WindowKind::Input); });
    connect(s, &StartWindow::helpRequested, this, [this] { Use(features_.help); });
    connect(s, &StartWindow::aboutRequested, this, [this] { Use(features_.about); });
    connect(s, &StartWindow::irregularEditRequested, this, &Desktop::EditIrregular);
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

void Desktop::NotYetAvailable() {
    prompts_.Tell(kNotYetAvailable, kProgramName, Icon::Information);
}

void Desktop::EditIrregular() {
    session_.EditIrregular();
    start_->Refresh();
    irregularWindow_->Refresh();
    ShowCentred(*irregularWindow_);
}

// A run may have copied the barrel roughness into the outlet section: the
// input form shows that before the outcome is told.
void Desktop::AnalyseDesign() {
    RunOutcome outcome = session_.AnalyseDesign();
    start_->Refresh();
    session_.Tell(outcome);
    if (outcome.kind == RunOutcome::Kind::Analysed) ShowOutput();
}

void Desktop::AnalyseRange() {
    RunOutcome outcome = session_.AnalyseRange();
    start_->Refresh();
    session_.Tell(outcome);
    if (outcome.kind == RunOutcome::Kind::Analysed) ShowTable();
}

void Desktop::ShowRow(int row) {
    if (session_.AnalyseRow(row)) ShowOutput();
}

// An open profile follows the result form to the analysis it shows.
// The result form opens in the middle of the screen, wherever its command was.
void Desktop::ShowOutput() {
    output_->Fill(session_.ResultTexts());
    profile_->SetAnalysis(session_.model());
    ShowCentred(*output_);
}

void Desktop::ShowTable() {
    table_->Fill(session_.RatingTableTexts());
    for (const auto& curve : curves_) curve->SetTable(session_.model(), session_.ratingTable());
    ShowCentred(*table_);
}

void Desktop::PlotProfile() {
    profile_->SetAnalysis(session_.model());
    ShowBeside(*profile_, *output_);
}

void Desktop::OpenRatingCurve(int ratingCurveKind, bool closeOpenFirst) {
    if (closeOpenFirst) curves_.clear();
    // Windows the user closed are only hidden; they go now.
    std::erase_if(curves_, [](const auto& curve) { return !curve->isVisible(); });
    auto curve = std::make_unique<RatingCurveWindow>(ratingCurveKind);
    curve->SetTable(session_.model(), session_.ratingTable());
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
    float unitSystem = session_.UnitSystemOf(WindowKind::Output);
    profile_->SetUnitSystem(unitSystem);
    for (const auto& curve : curves_) curve->SetUnitSystem(unitSystem);
}

void Desktop::ReturnFromOutput(bool viaMenu) {
    if (session_.ReturnFromOutput(viaMenu) == WindowKind::Table)
        ShowTable();
    else
        ShowCentred(*start_);
    output_->close();
}

void Desktop::ReturnFromTable() {
    session_.ReturnFromTable();
    ShowCentred(*start_);
    table_->close();
}

void Desktop::ChooseOutputUnit(bool metric) {
    session_.ChooseResultUnit(metric);
    output_->Fill(session_.ResultTexts());
    ShowPlotUnits();
}

void Desktop::ChooseTableUnit(bool metric) {
    session_.ChooseResultUnit(metric);
    table_->Fill(session_.RatingTableTexts());
    ShowPlotUnits();
}

void Desktop::Exit() {
    if (!session_.Exit()) return;
    output_->close();
    table_->close();
    irregularWindow_->close();
    profile_->close();
    curves_.clear();
    start_->CloseForGood();
    QCoreApplication::quit();
}

}  // namespace kelp
