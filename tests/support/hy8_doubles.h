// Stand-ins for the settings store and the program launcher: values kept in
// memory, and every start recorded instead of run.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "results/hy8_export.h"

namespace kelp::testing {

struct MemorySettings : SettingsStore {
    std::map<std::string, std::string> values;
    std::string Read(const std::string& a, const std::string& s, const std::string& k) override {
        return values[a + "/" + s + "/" + k];
    }
    void Write(const std::string& a, const std::string& s, const std::string& k,
               const std::string& v) override {
        values[a + "/" + s + "/" + k] = v;
    }
};

struct RecordingLauncher : ProcessLauncher {
    bool works = true;
    std::vector<std::pair<std::string, std::string>> started;  // program, working folder
    bool Start(const std::string& program, const std::string& dir) override {
        started.emplace_back(program, dir);
        return works;
    }
};

}  // namespace kelp::testing
