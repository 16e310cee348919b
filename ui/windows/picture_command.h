// A picture button with its caption beside it. Both run the command; a few
// commands differ by which of the two was clicked, so each reports its own.
#pragma once

#include <QStyle>
#include <QWidget>

class QToolButton;

namespace kelp {

class ClickableLabel;

class PictureCommand : public QWidget {
    Q_OBJECT
public:
    PictureCommand(const QString& caption, QStyle::StandardPixmap picture,
                   QWidget* parent = nullptr);

    QToolButton* button() const { return button_; }
    ClickableLabel* caption() const { return caption_; }

signals:
    void buttonClicked();
    void captionClicked();

private:
    QToolButton* button_;
    ClickableLabel* caption_;
};

}  // namespace kelp
