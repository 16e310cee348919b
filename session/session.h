// One working session of the program, without any window: the document (the
// input form and its file), the input form's unit menu, the rating table of
// the last range run and the irregular cross-section editor, and the rules
// that tie the commands together: the unit system each command works in,
// how a run's outcome is told, where a result window's return leads. The
// desktop program's windows and kelp-cli drive the same session.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "form/irregular_editor.h"
#include "form/prompts.h"
#include "form/rating_table.h"
#include "form/runs.h"
#include "form/today.h"
#include "form/unit_switch.h"
#include "model/model.h"
#include "project/document.h"
#include "results/output_texts.h"
#include "results/table_texts.h"

namespace kelp {

// The windows that show a session: the input form, the result form and the
// rating table.
enum class WindowKind { Input, Output, Table };

// What a document command changed, for the views to follow.
struct DocumentChange {
    bool newForm = false;    // the form is a fresh one
    bool otherFile = false;  // the document stands for another file
};

class Session {
public:
    // `today` gives the date text a fresh form puts into its date field.
    Session(Model& model, Prompts& prompts, std::function<std::string()> today = TodayText);

    Model& model() { return model_; }
    const Model& model() const { return model_; }
    Document& document() { return document_; }
    // The form is replaced by New: a view takes it from here after every
    // document command rather than keeping it.
    InputForm& form() { return document_.form(); }
    const InputForm& form() const { return document_.form(); }
    // The input form's unit menu; replaced with the form.
    UnitSwitch& units() { return *units_; }
    RatingTable& ratingTable() { return ratingTable_; }
    const RatingTable& ratingTable() const { return ratingTable_; }
    IrregularEditor& irregularEditor() { return irregular_; }

    // The File menu's commands, in the input form's unit system.
    DocumentChange New();
    DocumentChange Open();
    DocumentChange Save();
    DocumentChange SaveAs();
    // Reads the project at `path` (named outside the File menu) as the
    // document's file; false, after telling why, when it cannot be read.
    bool Load(const std::string& path);
    // Exit's save prompt: true when the program may end.
    bool Exit();

    // "Create/Edit Irregular Channel Data": the irregular tailwater is chosen
    // and the editor is filled from the stored section.
    void EditIrregular();
    // A section the editor wrote belongs to the project: the document changed.
    void SectionSaved();
    // Called after a unit switch of the input form rewrote the editor's boxes.
    std::function<void()> editorRewritten;

    // The two analysis commands read the input form in its own unit system,
    // which the result windows then show; a fault the runs do not describe
    // themselves ends the run as the runs end their own. The outcome is
    // returned untold: Tell shows it.
    RunOutcome AnalyseDesign();
    RunOutcome AnalyseRange();
    // Everything a report prints: the rating table first, then the design
    // discharge, so the table keeps its rows and the model holds the design
    // discharge's results. Stops at the first run that does not analyse; the
    // notices of both runs come in their order.
    RunOutcome AnalyseForReport();
    // Notices first, then the box that ended the run and the field it names.
    void Tell(const RunOutcome& outcome);
    // A row's detail command: analyses the row's discharge again; false,
    // after the range run's failure message, when that met a fault.
    bool AnalyseRow(int row);

    // The unit menus of the result windows: the unit lasts until they return.
    void ChooseResultUnit(bool metric);
    // "Press to Return to Data Table" (viaMenu false) or the result form's
    // "&Return": the window it leads to.
    WindowKind ReturnFromOutput(bool viaMenu);
    void ReturnFromTable();

    // The unit system a window shows and prints: the one checked on the
    // input form, or the one the result windows show.
    float UnitSystemOf(WindowKind window) const;
    // What the result form and the rating table show, in the result windows'
    // unit system.
    OutputTexts ResultTexts() const;
    TableTexts RatingTableTexts() const;

private:
    // The result windows' unit gives way to the input form's.
    void ResetUnitSystem();
    template <typename Result>
    DocumentChange RunDocumentCommand(Result (Document::*command)());
    // After a document command: a fresh form gets a fresh unit menu, and the
    // editor shows the section of the form's file.
    void Follow(const DocumentChange& change);
    void NewUnitSwitch();
    template <typename Run>
    RunOutcome Analyse(Run run, Message (*failure)(const std::exception&));

    Model& model_;
    Prompts& prompts_;
    Document document_;
    std::unique_ptr<UnitSwitch> units_;
    RatingTable ratingTable_;
    IrregularEditor irregular_;
};

}  // namespace kelp
