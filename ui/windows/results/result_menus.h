// The menus both result windows carry: "&File" with print, return and exit,
// the unit menu and "&Help".
#pragma once

class QAction;
class QMainWindow;

namespace kelp {

class UnitMenu;

struct ResultMenus {
    QAction* printPreview;
    QAction* print;
    QAction* back;  // "&Return"
    QAction* exit;
    UnitMenu* units;
    QAction* help;
};

// `unitTitle` is the unit menu's caption ("&Unit" or "&Units").
ResultMenus AddResultMenus(QMainWindow* window, const char* unitTitle);

}  // namespace kelp
