// kelp-cli: analyses a project file as the desktop program's two analysis
// commands do, and prints the answer for a person or as JSON.
//
// Exit status: 0 analysed, 1 the file cannot be read, 2 the input is refused,
// 3 a run-time fault, 64 a usage error. Messages go to standard error.

#include <CLI/CLI.hpp>

#include <ctime>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <utility>

#include "cli/json_report.h"
#include "cli/text_report.h"
#include "project/project_file.h"
#include "ui/input/runs.h"
#include "ui/results/hy8_files.h"

namespace {

constexpr int kExitReadError = 1;
constexpr int kExitRefused = 2;
constexpr int kExitFault = 3;
constexpr int kExitUsage = 64;
constexpr const char* kUsage =
    "usage: kelp-cli design|range FILE.klp [--json] [--metric]\n"
    "       kelp-cli hy8 FILE.klp --name NAME --dir DIR";

struct Options {
    std::string command;
    std::string path;
    bool json = false;
    bool metric = false;
    std::string hy8Name;
    std::string hy8Dir;
};

// The form puts today's date into its date field when a project is opened.
std::string Today() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

// Notices first; then the message that ended the run, if any, and its status.
int ReportOutcome(const kelp::RunOutcome& outcome) {
    for (const kelp::Message& notice : outcome.notices) std::cerr << notice.text << '\n';
    if (outcome.kind == kelp::RunOutcome::Kind::Analysed) return 0;
    if (outcome.message) std::cerr << outcome.message->text << '\n';
    return outcome.kind == kelp::RunOutcome::Kind::Refused ? kExitRefused : kExitFault;
}

int Design(kelp::InputForm& form, const Options& options) {
    kelp::RunOutcome outcome = kelp::RunDesign(form);
    if (int status = ReportOutcome(outcome)) return status;
    const kelp::Model& model = form.model();
    if (options.json)
        std::cout << kelp::cli::DesignJson(model, outcome.control).dump(1) << '\n';
    else
        kelp::cli::PrintDesignReport(std::cout,
                                     kelp::BuildOutputTexts(model, options.metric ? 2.0f : 1.0f));
    return 0;
}

int Range(kelp::InputForm& form, const Options& options) {
    kelp::RatingTable table;
    if (int status = ReportOutcome(kelp::RunRange(form, table))) return status;
    if (options.json)
        std::cout << kelp::cli::RangeJson(table).dump(1) << '\n';
    else
        kelp::cli::PrintRangeReport(
            std::cout, kelp::BuildTableTexts(table, form.model(), options.metric ? 2.0f : 1.0f));
    return 0;
}

// Hands the design discharge to HY-8: the culvert input and performance files,
// written into DIR without starting anything.
int Hy8(kelp::InputForm& form, const Options& options) {
    if (int status = ReportOutcome(kelp::RunDesign(form))) return status;
    try {
        kelp::WriteHy8Files(form.model(), options.hy8Name, options.hy8Dir,
                            kelp::Hy8DateText(kelp::LocalDate()));
    } catch (const kelp::Hy8Fault& fault) {
        std::cerr << "Error " << fault.number() << ": " << fault.what()
                  << " occurred while writing the HY-8 files\n";
        return kExitFault;
    }
    return 0;
}

int Analyse(const Options& options) {
    kelp::Model model;
    kelp::InputForm form(model, Today());
    try {
        kelp::ReadProjectFile(options.path, form);
    } catch (const kelp::ProjectReadError& error) {
        std::cerr << error.what() << '\n';
        return kExitReadError;
    }
    if (options.command == "hy8") return Hy8(form, options);
    return options.command == "design" ? Design(form, options) : Range(form, options);
}

// Parses the command line; returns the exit status when there is nothing to analyse.
std::optional<int> Parse(int argc, char** argv, Options& options) {
    CLI::App app{"Hydraulic analysis of broken-back culverts", "kelp-cli"};
    app.require_subcommand(1);
    const std::pair<const char*, const char*> commands[] = {
        {"design", "Analyse the design discharge"},
        {"range", "Analyse the range of discharges (rating table)"}};
    for (const auto& [name, description] : commands) {
        CLI::App* sub = app.add_subcommand(name, description);
        sub->add_option("file", options.path, "Project file (.klp)")->required();
        sub->add_flag("--json", options.json, "Print one JSON object in English units");
        sub->add_flag("--metric", options.metric, "Show the report in metric units");
    }
    CLI::App* hy8 = app.add_subcommand("hy8", "Write the HY-8 input and performance files");
    hy8->add_option("file", options.path, "Project file (.klp)")->required();
    hy8->add_option("--name", options.hy8Name, "Base name of the two files")->required();
    hy8->add_option("--dir", options.hy8Dir, "Folder to write them into")->required();
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& done) {
        return app.exit(done);
    } catch (const CLI::ParseError& error) {
        std::cerr << error.what() << '\n' << kUsage << '\n';
        return kExitUsage;
    }
    options.command = app.get_subcommands().front()->get_name();
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
