// Renders each window of the desktop program offscreen to a PNG: the input
// form fresh and filled, the irregular cross-section editor fresh and filled
// in both unit systems and with a single main channel, the result form with
// and without a hydraulic jump with its water-surface profile, the rating
// table in English and metric units, and its three rating curves.
//
//   kelp_screenshots EXAMPLES_DIR OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QRadioButton>
#include <QWidget>
#include <cstdio>

#include "model/model.h"
#include "ui/windows/desktop.h"
#include "ui/windows/input/irregular_window.h"
#include "ui/windows/input/start_window.h"
#include "ui/windows/picture_command.h"
#include "ui/windows/plots/profile_window.h"
#include "ui/windows/plots/rating_curve_window.h"
#include "ui/windows/quiet_prompts.h"
#include "ui/windows/results/output_window.h"
#include "ui/windows/results/table_window.h"
#include "ui/windows/unit_menu.h"

namespace {

// The offscreen screen is small; each window is pictured at its natural size.
bool Save(QWidget& window, const QDir& out, const QString& name) {
    window.resize(window.sizeHint());
    QApplication::processEvents();
    QString path = out.filePath(name + ".png");
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The result form and the profile its plot command opens, which follows the
// form into metric units.
bool SaveOutputAndProfile(kelp::Desktop& desktop, const QDir& out, const QString& name) {
    bool ok = Save(desktop.output(), out, "output_" + name);
    emit desktop.output().plotCommand()->buttonClicked();
    ok = desktop.profile().isVisible() && Save(desktop.profile(), out, "profile_" + name) && ok;
    desktop.ChooseOutputUnit(true);
    return Save(desktop.profile(), out, "profile_" + name + "_metric") && ok;
}

// The example whose design discharge does (or does not) jump in the barrel.
bool SaveOutputWithJump(const QDir& examples, const QDir& out, bool jump, const char* name) {
    for (const QString& file : examples.entryList({"*.klp"}, QDir::Files, QDir::Name)) {
        kelp::Model model;
        kelp::QuietPrompts prompts;
        kelp::Desktop desktop(model, prompts);
        if (!desktop.Load(examples.filePath(file).toStdString())) continue;
        desktop.AnalyseDesign();
        if (desktop.output().isVisible() && (model.JumpFlag == "YES") == jump)
            return SaveOutputAndProfile(desktop, out, name);
    }
    std::fprintf(stderr, "no example's design run gives output_%s\n", name);
    return false;
}

// The editor as "Create/Edit Irregular Channel Data" opens it on a fresh
// form, then on a project with an irregular channel, then switched to metres,
// then with a single main channel (no bank points).
bool SaveIrregularEditor(const QDir& examples, const QDir& out) {
    kelp::Model model;
    kelp::QuietPrompts prompts;
    kelp::Desktop desktop(model, prompts);
    desktop.EditIrregular();
    bool ok = Save(desktop.irregularWindow(), out, "irregular_fresh");
    std::string project = examples.filePath("irregular_channel_tailwater.klp").toStdString();
    ok = desktop.Load(project) && ok;
    desktop.EditIrregular();
    ok = Save(desktop.irregularWindow(), out, "irregular_english") && ok;
    desktop.start().unitMenu()->metric()->trigger();
    ok = Save(desktop.irregularWindow(), out, "irregular_metric") && ok;
    desktop.irregularWindow().option(4)->click();
    return Save(desktop.irregularWindow(), out, "irregular_single_channel") && ok;
}

// Each rating curve as its picture button opens it, in the table's unit.
bool SaveRatingCurves(kelp::Desktop& desktop, const QDir& out, const char* unit) {
    bool ok = true;
    const char* names[] = {"curve_headwater_", "curve_outlet_depth_", "curve_outlet_velocity_"};
    for (int kind = 1; kind <= 3; ++kind) {
        emit desktop.table().ratingCommand(kind)->buttonClicked();
        std::vector<kelp::RatingCurveWindow*> open = desktop.ratingCurves();
        ok = open.size() == 1 && Save(*open[0], out, QString(names[kind - 1]) + unit) && ok;
    }
    return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    if (argc != 3) {
        std::fprintf(stderr, "usage: kelp_screenshots EXAMPLES_DIR OUTPUT_DIR\n");
        return 64;
    }
    QDir examples(argv[1]);
    QDir out(argv[2]);
    QDir().mkpath(out.path());

    kelp::Model model;
    kelp::QuietPrompts prompts;
    kelp::Desktop desktop(model, prompts);
    desktop.ShowInputForm();
    bool ok = Save(desktop.start(), out, "input_fresh");
    ok = desktop.Load(examples.filePath("double_box_jump_in_barrel.klp").toStdString()) && ok;
    ok = Save(desktop.start(), out, "input_filled") && ok;
    desktop.AnalyseRange();
    ok = desktop.table().isVisible() && Save(desktop.table(), out, "table_english") && ok;
    ok = SaveRatingCurves(desktop, out, "english") && ok;
    desktop.ChooseTableUnit(true);
    ok = Save(desktop.table(), out, "table_metric") && ok;
    ok = SaveRatingCurves(desktop, out, "metric") && ok;
    ok = SaveIrregularEditor(examples, out) && ok;
    ok = SaveOutputWithJump(examples, out, true, "jump") && ok;
    ok = SaveOutputWithJump(examples, out, false, "no_jump") && ok;
    return ok ? 0 : 1;
}
