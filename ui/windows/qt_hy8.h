// The HY-8 export on the desktop: the per-user settings store over QSettings
// (organisation and application both the program's name, one group per
// section), the launcher over QProcess, and the result form's HY-8 command
// built on them.
#pragma once

#include <functional>
#include <string>

#include "form/prompts.h"
#include "model/model.h"
#include "results/hy8_export.h"

namespace kelp {

class QtSettingsStore : public SettingsStore {
public:
    std::string Read(const std::string& application, const std::string& section,
                     const std::string& key) override;
    void Write(const std::string& application, const std::string& section,
               const std::string& key, const std::string& value) override;
};

// Starts the program itself, with no shell in between, so a path with
// blanks or shell characters is taken as it stands.
class QtProcessLauncher : public ProcessLauncher {
public:
    bool Start(const std::string& program, const std::string& workingDirectory) override;
};

// "Press Button to Enter HY-8 Energy Dissipation": exports the discharge the
// model holds (the one on show).
std::function<void()> Hy8Command(const Model& model, Prompts& prompts, SettingsStore& settings,
                                 ProcessLauncher& launcher,
                                 std::function<CalendarDate()> today = LocalDate);

}  // namespace kelp
