#include "ui/windows/unit_menu.h"

#include <QAction>
#include <QMenu>

namespace kelp {

UnitMenu::UnitMenu(QMenu* menu)
    : QObject(menu), english_(menu->addAction("&English")), metric_(menu->addAction("&Metric")) {
    english_->setObjectName("mnuEnglish");
    metric_->setObjectName("mnuMetric");
    english_->setCheckable(true);
    metric_->setCheckable(true);
    SetMetric(false);
    // A click toggles an item by itself; the check marks are put back to the
    // unit in force and the owner moves them when it takes the choice.
    for (bool metric : {false, true}) {
        connect(metric ? metric_ : english_, &QAction::triggered, this, [this, metric] {
            SetMetric(metricChecked_);
            emit chosen(metric);
        });
    }
}

void UnitMenu::SetMetric(bool metric) {
    metricChecked_ = metric;
    english_->setChecked(!metric);
    metric_->setChecked(metric);
}

}  // namespace kelp
