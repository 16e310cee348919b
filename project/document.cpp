#include "project/document.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <utility>
#include <vector>

#include "form/take_fields.h"
#include "project/project_file.h"

namespace kelp {
namespace {

// Both dialogs open on the project files.
constexpr const char* kProjectPattern = "*.klp";
constexpr const char* kAllFilesPattern = "*.*";
const std::vector<FileFilter> kProjectFilters{{"KELP Files(*.klp)", kProjectPattern},
                                              {"All Files (*.*)", kAllFilesPattern}};
constexpr int kProjectInitial = 1;
const std::vector<FileFilter> kSaveAsFilters{{"All Files (*.*)", kAllFilesPattern},
                                             {"Text Files(*.txt)", "*.txt"},
                                             {"KELP Files (*.klp)", kProjectPattern}};
constexpr int kSaveAsInitial = 3;

constexpr const char* kSaveCurrent = "Save current file?";
constexpr const char* kSaveBeforeExit = "WISH TO SAVE FILE BEFORE EXITING ?";
constexpr const char* kOverwrite = "File has existed.  Do you wish to\noverwrite this file?";

constexpr const char* kSavingTag = "(SavingTheFile(FileMenu))";
constexpr const char* kUntitledTag = "(IfFilenameIsUntitled(FileMenu))";
constexpr const char* kDialogTag = "(AcceptInputFilename(FileMenu))";
constexpr const char* kExitTag = "(SaveItBeforeExit(formRelated))";
constexpr const char* kOpenPromptTag = " Openfile";
constexpr const char* kReadingTag = " RadingTheFile ";

std::string Trimmed(const std::string& text) {
    auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    auto first = std::find_if_not(text.begin(), text.end(), blank);
    auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool NamesUntitled(const std::string& name) { return Upper(Trimmed(name)) == kUntitled; }

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

void ReportFault(Prompts& prompts, const std::string& description, const char* tag) {
    prompts.Tell(" Program Error: " + description + tag);
}

// Runs one document routine; an unexpected failure is reported with the
// routine's tag and ends that routine with `fallback`.
template <typename R, typename Body>
R Guarded(Prompts& prompts, const char* tag, R fallback, Body body) {
    try {
        return body();
    } catch (const std::exception& error) {
        ReportFault(prompts, error.what(), tag);
        return fallback;
    }
}

// The form taken as entered into `saved`, a copy of the model: the analysis
// model keeps the last analysis, in English units, for the windows that show
// it. Returns the message of what stopped it, if anything did; a fault other
// than a missing number names the routine that met it.
std::optional<std::string> AssignVariables(InputForm& form, Model& saved, MetricValues& metric,
                                           const char* routine) {
    try {
        if (!TakeFieldsAsEntered(form, saved, metric)) return std::string(kInsufficientInput);
    } catch (const RuntimeFault& fault) {
        return FaultText(fault.what(), routine);
    }
    return std::nullopt;
}

}  // namespace

Document::Document(Model& model, Prompts& prompts, std::function<std::string()> today)
    : model_(model), prompts_(prompts), today_(std::move(today)) {
    form_.emplace(model_, today_());
}

bool Document::IsUntitled() const { return NamesUntitled(fileName_); }

// Closing the form and showing it again brings back every default of a
// fresh form, as an untitled, unchanged document.
void Document::ReopenForm() {
    form_.reset();
    form_.emplace(model_, today_());
    fileName_ = kUntitled;
}

bool Document::OverwriteConfirmed(const std::string& path) {
    if (!FileExists(path)) return true;
    return prompts_.Ask(kOverwrite, "", Buttons::YesNo, Icon::None) == Answer::Yes;
}

// The save-as dialog until the user picks a new name, agrees to overwrite or
// cancels ("").
std::string Document::ChooseSaveTarget() {
    for (;;) {
        std::string path = prompts_.ChooseFile(true, kSaveAsFilters, kSaveAsInitial);
        if (path.empty() || OverwriteConfirmed(path)) return path;
    }
}

std::string Document::ProjectDialog(bool save) {
    return Guarded(prompts_, kDialogTag, std::string(), [&] {
        return Trimmed(prompts_.ChooseFile(save, kProjectFilters, kProjectInitial));
    });
}

bool Document::WriteTo(const Model& saved, const MetricValues& metric, const std::string& path) {
    try {
        Write2File(saved, path, metric);
    } catch (const ProjectWriteError& error) {
        prompts_.Tell(std::string("Error has occurred in Write2File : ") + error.what());
        return false;
    }
    form_->dataChanged = false;
    return true;
}

bool Document::SaveAssigned(const std::string& path, const char* routine) {
    Model saved = model_;
    MetricValues metric;
    if (std::optional<std::string> message = AssignVariables(*form_, saved, metric, routine)) {
        prompts_.Tell(*message);
        return false;
    }
    return WriteTo(saved, metric, path);
}

// The save of the prompts before opening and on exit: to the current file,
// or, for an untitled document, to a name asked for in the project dialog.
bool Document::SaveWithPromptName() {
    std::string name = fileName_;
    if (IsUntitled()) {
        name = Guarded(prompts_, kUntitledTag, std::string(kUntitled), [&] {
            std::string chosen = ProjectDialog(true);
            return chosen.empty() ? std::string(kUntitled) : chosen;
        });
    }
    if (NamesUntitled(name)) return false;
    bool saved = Guarded(prompts_, kSavingTag, false, [&] { return SaveAssigned(name); });
    if (saved) fileName_ = name;
    return saved;
}

bool Document::New() {
    bool filled = !form_->text(Field::txtMinDischarge).empty() &&
                  !form_->text(Field::txtDesDischarge).empty() &&
                  !form_->text(Field::txtMaxDischarge).empty();
    if (filled && prompts_.Ask(kSaveCurrent, "", Buttons::YesNo, Icon::None) == Answer::No) {
        ReopenForm();
        return true;
    }
    std::string path = ChooseSaveTarget();
    if (path.empty() || !SaveAssigned(path)) return false;
    ReopenForm();
    return true;
}

// A document that has a file is saved there. An untitled one asks for a
// name each time and stays untitled.
void Document::Save() {
    std::string path = IsUntitled() ? ChooseSaveTarget() : fileName_;
    if (!path.empty()) SaveAssigned(path);
}

// The saved file becomes the document's.
void Document::SaveAs() {
    std::string path = ChooseSaveTarget();
    if (!path.empty() && SaveAssigned(path, "SaveAs")) fileName_ = path;
}

// True when opening may go on: the changes were saved or the user drops them.
bool Document::SaveBeforeOpening() {
    return Guarded(prompts_, kOpenPromptTag, false, [&] {
        Answer answer =
            prompts_.Ask("WISH TO SAVE : " + fileName_ + " BEFORE OPENING OTHER FILE ?", "",
                         Buttons::YesNoCancel, Icon::None);
        if (answer == Answer::Cancel) return false;
        return answer == Answer::No || SaveWithPromptName();
    });
}

// A project is read into a scratch form first, so a file that cannot be read
// leaves both the form and the model as they were.
bool Document::ReadsCleanly(const std::string& path) {
    try {
        Model scratch;
        InputForm trial(scratch, form_->today());
        ReadProjectFile(path, trial);
        ReadProjectFile(path, *form_);
        return true;
    } catch (const ProjectReadError& error) {
        ReportFault(prompts_, error.description(), kReadingTag);
    } catch (const std::exception& error) {
        ReportFault(prompts_, error.what(), kReadingTag);
    }
    return false;
}

// A name that does not exist becomes the document's file without reading
// anything; the form then stands for that new file.
void Document::OpenChosenFile() {
    std::string path = ProjectDialog(false);
    if (path.empty()) return;
    if (FileExists(path) && !ReadsCleanly(path)) return;
    fileName_ = path;
    form_->dataChanged = false;
}

void Document::Open() {
    if (form_->dataChanged && !SaveBeforeOpening()) return;
    OpenChosenFile();
}

bool Document::OpenPath(const std::string& path) {
    if (!ReadsCleanly(path)) return false;
    fileName_ = path;
    form_->dataChanged = false;
    return true;
}

bool Document::Exit() {
    if (!form_->dataChanged) return true;
    return Guarded(prompts_, kExitTag, false, [&] {
        Answer answer = prompts_.Ask(kSaveBeforeExit, "", Buttons::YesNoCancel, Icon::Question);
        if (answer == Answer::Cancel) return false;
        return answer == Answer::No || SaveWithPromptName();
    });
}

}  // namespace kelp
