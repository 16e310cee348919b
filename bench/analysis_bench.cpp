// Time of the two analyses for every bundled example, along the road kelp-cli
// takes: a fresh model and form, the project file read into them, then the
// design run or the range run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "form/input_form.h"
#include "form/runs.h"
#include "model/model.h"
#include "project/project_file.h"

namespace {

namespace fs = std::filesystem;
using kelp::RunOutcome;

constexpr const char* kToday = "12/06/2026";

std::vector<fs::path> Examples() {
    std::vector<fs::path> files;
    const fs::path dir = fs::path(KELP_SOURCE_DIR) / "examples";
    if (!fs::is_directory(dir)) return files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.path().extension() == ".klp") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Times one analysis of the project; a project that cannot be read or that
// the run does not analyse measures nothing worth reporting. Each iteration
// starts from the start-up model, reset outside the timing: allocating and
// zero-filling the profile arrays would cost more than most analyses.
template <typename Run>
void Analyse(benchmark::State& state, const std::string& path, Run run) {
    const auto pristine = std::make_unique<const kelp::Model>();
    const auto model = std::make_unique<kelp::Model>();
    for (auto _ : state) {
        state.PauseTiming();
        *model = *pristine;
        state.ResumeTiming();
        kelp::InputForm form(*model, kToday);
        try {
            kelp::ReadProjectFile(path, form);
        } catch (const kelp::ProjectReadError& e) {
            state.SkipWithError(e.what());
            break;
        }
        const RunOutcome outcome = run(form);
        if (outcome.kind != RunOutcome::Kind::Analysed) {
            state.SkipWithError("the project was not analysed");
            break;
        }
        benchmark::DoNotOptimize(model->OutletVelocity);
    }
}

void Design(benchmark::State& state, const std::string& path) {
    Analyse(state, path, [](kelp::InputForm& form) { return kelp::RunDesign(form); });
}

void Range(benchmark::State& state, const std::string& path) {
    Analyse(state, path, [](kelp::InputForm& form) {
        kelp::RatingTable table;
        const RunOutcome outcome = kelp::RunRange(form, table);
        benchmark::DoNotOptimize(table.TableHW);
        return outcome;
    });
}

}  // namespace

int main(int argc, char** argv) {
    for (const fs::path& file : Examples()) {
        const std::string name = file.stem().string();
        benchmark::RegisterBenchmark(("design/" + name).c_str(), Design, file.string())
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("range/" + name).c_str(), Range, file.string())
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
