// Handing the analysed culvert to HY-8 for the design of an energy
// dissipator: the two files in HY-8's data folder, the user's instructions,
// and HY-8 started beside them.
#pragma once

#include <functional>
#include <string>

#include "form/prompts.h"
#include "model/model.h"
#include "results/hy8_files.h"

namespace kelp {

// Where HY-8's path is remembered between runs.
inline constexpr const char* kHy8Application = kProgramName;
inline constexpr const char* kHy8Section = "HY8INFO";
inline constexpr const char* kHy8Key = "path";

// The per-user settings store (the registry's program area on Windows, a
// settings file elsewhere). Read returns "" for a key never written.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string Read(const std::string& application, const std::string& section,
                             const std::string& key) = 0;
    virtual void Write(const std::string& application, const std::string& section,
                       const std::string& key, const std::string& value) = 0;
};

// Starts a program as a separate process in a normal, focused window with the
// given working directory; the caller's own directory never changes. False
// when it could not be started.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    virtual bool Start(const std::string& program, const std::string& workingDirectory) = 0;
};

enum class Hy8Outcome {
    Started,    // files written, HY-8 started, its path remembered
    Cancelled,  // files written, then deleted by Cancel in the instructions box
    Abandoned,  // no path or no name given: nothing written
    Failed      // the error message was shown; files already written stay
};

// "Press Button to Enter HY-8 Energy Dissipation": asks for HY-8's path when
// none is remembered, asks for the export name, writes both files into HY-8's
// data folder, shows the instructions and starts HY-8 on OK.
Hy8Outcome ExportToHy8(const Model& model, Prompts& prompts, SettingsStore& settings,
                       ProcessLauncher& launcher, const std::function<CalendarDate()>& today);

}  // namespace kelp
