// The printed pages rendered to a PDF and read back as text. (The pages of
// kelp-cli's report are held by the golden outputs; these are what the
// desktop alone reaches: a form switched to metric units, and refusals.)

#include <gtest/gtest.h>

#include <stdexcept>

#include "form/unit_switch.h"
#include "print/pdf_text.h"
#include "support/double_box.h"
#include "support/temp_dir.h"
#include "support/test_app.h"
#include "ui/print/output_files.h"
#include "ui/print/print_pages.h"

namespace kelp {
namespace {

using testing::HasLine;

// Fifteen points in metres push the page into two columns; every line stays
// whole, and the form's fields show as the metric form holds them.
TEST(PrintedPages, IrregularSectionIsPrintedInTheUnitShownWithNothingCutShort) {
    testing::TestApp();
    Model m;
    InputForm form(m, "2024-05-01");
    testing::FillDoubleBox(form);
    form.ChooseTWIrregular();
    m.IrrCount = 15;
    for (long i = 1; i <= 15; ++i) {
        m.IrrSta[i] = 10.0f * static_cast<float>(i - 1);
        m.IrrElev[i] = 100 + std::abs(static_cast<float>(i) - 8);
    }
    m.IrrOption = 2, m.IrrLeftBank = 4, m.IrrRightBank = 12, m.IrrSlope = 0.003f;
    m.IrrN[1] = 0.06f, m.IrrN[2] = 0.035f, m.IrrN[3] = 0.05f;
    UnitSwitch units(form);
    units.ChooseMetric();
    testing::TempDir dir;
    WritePdf(dir / "input.pdf", {m, &form, nullptr, m.UnitSystem, "2024-06-30"}, kInputPages);
    const std::string page = testing::PdfPages(dir / "input.pdf").at(0);
    EXPECT_TRUE(HasLine(page, {"Outlet Elevation", "68.657", "m"}));
    EXPECT_TRUE(HasLine(page, {"Point 15", "42.67,", "32.61", "m"}));
    EXPECT_TRUE(HasLine(page, {"Subchannel Option", "LT and RT floodplains and main channel"}));
    EXPECT_TRUE(HasLine(page, {"Right Overbank Point", "12"}));
    EXPECT_TRUE(HasLine(page, {"Channel Slope", "0.003", "m/m"}));
    EXPECT_TRUE(HasLine(page, {"Outlet Section Roughness Coefficient", "0.012"}));
    EXPECT_TRUE(HasLine(page, {"Inlet Type", "Wingwall, 1.5:1 Bevel (18-34 deg. Flare)"}));
    EXPECT_EQ(page.find("\u2026"), std::string::npos);
}

TEST(PrintedPages, MissingSourcesAndUnwritableFilesAreRefused) {
    testing::TestApp();
    Model m;
    InputForm form(m, "2024-05-01");
    RatingTable table;
    testing::TempDir dir;
    std::string pdf = dir / "refused.pdf";
    EXPECT_THROW(WritePdf(pdf, {m, nullptr, &table, 1, ""}, kInputPages), std::invalid_argument);
    EXPECT_THROW(WritePdf(pdf, {m, &form, nullptr, 1, ""}, kTablePages), std::invalid_argument);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_THROW(WritePdf(dir / "no/such/folder/x.pdf", {m, &form, nullptr, 1, ""}, kInputPages),
                 std::runtime_error);
    EXPECT_THROW(WritePng(dir / "no/such/folder/x.png", {10, 10}, [](QPainter&, const QRectF&) {}),
                 std::runtime_error);
}

}  // namespace
}  // namespace kelp
