// The input form as a document: the File menu's New, Open, Save, Save As and
// Exit, the file the form belongs to, whether it changed since it was last
// saved or opened, and the window title. Every question and dialog goes
// through Prompts, so the desktop program and the tests drive the same code.
//
// No prompt loses work: a Yes in the save prompts writes the form, and an
// operation whose save failed or was cancelled stops there instead of
// discarding the form. A save writes the form's fields as entered and leaves
// the analysis model, which the result windows read, as it was.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "form/input_form.h"
#include "form/prompts.h"
#include "form/take_fields.h"
#include "model/model.h"

namespace kelp {

inline constexpr const char* kUntitled = "UNTITLED";

class Document {
public:
    // `today` gives the date text the form puts into its date field each
    // time it is opened.
    Document(Model& model, Prompts& prompts, std::function<std::string()> today);

    // The form is replaced when it is closed and shown again (New): a view
    // takes it from here after every command rather than keeping it.
    InputForm& form() { return *form_; }
    const InputForm& form() const { return *form_; }

    const std::string& ProjectFileName() const { return fileName_; }
    std::string WindowTitle() const { return "KELP : " + fileName_; }
    bool DataChanged() const { return form_->dataChanged; }

    // True when the form was closed and shown again as a fresh one.
    bool New();
    void Open();
    // Reads the project at `path` (named outside the File menu, e.g. on the
    // command line) and makes it the document's file; false, after telling
    // why, when it cannot be read, leaving the form as it was.
    bool OpenPath(const std::string& path);
    void Save();
    void SaveAs();
    // True when the program may end; false keeps it running.
    bool Exit();

private:
    bool IsUntitled() const;
    void ReopenForm();
    bool OverwriteConfirmed(const std::string& path);
    std::string ChooseSaveTarget();
    std::string ProjectDialog(bool save);
    bool WriteTo(const Model& saved, const MetricValues& metric, const std::string& path);
    // Writes the form to path; `routine` names where a fault occurred.
    bool SaveAssigned(const std::string& path, const char* routine = kTakeFieldsRoutine);
    bool SaveWithPromptName();
    bool SaveBeforeOpening();
    bool ReadsCleanly(const std::string& path);
    void OpenChosenFile();

    Model& model_;
    Prompts& prompts_;
    std::function<std::string()> today_;
    std::optional<InputForm> form_;
    std::string fileName_ = kUntitled;
};

}  // namespace kelp
