// kelp-cli: analyses a project file as the desktop program's two analysis
// commands do, and prints the answer for a person or as JSON, writes the
// printed pages as a PDF or draws the profile and rating curves as PNGs.
//
// Exit status: 0 analysed, 1 the file cannot be read, 2 the input is refused,
// 3 a fault during the analysis, 4 an output file cannot be written, 64 a
// usage error.
// Messages go to standard error; Qt's own only with --verbose.

#include <CLI/CLI.hpp>
#include <QGuiApplication>

#include <exception>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "cli/error_prompts.h"
#include "cli/json_report.h"
#include "cli/qt_messages.h"
#include "cli/text_report.h"
#include "form/today.h"
#include "project/project_file.h"
#include "results/hy8_files.h"
#include "session/session.h"
#include "ui/plots/profile_plot.h"
#include "ui/plots/rating_curve.h"
#include "ui/print/output_files.h"
#include "ui/print/print_pages.h"

namespace {

constexpr int kExitReadError = 1;
constexpr int kExitRefused = 2;
constexpr int kExitFault = 3;
constexpr int kExitWriteError = 4;
constexpr int kExitUsage = 64;
constexpr const char* kUsage =
    "usage: kelp-cli design|range FILE.klp [--json] [--metric]\n"
    "       kelp-cli hy8 FILE.klp --name NAME --dir DIR\n"
    "       kelp-cli report FILE.klp --pdf OUT.pdf [--metric] [--verbose]\n"
    "       kelp-cli plot FILE.klp [--profile OUT.png] [--rating hw|depth|velocity OUT.png]"
    " [--metric] [--verbose]\n"
    "       kelp-cli --version";

// The curves of the rating table by the word that names them.
struct CurveName {
    const char* name;
    int kind;  // RatingCurveKind
};
constexpr CurveName kCurveNames[] = {{"hw", 1}, {"depth", 2}, {"velocity", 3}};

constexpr QSize kPictureSize{1200, 800};

struct Options {
    std::string command;
    std::string path;
    bool json = false;
    bool metric = false;
    bool verbose = false;  // Qt's diagnostics too
    std::string hy8Name;
    std::string hy8Dir;
    std::string pdf;
    std::string profilePng;
    std::vector<std::string> rating;  // curve name, PNG path
    int curve = 0;                    // RatingCurveKind of `rating`
    kelp::CalendarDate today;         // the date every dated output shows
};

// The date every dated output shows; a SOURCE_DATE_EPOCH that is not a
// number of seconds is a usage error.
kelp::CalendarDate Today() {
    try {
        return kelp::ReproducibleDate();
    } catch (const std::invalid_argument& error) {
        throw CLI::ValidationError("SOURCE_DATE_EPOCH", error.what());
    }
}

// Tells the outcome of a run on standard error; its exit status.
int Told(kelp::Session& session, const kelp::RunOutcome& outcome) {
    session.Tell(outcome);
    switch (outcome.kind) {
        case kelp::RunOutcome::Kind::Analysed: return 0;
        case kelp::RunOutcome::Kind::Refused: return kExitRefused;
        case kelp::RunOutcome::Kind::Fault: break;
    }
    return kExitFault;
}

int Design(kelp::Session& session, const Options& options) {
    kelp::RunOutcome outcome = session.AnalyseDesign();
    if (int status = Told(session, outcome)) return status;
    session.ChooseResultUnit(options.metric);
    if (options.json)
        std::cout << kelp::cli::DesignJson(session.model(), outcome.control).dump(1) << '\n';
    else
        kelp::cli::PrintDesignReport(std::cout, session.ResultTexts());
    return 0;
}

int Range(kelp::Session& session, const Options& options) {
    if (int status = Told(session, session.AnalyseRange())) return status;
    session.ChooseResultUnit(options.metric);
    if (options.json)
        std::cout << kelp::cli::RangeJson(session.ratingTable()).dump(1) << '\n';
    else
        kelp::cli::PrintRangeReport(std::cout, session.RatingTableTexts());
    return 0;
}

// Hands the design discharge to HY-8: the culvert input and performance files,
// written into DIR without starting anything.
int Hy8(kelp::Session& session, const Options& options) {
    if (int status = Told(session, session.AnalyseDesign())) return status;
    try {
        kelp::WriteHy8Files(session.model(), options.hy8Name, options.hy8Dir,
                            kelp::Hy8DateText(options.today));
    } catch (const kelp::Hy8Fault& fault) {
        std::cerr << fault.Text("writing the HY-8 files") << '\n';
        return kExitWriteError;
    }
    return 0;
}

// Writes an output file; a fault while drawing is reported as the runs
// report theirs.
template <typename Write>
int Written(Write write) {
    try {
        write();
    } catch (const kelp::RuntimeFault& fault) {
        std::cerr << kelp::FaultText(fault.what()) << '\n';
        return kExitFault;
    } catch (const std::runtime_error& error) {
        std::cerr << error.what() << '\n';
        return kExitWriteError;
    }
    return 0;
}

int Report(kelp::Session& session, const Options& options) {
    if (int status = Told(session, session.AnalyseForReport())) return status;
    session.ChooseResultUnit(options.metric);
    kelp::PrintSource source{session.model(), &session.form(), &session.ratingTable(),
                             session.UnitSystemOf(kelp::WindowKind::Output),
                             kelp::IsoDateText(options.today)};
    return Written([&] { kelp::WritePdf(options.pdf, source, kelp::kReportPages); });
}

int WritePicture(const std::string& path, const kelp::Picture& draw) {
    return Written([&] { kelp::WritePng(path, kPictureSize, draw); });
}

int Plot(kelp::Session& session, const Options& options) {
    const kelp::Model& model = session.model();
    if (options.curve) {
        if (int status = Told(session, session.AnalyseRange())) return status;
        int status = WritePicture(options.rating[1], [&](QPainter& p, const QRectF& area) {
            kelp::DrawRatingCurve(p, area, model, session.ratingTable(), options.curve,
                                  options.metric);
        });
        if (status) return status;
    }
    if (options.profilePng.empty()) return 0;
    if (int status = Told(session, session.AnalyseDesign())) return status;
    return WritePicture(options.profilePng, [&](QPainter& p, const QRectF& area) {
        kelp::DrawProfile(p, area, model, options.metric);
    });
}

// Drawing needs the fonts of a QGuiApplication, never a display: without one
// Qt's offscreen platform is chosen.
int Draw(kelp::Session& session, const Options& options) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!options.verbose) kelp::cli::SilenceQtMessages();
    int argc = 1;
    char name[] = "kelp-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication gui(argc, argv);
    return options.command == "report" ? Report(session, options) : Plot(session, options);
}

