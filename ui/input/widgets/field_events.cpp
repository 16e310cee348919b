#include "ui/input/widgets/field_events.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

namespace kelp {
namespace {

constexpr char kEnterKey = 13;

// Keys that move the cursor or edit without typing a character carry no
// printable text: arrows, Home, End, Delete, Tab and the Ctrl shortcuts.
// Backspace is judged by the filter like a character (it always passes).
bool TypesText(const QKeyEvent* key) {
    const QString text = key->text();
    if (text.isEmpty()) return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    return text[0].unicode() >= 0x20 && text[0].unicode() != 0x7F;
}

bool IsEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// A character outside ASCII is no digit: only the free-text fields take it.
bool CharacterAccepted(Field field, const QString& text, QChar c) {
    if (c.unicode() > 0x7F) return !InputForm::IsNumberField(field);
    return InputForm::KeyAccepted(field, text.toStdString(), static_cast<char>(c.unicode()));
}

QString TextWithoutSelection(const QLineEdit* edit) {
    QString text = edit->text();
    if (edit->hasSelectedText()) text.remove(edit->selectionStart(), edit->selectedText().size());
    return text;
}

void MoveToNextField(QLineEdit* edit) {
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &tab);
}

QString ClipboardText() { return QApplication::clipboard()->text(); }

}  // namespace

bool PasteAccepted(Field field, const QString& kept, const QString& pasted) {
    if (!InputForm::IsNumberField(field)) return true;
    if (kept.count('.') + pasted.count('.') > 1) return false;
    for (QChar c : pasted)
        if (c != '.' && !CharacterAccepted(field, QString(), c)) return false;
    return true;
}

FieldEvents::FieldEvents(QObject* parent, FocusChange onFocus)
    : QObject(parent), onFocus_(std::move(onFocus)) {}

void FieldEvents::Watch(QLineEdit* edit, Field field) {
    fields_[edit] = field;
    edit->installEventFilter(this);
}

bool FieldEvents::eventFilter(QObject* watched, QEvent* event) {
    auto found = fields_.find(watched);
    if (found == fields_.end()) return false;
    auto* edit = static_cast<QLineEdit*>(watched);
    Field field = found->second;
    switch (event->type()) {
        case QEvent::KeyPress: return KeyPress(edit, field, static_cast<QKeyEvent*>(event));
        case QEvent::Drop: {
            const QMimeData* data = static_cast<QDropEvent*>(event)->mimeData();
            return !PasteAccepted(field, edit->text(), data ? data->text() : QString());
        }
        case QEvent::ContextMenu:
            ContextMenu(edit, field, static_cast<QContextMenuEvent*>(event));
            return true;
        case QEvent::FocusIn: onFocus_(field, true); break;
        case QEvent::FocusOut: onFocus_(field, false); break;
        default: break;
    }
    return false;
}

// Returns true when the key is discarded.
bool FieldEvents::KeyPress(QLineEdit* edit, Field field, QKeyEvent* key) {
    if (key->matches(QKeySequence::Paste)) return Paste(edit, field, ClipboardText());
    if (IsEnter(key)) {
        if (InputForm::KeyAccepted(field, edit->text().toStdString(), kEnterKey)) return false;
        MoveToNextField(edit);
        return true;
    }
    if (!TypesText(key)) return false;
    for (QChar c : key->text()) {
        if (!CharacterAccepted(field, edit->text(), c)) {
            QApplication::beep();
            return true;
        }
    }
    return false;
}

bool FieldEvents::Paste(QLineEdit* edit, Field field, const QString& pasted) {
    if (PasteAccepted(field, TextWithoutSelection(edit), pasted)) return false;
    QApplication::beep();
    return true;
}

// The box's own menu, with Paste offered only for text the field would take.
void FieldEvents::ContextMenu(QLineEdit* edit, Field field, QContextMenuEvent* event) {
    QMenu* menu = edit->createStandardContextMenu();
    for (QAction* action : menu->actions())
        if (action->objectName() == "edit-paste" &&
            !PasteAccepted(field, TextWithoutSelection(edit), ClipboardText()))
            action->setEnabled(false);
    menu->exec(event->globalPos());
    delete menu;
}

}  // namespace kelp
