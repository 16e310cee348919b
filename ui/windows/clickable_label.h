// A caption that acts like the control beside it: a click on the words of an
// option or a picture button runs the same command.
#pragma once

#include <QLabel>

namespace kelp {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kelp