// The commands that analyse a project, by the word that names them.
struct Command {
    const char* name;
    int (*run)(kelp::Session& session, const Options& options);
};
constexpr Command kCommands[] = {
    {"design", Design}, {"range", Range}, {"hy8", Hy8}, {"report", Draw}, {"plot", Draw}};

// The project is read as the desktop program's File menu reads it, into the
// input form of a session of its own.
int Analyse(const Options& options) {
    kelp::Model model;
    kelp::cli::ErrorPrompts prompts(std::cerr);
    kelp::Session session(model, prompts, [&] { return kelp::IsoDateText(options.today); });
    try {
        kelp::ReadProjectFile(options.path, session.form());
    } catch (const kelp::ProjectReadError& error) {
        std::cerr << error.what() << '\n';
        return kExitReadError;
    }
    for (const Command& command : kCommands)
        if (options.command == command.name) return command.run(session, options);
    return kExitUsage;
}

// A command of the line: every one analyses the project file it is given.
CLI::App* AddCommand(CLI::App& app, const char* name, const char* description,
                     Options& options) {
    CLI::App* command = app.add_subcommand(name, description);
    command->add_option("file", options.path, "Project file (.klp)")->required();
    return command;
}

void AddDrawCommands(CLI::App& app, Options& options) {
    CLI::App* report =
        AddCommand(app, "report", "Write the printed pages of the design and range runs", options);
    report->add_option("--pdf", options.pdf, "PDF file to write")->required();
    report->add_flag("--metric", options.metric, "Show the results in metric units");
    CLI::App* plot =
        AddCommand(app, "plot", "Draw the profile or a rating curve as a PNG", options);
    plot->add_option("--profile", options.profilePng, "PNG file of the water-surface profile");
    plot->add_option("--rating", options.rating, "Rating curve hw, depth or velocity, and its PNG")
        ->expected(2);
    plot->add_flag("--metric", options.metric, "Show the pictures in metric units");
    for (CLI::App* draw : {report, plot})
        draw->add_flag("--verbose", options.verbose, "Show Qt's diagnostics on standard error");
}

// A plot names at least one picture, and a rating curve by one of its words.
void CheckDrawOptions(Options& options) {
    if (options.command != "plot") return;
    if (options.profilePng.empty() && options.rating.empty())
        throw CLI::ValidationError("plot", "--profile or --rating is required");
    if (options.rating.empty()) return;
    for (const CurveName& c : kCurveNames)
        if (options.rating[0] == c.name) options.curve = c.kind;
    if (!options.curve)
        throw CLI::ValidationError("--rating", "the curve is hw, depth or velocity");
}

// Parses the command line; returns the exit status when there is nothing to analyse.
std::optional<int> Parse(int argc, char** argv, Options& options) {
    CLI::App app{"Hydraulic analysis of broken-back culverts", "kelp-cli"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("kelp-cli ") + KELP_VERSION);
    const std::pair<const char*, const char*> commands[] = {
        {"design", "Analyse the design discharge"},
        {"range", "Analyse the range of discharges (rating table)"}};
    for (const auto& [name, description] : commands) {
        CLI::App* sub = AddCommand(app, name, description, options);
        sub->add_flag("--json", options.json, "Print one JSON object in English units");
        sub->add_flag("--metric", options.metric, "Show the report in metric units");
    }
    CLI::App* hy8 = AddCommand(app, "hy8", "Write the HY-8 input and performance files", options);
    hy8->add_option("--name", options.hy8Name, "Base name of the two files")->required();
    hy8->add_option("--dir", options.hy8Dir, "Folder to write them into")->required();
    AddDrawCommands(app, options);
    try {
        app.parse(argc, argv);
        options.command = app.get_subcommands().front()->get_name();
        CheckDrawOptions(options);
        options.today = Today();
    } catch (const CLI::Success& done) {
        return app.exit(done);
    } catch (const CLI::ParseError& error) {
        std::cerr << error.what() << '\n' << kUsage << '\n';
        return kExitUsage;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        Options options;
        if (auto status = Parse(argc, argv, options)) return *status;
        return Analyse(options);
    } catch (const std::exception& error) {
        std::cerr << "Unexpected error: " << error.what() << '\n';
    } catch (...) {
        std::cerr << "Unexpected error\n";
    }
    return kExitFault;
}
