// The desktop program's windows and the commands that pass between them:
// the input form (a document), the irregular cross-section editor, the two
// analysis runs, the result form and the rating table, with their return
// commands and unit menus, the profile and rating-curve windows, printing,
// help and about. Everything a command shows or asks goes through Prompts.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "form/irregular_editor.h"
#include "form/runs.h"
#include "form/unit_switch.h"
#include "model/model.h"
#include "project/document.h"
#include "ui/print/print_pages.h"
#include "ui/windows/features.h"

class QWidget;

namespace kelp {

class IrregularWindow;
class OutputWindow;
class ProfileWindow;
class RatingCurveWindow;
class StartWindow;
class TableWindow;

// Today's date as the date field shows it.
std::string TodayText();

class Desktop : public QObject {
public:
    Desktop(Model& model, Prompts& prompts, Features features = {},
            std::function<std::string()> today = TodayText);
    ~Desktop() override;

    // Start-up: the input form, centred, with its defaults.
    void ShowInputForm();
    // Reads a project into the form and makes it the document's file, as the
    // command line asks; false (after telling why) when it cannot be read.
    bool Load(const std::string& path);

    // The commands of the windows.
    // "Create/Edit Irregular Channel Data": the irregular tailwater is chosen
    // and the editor opens on the stored section.
    void EditIrregular();
    void AnalyseDesign();
    void AnalyseRange();
    void ShowRow(int row);
    // "Press to Return to Data Table" (viaMenu false) or "&Return".
    void ReturnFromOutput(bool viaMenu);
    void ReturnFromTable();
    void ChooseOutputUnit(bool metric);
    void ChooseTableUnit(bool metric);
    // "Press Button to Plot Profile": the profile of the analysis on show.
    void PlotProfile();
    // A rating curve of the table (RatingCurveKind 1, 2 or 3); the picture
    // button closes the curve windows open, the caption opens one beside them.
    void OpenRatingCurve(int ratingCurveKind, bool closeOpenFirst);
    void Exit();

    // What a window prints: its pages, read in the unit system it shows.
    PrintSource PrintSourceOf(WindowKind window) const;
    const Features& features() const { return features_; }

    StartWindow& start() { return *start_; }
    OutputWindow& output() { return *output_; }
    TableWindow& table() { return *table_; }
    IrregularWindow& irregularWindow() { return *irregularWindow_; }
    IrregularEditor& irregularEditor() { return irregular_; }
    Model& model() { return model_; }
    Document& document() { return document_; }
    InputForm& form() { return document_.form(); }
    UnitSwitch& units() { return *units_; }
    RatingTable& ratingTable() { return ratingTable_; }
    ProfileWindow& profile() { return *profile_; }
    // The rating-curve windows open, oldest first.
    std::vector<RatingCurveWindow*> ratingCurves() const;

private:
    // Our own command for every feature the caller left empty.
    void CompleteFeatures();
    QWidget& Window(WindowKind window);
    void ShowPlotUnits();
    void Connect();
    void ConnectStart();
    void ConnectResults();
    void ConnectEditor();
    // After a document command: the form may be a new one, and the file
    // another one (`otherFile`), whose section an open editor then shows.
    void ShowDocument(bool newForm, bool otherFile = false);
    // A document command of the input form, which may replace the form or
    // read another file.
    template <typename Result>
    void RunDocumentCommand(Result (Document::*command)());
    void ShowEditorUnits(float unitSystem);
    void Report(const RunOutcome& outcome);
    void ShowOutput();
    void ShowTable();
    void ResetUnitSystem();
    void NotYetAvailable();
    // Runs a feature, or tells that it is not available yet.
    template <typename F, typename... Args>
    void Use(const F& feature, Args... args) {
        if (feature)
            feature(args...);
        else
            NotYetAvailable();
    }

    Model& model_;
    Prompts& prompts_;
    Features features_;
    Document document_;
    std::unique_ptr<UnitSwitch> units_;
    RatingTable ratingTable_;
    IrregularEditor irregular_;
    std::unique_ptr<StartWindow> start_;
    std::unique_ptr<OutputWindow> output_;
    std::unique_ptr<TableWindow> table_;
    std::unique_ptr<IrregularWindow> irregularWindow_;
    std::unique_ptr<ProfileWindow> profile_;
    std::vector<std::unique_ptr<RatingCurveWindow>> curves_;
};

}  // namespace kelp
