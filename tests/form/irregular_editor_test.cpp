#include "form/irregular_editor.h"

#include <gtest/gtest.h>

#include "model/number_text.h"
#include "project/project_file.h"
#include "support/scripted_prompts.h"

namespace kelp {
namespace {

using testing::ScriptedPrompts;

// A stored section: five points in feet, both overbanks.
void StoreSection(Model& m) {
    const float sta[] = {0, 10, 20, 30, 40}, elev[] = {105, 100.1f, 98, 100.3f, 106};
    for (long i = 1; i <= 5; ++i) m.IrrSta[i] = sta[i - 1], m.IrrElev[i] = elev[i - 1];
    m.IrrCount = 5, m.IrrOption = 2, m.IrrLeftBank = 2, m.IrrRightBank = 4;
    m.IrrN[1] = 0.05f, m.IrrN[2] = 0.035f, m.IrrN[3] = 0.06f, m.IrrSlope = 0.002f;
}

class IrregularEditorTest : public ::testing::Test {
protected:
    IrregularEditorTest() { StoreSection(model); }
    Model model;
    IrregularEditor editor{model};
    ScriptedPrompts prompts;
};

TEST_F(IrregularEditorTest, TheCountShowsItsRowsAndIsChecked) {
    editor.Load();
    EXPECT_EQ(editor.text(IrrBox::txtCOPT) + " " + editor.text(IrrBox::txtNmain), "2 0.035");
    // The stored count shows its rows as soon as the section is loaded.
    EXPECT_TRUE(editor.RowVisible(5));
    EXPECT_FALSE(editor.RowVisible(6));
    const std::pair<const char*, int> counts[] = {{"5", 5}, {"2", 3}, {"40", 15}};
    for (auto [count, last] : counts) {
        editor.SetText(IrrBox::txtNIRC, count);
        editor.CountFocusLost();
        for (int row = 1; row <= IrregularEditor::kRows; ++row)
            EXPECT_EQ(editor.RowVisible(row), row <= last) << count << " row " << row;
    }
    for (const char* count : {"2", "16", "3", "15"}) {
        editor.SetText(IrrBox::txtNIRC, count);
        editor.CheckCount(prompts);
    }
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"Number of Cross-Sections must be >= 3",
                                                         "Number of Cross-Sections must be <= 15"}));
}

TEST(IrregularEditorKeys, ALeadingMinusDigitsAndOnePoint) {
    struct Case {
        const char* text;
        std::size_t position;
        char key;
        bool kept;
    };
    const Case cases[] = {
        {"", 0, '-', true},     {"12", 0, '-', true},    {"12", 1, '-', false},
        {"-12", 0, '-', false}, {"-12", 0, '5', false},  {"-12", 0, '.', false},
        {"-12", 1, '5', true},  {"-12", 3, '.', true},   {"-1.2", 4, '.', false},
        {"1", 1, 'e', false},   {"1", 1, '+', false},    {"-", 1, '\b', true},
        {"1", 1, '\r', false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IrregularEditor::KeyAccepted(c.text, c.position, c.key), c.kept)
            << c.text << " @" << c.position << " " << int(c.key);
}

TEST_F(IrregularEditorTest, ANonNumberWritesNothing) {
    editor.Load();
    editor.SetText(IrrBox::txtSlope, "0.01");
    editor.SetStationText(2, "12");
    editor.SetElevationText(15, "x");
    editor.SetText(IrrBox::txtNIRC, "15");
    EXPECT_FALSE(editor.SaveAndExit(prompts));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Input data is insufficient !"});
    EXPECT_EQ(model.IrrSlope, 0.002f);
    EXPECT_EQ(model.IrrSta[2], 10.0f);
    EXPECT_EQ(editor.StationText(2), "12");
    editor.SetElevationText(15, "7");
    EXPECT_TRUE(editor.SaveAndExit(prompts));
    EXPECT_EQ(model.IrrCount, 15);
    EXPECT_EQ(model.IrrSta[2], 12.0f);
    EXPECT_EQ(model.IrrElev[15], 7.0f);  // hidden rows are saved too
}

TEST_F(IrregularEditorTest, MetricShowsMetresAndWritesBackOnlyEditedBoxes) {
    model.UnitSystem = 2;
    editor.Load();
    EXPECT_EQ(editor.StationHeading(), "Station (m)");
    EXPECT_EQ(editor.StationText(2), "3.048037");
    EXPECT_EQ(editor.ElevationText(2), FloatText(F32(100.1 / 3.2808)));
    editor.SetElevationText(3, "30");
    ASSERT_TRUE(editor.SaveAndExit(prompts));
    EXPECT_EQ(model.IrrElev[2], 100.1f);  // unedited: exactly as stored
    EXPECT_EQ(model.IrrElev[3], F32(30 * 3.2808));

}

TEST_F(IrregularEditorTest, SectionRoundTripsThroughTheProjectFile) {
    InputForm form(model, "2024-05-01");
    OpenIrregularEditor(form, editor);
    EXPECT_EQ(form.TailwaterOption(), 3);
    EXPECT_EQ(form.text(Field::txtTWbottom), "");
    editor.SetText(IrrBox::txtNIRC, "3");
    editor.SetStationText(3, "20.25");
    ASSERT_TRUE(editor.SaveAndExit(prompts));
    std::string text = ProjectText(model);

    Model reread;
    InputForm again(reread, "2024-05-01");
    ReadProjectText(text, "p.klp", again);
    IrregularEditor shown(reread);
    shown.Load();
    editor.Load();
    EXPECT_EQ(shown.text(IrrBox::txtNIRC), "3");
    EXPECT_EQ(shown.text(IrrBox::txtNright), editor.text(IrrBox::txtNright));
    for (int row = 1; row <= IrregularEditor::kRows; ++row) {
        EXPECT_EQ(shown.StationText(row), editor.StationText(row)) << row;
        EXPECT_EQ(shown.ElevationText(row), editor.ElevationText(row)) << row;
    }
    EXPECT_EQ(shown.StationText(3), "20.25");
    EXPECT_EQ(shown.ElevationText(5), "106");
}

}  // namespace
}  // namespace kelp
