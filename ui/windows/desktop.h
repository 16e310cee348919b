// The desktop program's windows wired to one session: the input form, the
// irregular cross-section editor, the result form and the rating table, the
// profile and rating-curve windows, printing, help and about. The session
// decides what each command does; the desktop shows and closes the windows
// it leads to. Everything a command shows or asks goes through Prompts.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/model.h"
#include "session/session.h"
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
    PrintSource PrintSourceOf(WindowKind window);
    const Features& features() const { return features_; }

    Session& session() { return session_; }
    StartWindow& start() { return *start_; }
    OutputWindow& output() { return *output_; }
    TableWindow& table() { return *table_; }
    IrregularWindow& irregularWindow() { return *irregularWindow_; }
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
    // The input form shows the document after a command: its form, its file,
    // and an open editor the section of another file.
    void ShowDocument(const DocumentChange& change);
    void RunDocumentCommand(DocumentChange (Session::*command)());
    void ShowOutput();
    void ShowTable();
    void NotYetAvailable();
    // Runs a feature, or tells that it is not available yet.
    template <typename F, typename... Args>
    void Use(const F& feature, Args... args) {
        if (feature)
            feature(args...);
        else
            NotYetAvailable();
    }

    Prompts& prompts_;
    Features features_;
    Session session_;
    std::unique_ptr<StartWindow> start_;
    std::unique_ptr<OutputWindow> output_;
    std::unique_ptr<TableWindow> table_;
    std::unique_ptr<IrregularWindow> irregularWindow_;
    std::unique_ptr<ProfileWindow> profile_;
    std::vector<std::unique_ptr<RatingCurveWindow>> curves_;
};

}  // namespace kelp
