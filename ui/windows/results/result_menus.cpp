#include "ui/windows/results/result_menus.h"

#include <QMainWindow>
#include <QMenuBar>

#include "ui/windows/unit_menu.h"

namespace kelp {

ResultMenus AddResultMenus(QMainWindow* window, const char* unitTitle) {
    QMenu* file = window->menuBar()->addMenu("&File");
    ResultMenus menus{};
    // "&Return" alone answers R here.
    menus.printPreview = file->addAction("Print Pre&view");
    menus.print = file->addAction("&Print");
    file->addSeparator();
    menus.back = file->addAction("&Return");
    menus.exit = file->addAction("&Exit");
    menus.units = new UnitMenu(window->menuBar()->addMenu(unitTitle));
    menus.help = window->menuBar()->addMenu(kHelpMenuCaption)->addAction("&Operating Instructions");
    return menus;
}

}  // namespace kelp
