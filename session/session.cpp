#include "session/session.h"

#include <exception>
#include <type_traits>

#include "model/codes.h"
#include "session/busy_pointer.h"

namespace kelp {
namespace {

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

Icon IconOf(const Message& message) {
    return message.exclamation ? Icon::Exclamation : Icon::None;
}

Message DesignFailure(const std::exception& error) {
    return {FaultText(error.what()), kProgramName, false};
}

Message RangeRunFailure(const std::exception&) { return RangeFailure(); }

}  // namespace

Session::Session(Model& model, Prompts& prompts, std::function<std::string()> today)
    : model_(model), prompts_(prompts), document_(model, prompts, std::move(today)),
      irregular_(model) {
    NewUnitSwitch();
}

// A fresh form opens in English units with English checked.
void Session::NewUnitSwitch() {
    units_ = std::make_unique<UnitSwitch>(form());
    // The editor's rows follow the input form's unit switch, computed again
    // from the section stored in feet.
    units_->rewriteEditorBoxes = [this](float unitSystem) {
        irregular_.ShowUnits(!IsEnglish(unitSystem));
        if (editorRewritten) editorRewritten();
    };
}

void Session::Follow(const DocumentChange& change) {
    if (change.newForm) NewUnitSwitch();
    if (change.newForm || change.otherFile) {
        InputFormUnits units(model_, *units_);
        irregular_.Load();
    }
}

// New tells whether it put a fresh form in place; the other commands keep
// the form.
template <typename Result>
DocumentChange Session::RunDocumentCommand(Result (Document::*command)()) {
    const std::string file = document_.ProjectFileName();
    DocumentChange change;
    {
        InputFormUnits units(model_, *units_);
        if constexpr (std::is_same_v<Result, bool>)
            change.newForm = (document_.*command)();
        else
            (document_.*command)();
    }
    change.otherFile = file != document_.ProjectFileName();
    Follow(change);
    return change;
}

DocumentChange Session::New() { return RunDocumentCommand(&Document::New); }
DocumentChange Session::Open() { return RunDocumentCommand(&Document::Open); }
DocumentChange Session::Save() { return RunDocumentCommand(&Document::Save); }
DocumentChange Session::SaveAs() { return RunDocumentCommand(&Document::SaveAs); }

bool Session::Load(const std::string& path) {
    bool read = false;
    {
        InputFormUnits units(model_, *units_);
        read = document_.OpenPath(path);
    }
    Follow({false, read});
    return read;
}

bool Session::Exit() {
    InputFormUnits units(model_, *units_);
    return document_.Exit();
}

void Session::EditIrregular() {
    InputFormUnits units(model_, *units_);
    OpenIrregularEditor(form(), irregular_);
}

void Session::SectionSaved() { form().dataChanged = true; }

void Session::ResetUnitSystem() { model_.UnitSystem = units_->CheckedUnitSystem(); }

// The runs report their own faults; anything else that escapes them (memory,
// a library error) ends the run the same way, and the input form stays usable.
template <typename Run>
RunOutcome Session::Analyse(Run run, Message (*failure)(const std::exception&)) {
    ResetUnitSystem();
    BusyPointer busy(prompts_);
    try {
        return run();
    } catch (const std::exception& error) {
        RunOutcome out;
        out.kind = RunOutcome::Kind::Fault;
        out.message = failure(error);
        return out;
    }
}

RunOutcome Session::AnalyseDesign() {
    return Analyse([this] { return RunDesign(form()); }, DesignFailure);
}

RunOutcome Session::AnalyseRange() {
    return Analyse([this] { return RunRange(form(), ratingTable_); }, RangeRunFailure);
}

RunOutcome Session::AnalyseForReport() {
    RunOutcome range = AnalyseRange();
    if (range.kind != RunOutcome::Kind::Analysed) return range;
    RunOutcome design = AnalyseDesign();
    design.notices.insert(design.notices.begin(), range.notices.begin(), range.notices.end());
    return design;
}

void Session::Tell(const RunOutcome& outcome) {
    for (const Message& notice : outcome.notices)
        prompts_.Tell(notice.text, notice.title, IconOf(notice));
    if (outcome.message)
        prompts_.Tell(outcome.message->text, outcome.message->title, IconOf(*outcome.message));
    if (outcome.focus) prompts_.Focus(*outcome.focus);
}

bool Session::AnalyseRow(int row) {
    try {
        BusyPointer busy(prompts_);
        kelp::AnalyseRow(model_, ratingTable_, row);
    } catch (const std::exception&) {
        Message failure = RangeFailure();
        prompts_.Tell(failure.text, failure.title, IconOf(failure));
        return false;
    }
    return true;
}

void Session::ChooseResultUnit(bool metric) { model_.UnitSystem = UnitSystemCode(metric); }

// The result form leads back to where its analysis came from: the input form
// after the design run, the table after a row's detail. Its "&Return" always
// leads to the table.
WindowKind Session::ReturnFromOutput(bool viaMenu) {
    ResetUnitSystem();
    return viaMenu || model_.RunMode != 1 ? WindowKind::Table : WindowKind::Input;
}

void Session::ReturnFromTable() { ResetUnitSystem(); }

// The input form's page shows its fields in the unit checked on it; the
// result windows print what they show.
float Session::UnitSystemOf(WindowKind window) const {
    return window == WindowKind::Input ? units_->CheckedUnitSystem() : model_.UnitSystem;
}

OutputTexts Session::ResultTexts() const { return BuildOutputTexts(model_, model_.UnitSystem); }

TableTexts Session::RatingTableTexts() const {
    return BuildTableTexts(ratingTable_, model_, model_.UnitSystem);
}

}  // namespace kelp
