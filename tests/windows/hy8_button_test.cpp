#include <QSettings>

#include <filesystem>

#include "support/hy8_doubles.h"
#include "support/temp_dir.h"
#include "ui/windows/qt_hy8.h"
#include "windows/desktop_fixture.h"

namespace kelp::testing {
namespace {

namespace fs = std::filesystem;

// HY-8 installed as ROOT/bin/hy8.exe with its configuration and data in
// ROOT/HY8; the settings store is a file in the test's own folder.
class Hy8ButtonTest : public ::testing::Test {
protected:
    Hy8ButtonTest() {
        for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope,
                               QString::fromStdString(root / "settings"));
        fs::create_directories(root.path() / "bin");
        fs::create_directories(hy8);
        Spit(program, "");
        Spit(hy8 + "/HY8.CNF", "HY8\r\nCD:\\HY8\r\n");
        EXPECT_TRUE(desktop.Load(KELP_SOURCE_DIR "/examples/double_box_jump_in_barrel.klp"));
        desktop.AnalyseDesign();
    }
    Features Hy8Feature() {
        Features features;
        features.hy8 = Hy8Command(model, prompts, settings, launcher,
                                  [] { return CalendarDate{2024, 5, 1}; });
        return features;
    }
    void ClickHy8() {
        QTest::mouseClick(desktop.output().hy8Command()->button(), Qt::LeftButton);
    }

    QApplication& app = TestApp<QApplication>();
    TempDir root;
    std::string program = root / "bin/hy8.exe";
    std::string hy8 = root / "HY8";
    WidgetPrompts prompts;
    Model model;
    QtSettingsStore settings;
    RecordingLauncher launcher;
    Desktop desktop{model, prompts, Hy8Feature()};
};

// The path asked for once is kept in the settings store; Cancel in the
// instructions deletes the files written.
TEST_F(Hy8ButtonTest, AsksForHy8OnceWritesBothFilesBesideItAndStartsItThere) {
    prompts.files = {program};
    prompts.inputs = {std::string("RUN.DAT"), std::string("KELP")};
    prompts.answers = {Answer::Ok, Answer::Cancel};
    ClickHy8();
    EXPECT_EQ(Slurp(hy8 + "/RUN.INP").substr(0, 30), "RUN\r\nVERSION 6.0\r\n05/01/2024\r\n");
    EXPECT_TRUE(fs::exists(hy8 + "/RUN.PC"));
    EXPECT_EQ(launcher.started, (decltype(launcher.started){{program, hy8}}));
    EXPECT_EQ(QSettings("KELP", "KELP").value("HY8INFO/path").toString().toStdString(), program);

    ClickHy8();
    EXPECT_EQ(prompts.dialogs.size(), 1u);
    EXPECT_FALSE(fs::exists(hy8 + "/KELP.INP") || fs::exists(hy8 + "/KELP.PC"));
    EXPECT_EQ(launcher.started.size(), 1u);
    EXPECT_TRUE(prompts.Spent());
}

TEST(QtProcessLauncher, StartsTheProgramItselfInTheGivenFolder) {
    TestApp<QApplication>();
    TempDir dir;
    std::string marker = dir / "started here";
    std::string script = dir / "tool with blanks.sh";
    Spit(script, "#!/bin/sh\ntouch \"started here\"\n");
    fs::permissions(script, fs::perms::owner_all);
    QtProcessLauncher launcher;
    ASSERT_TRUE(launcher.Start(script, dir.path().string()));
    // The program runs on its own: its mark appears when it has run.
    for (int i = 0; i < 100 && !fs::exists(marker); ++i) QTest::qWait(50);
    EXPECT_TRUE(fs::exists(marker));
    EXPECT_FALSE(launcher.Start(dir / "no such program", dir.path().string()));
}

}  // namespace
}  // namespace kelp::testing
