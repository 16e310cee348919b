// kelp-cli run as a user would, with no display of any kind and no platform
// chosen: the drawing commands must pick the offscreen platform themselves.
// Without a runtime folder Qt has warnings to give, which must not show.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace kelp::testing {

struct CliResult {
    int status = -1;
    std::string out, err;
};

inline CliResult RunCli(const std::vector<std::string>& args) {
    TempDir dir;
    std::string command =
        "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR " KELP_CLI_PATH;
    for (const std::string& a : args) command += " '" + a + "'";
    command += " >'" + (dir / "out.txt") + "' 2>'" + (dir / "err.txt") + "' </dev/null";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(dir / "out.txt"), Slurp(dir / "err.txt")};
}

}  // namespace kelp::testing
