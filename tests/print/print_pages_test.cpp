// The printed pages rendered to a PDF and read back as text: each page's head,
// the project, the results and the table rows on the pages that show them.

#include <gtest/gtest.h>

#include <stdexcept>

#include "form/runs.h"
#include "form/unit_switch.h"
#include "print/pdf_text.h"
#include "results/output_texts.h"
#include "results/table_texts.h"
#include "support/gui_app.h"
#include "support/temp_dir.h"
#include "ui/print/output_files.h"
#include "ui/print/print_pages.h"
#include "ui/print/program_title.h"

namespace kelp {
namespace {

using testing::HasLine;
using testing::EnsureGui;
using testing::PdfPages;

// A double broken-back box culvert with a hydraulic jump in its outlet
// section at the design discharge, analysed by both runs.
struct Culvert {
    Model model;
    InputForm form{model, "2024-05-01"};
    RatingTable table;

    Culvert() {
        form.ChooseTWConstant();
        const std::pair<Field, const char*> texts[] = {
            {Field::txtProject, "US 20 over Kestrel Creek"}, {Field::txtStation, "MP 14.2"},
            {Field::txtSpan, "10"}, {Field::txtRise, "6"}, {Field::txtInletsta, "0"},
            {Field::txtInletelev, "300"}, {Field::txtUppersta, "40"},
            {Field::txtUpperelev, "299.6"}, {Field::txtLowersta, "160"},
            {Field::txtLowerelev, "270"}, {Field::txtOutletsta, "300"},
            {Field::txtOutletelev, "269.3"}, {Field::txtMinDischarge, "50"},
            {Field::txtDesDischarge, "250"}, {Field::txtMaxDischarge, "600"},
            {Field::txtBarrels, "2"}, {Field::txtTWelev, "275"}};
        for (const auto& [field, text] : texts) form.SetText(field, text);
    }
    void Analyse() {
        ASSERT_EQ(RunRange(form, table).kind, RunOutcome::Kind::Analysed);
        ASSERT_EQ(RunDesign(form).kind, RunOutcome::Kind::Analysed);
    }
    std::vector<std::string> Print(std::span<const PageKind> pages, float unitSystem = 1) {
        EnsureGui();
        kelp::testing::TempDir dir;
        WritePdf(dir / "pages.pdf", {model, &form, &table, unitSystem, "2024-06-30"}, pages);
        return PdfPages(dir / "pages.pdf");
    }
};

TEST(PrintedPages, EachPageCarriesTheHeadTheTitleItsNumberAndTheDate) {
    Culvert c;
    c.Analyse();
    std::vector<std::string> pages = c.Print(kReportPages);
    ASSERT_EQ(pages.size(), kReportPages.size());
    const char* captions[] = {"Input Data",           "Culvert Analysis Results",
                              "Water Surface Profile", "Data Output Table",
                              "Headwater Rating Curve", "Outlet Depth Rating Curve",
                              "Outlet Velocity Rating Curve"};
    for (std::size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(captions[i]);
        EXPECT_NE(pages[i].find(kDepartmentHead), std::string::npos);
        EXPECT_NE(pages[i].find(kProgramTitle), std::string::npos);
        EXPECT_NE(pages[i].find(captions[i]), std::string::npos);
        EXPECT_TRUE(HasLine(pages[i], {"Printed", "2024-06-30"}));
        EXPECT_TRUE(HasLine(pages[i], {"Page", std::to_string(i + 1), "of", "7"}));
        EXPECT_NE(pages[i].find("US 20 over Kestrel Creek"), std::string::npos);
    }
}

TEST(PrintedPages, InputPageShowsTheFieldsInUseAsTypedWithTheirUnits) {
    Culvert c;
    std::string page = c.Print(kInputPages).at(0);
    EXPECT_TRUE(HasLine(page, {"Station or Location", "MP 14.2"}));
    EXPECT_TRUE(HasLine(page, {"Barrel", "Concrete Box"}));
    EXPECT_TRUE(HasLine(page, {"Inlet Type", "Wingwall, 1.5:1 Bevel (18-34 deg. Flare)"}));
    EXPECT_TRUE(HasLine(page, {"Upper Break Elevation", "299.6", "ft"}));
    EXPECT_TRUE(HasLine(page, {"Design Discharge", "250", "cfs"}));
    EXPECT_TRUE(HasLine(page, {"Tailwater", "Constant Elevation"}));
    EXPECT_TRUE(HasLine(page, {"Tailwater Elevation", "275", "ft"}));
    // Greyed fields take no part in the analysis.
    for (const char* unused : {"Pipe Diameter", "Culvert Material", "Bottom Width", "Bottom Slope"})
        EXPECT_EQ(page.find(unused), std::string::npos) << unused;

    c.form.ChooseSingle();
    page = c.Print(kInputPages).at(0);
    EXPECT_TRUE(HasLine(page, {"Profile", "Single Broken-back"}));
    EXPECT_EQ(page.find("Upper Break"), std::string::npos);
}

// Fifteen points push the page into two columns; every line stays whole.
TEST(PrintedPages, IrregularSectionIsPrintedInTheUnitShownWithNothingCutShort) {
    Culvert c;
    c.form.ChooseTWIrregular();
    Model& m = c.model;
    m.IrrCount = 15;
    for (long i = 1; i <= 15; ++i) {
        m.IrrSta[i] = 10.0f * static_cast<float>(i - 1);
        m.IrrElev[i] = 100 + std::abs(static_cast<float>(i) - 8);
    }
    m.IrrOption = 2, m.IrrLeftBank = 4, m.IrrRightBank = 12, m.IrrSlope = 0.003f;
    m.IrrN[1] = 0.06f, m.IrrN[2] = 0.035f, m.IrrN[3] = 0.05f;
    UnitSwitch units(c.form);
    units.ChooseMetric();
    std::string page = c.Print(kInputPages, m.UnitSystem).at(0);
    EXPECT_TRUE(HasLine(page, {"Outlet Elevation", "82.084", "m"}));
    EXPECT_TRUE(HasLine(page, {"Point 15", "42.67,", "32.61", "m"}));
    EXPECT_TRUE(HasLine(page, {"Subchannel Option", "LT and RT floodplains and main channel"}));
    EXPECT_TRUE(HasLine(page, {"Right Overbank Point", "12"}));
    EXPECT_TRUE(HasLine(page, {"Channel Slope", "0.003", "m/m"}));
    EXPECT_TRUE(HasLine(page, {"Outlet Section Roughness Coefficient", "0.012"}));
    EXPECT_TRUE(HasLine(page, {"Inlet Type", "Wingwall, 1.5:1 Bevel (18-34 deg. Flare)"}));
    EXPECT_EQ(page.find("\u2026"), std::string::npos);
}

TEST(PrintedPages, ResultsAndTableRowsStandOnTheirOwnPagesInTheUnitShown) {
    Culvert c;
    c.Analyse();
    for (float unitSystem : {1.0f, 2.0f}) {
        SCOPED_TRACE(unitSystem);
        std::vector<std::string> pages = c.Print(kReportPages, unitSystem);
        ASSERT_EQ(pages.size(), 7u);
        OutputTexts out = BuildOutputTexts(c.model, unitSystem);
        std::vector<std::string> hw{"Head Water Depth", out.hwDepth.value, out.hwDepth.unit};
        EXPECT_TRUE(HasLine(pages[1], hw));
        EXPECT_TRUE(HasLine(pages[1], {"Size", out.size.value + " x " + out.sizeSpan}));
        EXPECT_FALSE(HasLine(pages[3], hw));

        TableTexts table = BuildTableTexts(c.table, c.model, unitSystem);
        for (const TableRowTexts& row : table.rows) {
            std::vector<std::string> cells(row.cells.begin(), row.cells.end());
            EXPECT_TRUE(HasLine(pages[3], cells)) << cells[0];
            EXPECT_FALSE(HasLine(pages[1], cells)) << cells[0];
        }
        EXPECT_TRUE(HasLine(pages[3], {"Discharge", table.units[0]}) ||
                    HasLine(pages[3], {table.units[0], table.units[1]}));
    }
}

TEST(PrintedPages, WarningsStandOnEveryPageThatShowsTheResultsTheyConcern) {
    Culvert c;
    c.Analyse();
    c.model.Warnings = {"Design warning for the test."};
    c.table.Warnings[4] = {"Row warning for the test."};
    std::vector<std::string> pages = c.Print(kReportPages);
    ASSERT_EQ(pages.size(), 7u);
    auto has = [&](std::size_t page, const char* text) {
        return pages[page].find(text) != std::string::npos;
    };
    for (std::size_t page : {1u, 2u}) {
        EXPECT_TRUE(has(page, "Design warning for the test.")) << page;
        EXPECT_FALSE(has(page, "Row warning for the test.")) << page;
    }
    for (std::size_t page : {3u, 4u, 5u, 6u}) {
        EXPECT_TRUE(has(page, "Row warning for the test.")) << page;
        EXPECT_FALSE(has(page, "Design warning for the test.")) << page;
    }
    EXPECT_FALSE(has(0, "warning"));
    // The warned row carries the mark at its end.
    TableTexts table = BuildTableTexts(c.table, c.model, 1);
    for (int row : {4, 5}) {
        std::vector<std::string> marked(table.rows[row].cells.begin(),
                                        table.rows[row].cells.end());
        marked.push_back("*");
        EXPECT_EQ(HasLine(pages[3], marked), row == 4) << row;
    }
}

TEST(PrintedPages, MissingSourcesAndUnwritableFilesAreRefused) {
    EnsureGui();
    Culvert c;
    kelp::testing::TempDir dir;
    std::string pdf = dir / "refused.pdf";
    EXPECT_THROW(WritePdf(pdf, {c.model, nullptr, &c.table, 1, ""}, kInputPages),
                 std::invalid_argument);
    EXPECT_THROW(WritePdf(pdf, {c.model, &c.form, nullptr, 1, ""}, kTablePages),
                 std::invalid_argument);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_THROW(WritePdf(dir / "no/such/folder/x.pdf", {c.model, &c.form, nullptr, 1, ""},
                          kInputPages),
                 std::runtime_error);
    EXPECT_THROW(WritePng(dir / "no/such/folder/x.png", {10, 10}, [](QPainter&, const QRectF&) {}),
                 std::runtime_error);
}

}  // namespace
}  // namespace kelp
