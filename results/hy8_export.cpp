#include "results/hy8_export.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

namespace kelp {
namespace {

namespace fs = std::filesystem;

const std::vector<FileFilter> kProgramFilters{{"All Files (*.*)", "*.*"},
                                              {"EXE Files(*.exe)", "*.exe"},
                                              {"Data Files(*.dat)", "*.dat"}};
// A program has the ending .exe on Windows only; elsewhere the dialog starts
// on every file, so that HY-8 shows at all.
#ifdef _WIN32
constexpr int kProgramInitial = 2;
#else
constexpr int kProgramInitial = 1;
#endif
constexpr const char* kAskForPath = "Please provide path of HY-8";
constexpr const char* kNamePrompt =
    "Please enter the filename to be used in HY8\nOr,click on OK to use KELP in HY8";
// The name offered is the program's own.
constexpr const char* kDefaultName = kProgramName;

// HY-8 keeps its configuration and its data in the folder HY8 beside the
// folder that holds the program (on Windows, HY8 at the root of its drive).
struct Hy8Place {
    fs::path folder;
    fs::path config;
};

Hy8Place PlaceOf(const std::string& program) {
    fs::path folder = fs::path(program).parent_path().parent_path() / "HY8";
    return {folder, folder / "HY8.CNF"};
}

// The second character of the configuration's second line names the drive
// that holds HY-8's data.
char DataDriveLetter(const fs::path& config) {
    std::ifstream in(config, std::ios::binary);
    if (!in) throw Hy8Fault(kFileNotFound);
    std::string first, second;
    if (!std::getline(in, first) || !std::getline(in, second)) throw Hy8Fault(kInputPastEnd);
    return second.size() > 1 ? second[1] : '\0';
}

// Drive letters exist on Windows only; elsewhere the data stays in HY-8's
// own folder.
fs::path DataFolder(const Hy8Place& place, [[maybe_unused]] char drive) {
#ifdef _WIN32
    if (drive != '\0') return fs::path(std::string(1, drive) + ":\\HY8");
#endif
    return place.folder;
}

std::string Instructions(const std::string& name) {
    const char* lines[] = {
        "HY8 input and output files have been created",
        "HY8 should be used only for Energy Dissipation at this time",
        "Any other option will create errors and the Dissipator option will not operate properly",
        " ",
        "Follow steps to start Energy Dissipator",
    };
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\n";
    text += "Step1: Press \"D\" then type \"" + name + "\" to set up Culvert and Output files\n";
    return text + "Step2: Press \"J\" to enter the Engery Dissipator";
}

void StartHy8(ProcessLauncher& launcher, const std::string& program, const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_regular_file(program, ec)) throw Hy8Fault(kFileNotFound);
    if (!launcher.Start(program, folder.string())) throw Hy8Fault(kPathFileAccess);
}

// The path remembered, or the one the user picks; "" when the user cancels.
std::string ProgramPath(Prompts& prompts, SettingsStore& settings) {
    std::string program = settings.Read(kHy8Application, kHy8Section, kHy8Key);
    if (!program.empty()) return program;
    prompts.Tell(kAskForPath);
    return prompts.ChooseFile(false, kProgramFilters, kProgramInitial);
}

Hy8Outcome Export(const Model& model, Prompts& prompts, SettingsStore& settings,
                  ProcessLauncher& launcher, const std::function<CalendarDate()>& today) {
    std::string program = ProgramPath(prompts, settings);
    if (program.empty()) return Hy8Outcome::Abandoned;
    Hy8Place place = PlaceOf(program);
    std::optional<std::string> typed = prompts.InputText(kNamePrompt, kProgramName, kDefaultName);
    if (!typed || typed->empty()) return Hy8Outcome::Abandoned;
    std::string name = Hy8BaseName(*typed);
    fs::path data = DataFolder(place, DataDriveLetter(place.config));
    WriteHy8Files(model, name, data.string(), Hy8DateText(today()));
    if (prompts.Ask(Instructions(name), "", Buttons::OkCancel, Icon::None) != Answer::Ok) {
        std::error_code ec;
        fs::remove(data / (name + ".INP"), ec);
        fs::remove(data / (name + ".PC"), ec);
        return Hy8Outcome::Cancelled;
    }
    StartHy8(launcher, program, place.folder);
    settings.Write(kHy8Application, kHy8Section, kHy8Key, program);
    return Hy8Outcome::Started;
}

}  // namespace

Hy8Outcome ExportToHy8(const Model& model, Prompts& prompts, SettingsStore& settings,
                       ProcessLauncher& launcher, const std::function<CalendarDate()>& today) {
    try {
        return Export(model, prompts, settings, launcher, today);
    } catch (const Hy8Fault& fault) {
        prompts.Tell(fault.Text("starting HY-8"));
        return Hy8Outcome::Failed;
    }
}

}  // namespace kelp
