// Window timings under the offscreen platform: the input form from creation
// to shown, and a range run from the click to the rating table shown, for
// every bundled example.
#include <QApplication>
#include <QDir>
#include <QToolButton>
#include <benchmark/benchmark.h>

#include "model/model.h"
#include "ui/windows/desktop.h"
#include "ui/windows/input/start_window.h"
#include "ui/windows/picture_command.h"
#include "ui/windows/quiet_prompts.h"
#include "ui/windows/results/table_window.h"

namespace {

void BM_InputFormShown(benchmark::State& state) {
    for (auto _ : state) {
        kelp::Model model;
        kelp::QuietPrompts prompts;
        kelp::Desktop desktop(model, prompts);
        desktop.ShowInputForm();
        QApplication::processEvents();
        benchmark::DoNotOptimize(desktop.start().isVisible());
    }
}
BENCHMARK(BM_InputFormShown)->Unit(benchmark::kMillisecond);

void BM_RangeRunToTable(benchmark::State& state, const std::string& path) {
    kelp::Model model;
    kelp::QuietPrompts prompts;
    kelp::Desktop desktop(model, prompts);
    desktop.ShowInputForm();
    if (!desktop.Load(path)) {
        state.SkipWithError("the example cannot be read");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        desktop.table().close();
        QApplication::processEvents();
        state.ResumeTiming();
        desktop.start().rangeCommand()->button()->click();
        QApplication::processEvents();
        if (!desktop.table().isVisible()) {
            state.SkipWithError("the range run did not show the table");
            return;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QDir examples(QString(KELP_SOURCE_DIR) + "/examples");
    for (const QString& file : examples.entryList({"*.klp"}, QDir::Files, QDir::Name)) {
        std::string path = examples.filePath(file).toStdString();
        benchmark::RegisterBenchmark(("BM_RangeRunToTable/" + file.toStdString()).c_str(),
                                     BM_RangeRunToTable, path)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
