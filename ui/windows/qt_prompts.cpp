#include "ui/windows/qt_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

#include "ui/windows/field_focus.h"

namespace kelp {
namespace {

QString Title(const std::string& title) {
    return QString::fromStdString(title.empty() ? std::string(kProgramName) : title);
}

QMessageBox::StandardButtons StandardButtons(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok: return QMessageBox::Ok;
        case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon BoxIcon(Icon icon) {
    switch (icon) {
        case Icon::None: return QMessageBox::NoIcon;
        case Icon::Exclamation: return QMessageBox::Warning;
        case Icon::Question: return QMessageBox::Question;
        case Icon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

Answer AnswerOf(int pressed) {
    switch (pressed) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Cancel: return Answer::Cancel;
        default: return Answer::Ok;
    }
}

// "KELP Files(*.klp)" already names its pattern; a bare description gets it.
QString QtFilter(const FileFilter& filter) {
    QString description = QString::fromStdString(filter.description);
    if (description.contains('(')) return description;
    return description + " (" + QString::fromStdString(filter.pattern) + ")";
}

QWidget* DialogParent() {
    QWidget* active = QApplication::activeWindow();
    return active ? active : InputFormWindow();
}

}  // namespace

Answer QtPrompts::Ask(const std::string& text, const std::string& title, Buttons buttons,
                      Icon icon) {
    QMessageBox box(BoxIcon(icon), Title(title), QString::fromStdString(text),
                    StandardButtons(buttons), DialogParent());
    return AnswerOf(box.exec());
}

std::string QtPrompts::ChooseFile(bool save, const std::vector<FileFilter>& filters,
                                  int initial) {
    QStringList list;
    for (const FileFilter& filter : filters) list << QtFilter(filter);
    QString selected = initial >= 1 && initial <= list.size() ? list[initial - 1] : QString();
    // The document commands ask about overwriting themselves.
    QString path =
        save ? QFileDialog::getSaveFileName(DialogParent(), {}, {}, list.join(";;"), &selected,
                                            QFileDialog::DontConfirmOverwrite)
             : QFileDialog::getOpenFileName(DialogParent(), {}, {}, list.join(";;"), &selected);
    return path.toStdString();
}

std::optional<std::string> QtPrompts::InputText(const std::string& prompt,
                                                const std::string& title,
                                                const std::string& initial) {
    bool ok = false;
    QString text = QInputDialog::getText(DialogParent(), Title(title),
                                         QString::fromStdString(prompt), QLineEdit::Normal,
                                         QString::fromStdString(initial), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

// Nested commands share one hourglass; the pointer returns when the
// outermost one ends.
void QtPrompts::SetBusy(bool busy) {
    if (busy) {
        if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0 && --busyDepth_ == 0) {
        QApplication::restoreOverrideCursor();
    }
}

void QtPrompts::Focus(Field field) { FocusInputField(field); }

}  // namespace kelp
