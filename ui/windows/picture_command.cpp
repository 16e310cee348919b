#include "ui/windows/picture_command.h"

#include <QHBoxLayout>
#include <QToolButton>

#include "ui/windows/clickable_label.h"

namespace kelp {

PictureCommand::PictureCommand(const QString& caption, QStyle::StandardPixmap picture,
                               QWidget* parent)
    : QWidget(parent), button_(new QToolButton(this)), caption_(new ClickableLabel(caption, this)) {
    button_->setIcon(style()->standardIcon(picture));
    button_->setIconSize(QSize(28, 28));
    button_->setAutoRaise(false);
    caption_->setWordWrap(true);
    caption_->setMinimumWidth(190);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(button_);
    row->addWidget(caption_, 1);
    connect(button_, &QToolButton::clicked, this, &PictureCommand::buttonClicked);
    connect(caption_, &ClickableLabel::clicked, this, &PictureCommand::captionClicked);
}

}  // namespace kelp
