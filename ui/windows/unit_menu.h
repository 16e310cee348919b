// The "&English" / "&Metric" pair of a window's unit menu: two checkable
// items of which one is checked.
#pragma once

#include <QObject>

class QAction;
class QMenu;

namespace kelp {

// The captions of the unit menus: the input form and the result form say
// "&Unit", the rating table "&Units".
inline constexpr const char* kUnitMenuCaption = "&Unit";
inline constexpr const char* kTableUnitMenuCaption = "&Units";
// The help menu of every window.
inline constexpr const char* kHelpMenuCaption = "&Help";

class UnitMenu : public QObject {
    Q_OBJECT
public:
    // Adds the two items to `menu`.
    explicit UnitMenu(QMenu* menu);

    void SetMetric(bool metric);
    bool Metric() const { return metricChecked_; }
    QAction* english() const { return english_; }
    QAction* metric() const { return metric_; }

signals:
    // The user chose an item (also the one already checked).
    void chosen(bool metric);

private:
    QAction* english_;
    QAction* metric_;
    bool metricChecked_ = false;
};

}  // namespace kelp
