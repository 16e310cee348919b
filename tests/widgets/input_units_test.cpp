#include <QAction>
#include <QLabel>

#include "support/temp_dir.h"
#include "ui/widgets/unit_menu.h"
#include "widgets/desktop_fixture.h"

namespace kelp::testing {
namespace {

// A result window switched to metric keeps that unit until it returns; the
// input form's commands in the meantime still read its fields in its own unit.
class InputUnitsTest : public DesktopTest {
protected:
    InputUnitsTest() {
        TypeProject();
        ClickDesign();
        EXPECT_TRUE(desktop.output().isVisible());
        desktop.output().unitMenu()->metric()->trigger();
        EXPECT_EQ(model.UnitSystem, 2);
    }
};

TEST_F(InputUnitsTest, ARunFromTheInputFormReadsItsFieldsInItsOwnUnit) {
    ClickDesign();
    EXPECT_EQ(model.DesignQ, 120.0f);
    EXPECT_EQ(Value("Discharge"), "120.0");
    EXPECT_EQ(model.UnitSystem, 1);

    desktop.output().unitMenu()->metric()->trigger();
    ClickRange();
    ASSERT_TRUE(desktop.table().isVisible());
    EXPECT_EQ(desktop.table().cell(3, 0), "120.0");
}

TEST_F(InputUnitsTest, ASaveFromTheInputFormWritesItsFieldsInItsOwnUnit) {
    TempDir dir;
    prompts.files = {dir / "saved.klp"};
    for (QAction* action : start().findChildren<QAction*>())
        if (action->text() == "&Save") action->trigger();
    std::string text = Slurp(dir / "saved.klp");
    EXPECT_NE(text.find("\r\n30,120,400,1\r\n"), std::string::npos) << text;
    // The result window's unit is back once the save is done.
    EXPECT_EQ(model.UnitSystem, 2);
}

}  // namespace
}  // namespace kelp::testing
