#include "ui/windows/input/field_events.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
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
bool CharacterAccepted(const KeyRule& rule, bool number, const QString& text, int position,
                       QChar c) {
    if (c.unicode() > 0x7F) return !number;
    return rule(text.toStdString(), static_cast<std::size_t>(position),
                static_cast<char>(c.unicode()));
}

QString TextWithoutSelection(const QLineEdit* edit) {
    QString text = edit->text();
    if (edit->hasSelectedText()) text.remove(edit->selectionStart(), edit->selectedText().size());
    return text;
}

// Where typed or pasted text goes: over the selection, else at the cursor.
int InsertPosition(const QLineEdit* edit) {
    return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
}

void MoveToNextField(QWidget* control) {
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &tab);
}

QString ClipboardText() { return QApplication::clipboard()->text(); }

}  // namespace

bool PasteAccepted(const KeyRule& rule, bool number, const QString& kept, int position,
                   const QString& pasted) {
    if (!number) return true;
    QString text = kept;
    for (QChar c : pasted) {
        if (!CharacterAccepted(rule, number, text, position, c)) return false;
        text.insert(position++, c);
    }
    return true;
}

FieldEvents::FieldEvents(QObject* parent, FocusChange onFocus)
    : QObject(parent), onFocus_(std::move(onFocus)) {}

void FieldEvents::Watch(QLineEdit* edit, Field field) {
    Watch(edit, field, [field](const std::string& text, std::size_t, char key) {
        return InputForm::KeyAccepted(field, text, key);
    });
}

void FieldEvents::Watch(QLineEdit* edit, Field field, KeyRule rule) {
    boxes_[edit] = Box{field, std::move(rule)};
    edit->installEventFilter(this);
}

void FieldEvents::WatchList(QComboBox* list) { list->installEventFilter(this); }

bool FieldEvents::eventFilter(QObject* watched, QEvent* event) {
    auto found = boxes_.find(watched);
    if (found == boxes_.end()) {
        auto* list = qobject_cast<QComboBox*>(watched);
        if (!list || event->type() != QEvent::KeyPress ||
            !IsEnter(static_cast<QKeyEvent*>(event)))
            return false;
        MoveToNextField(list);
        return true;
    }
    auto* edit = static_cast<QLineEdit*>(watched);
    const Box& box = found->second;
    switch (event->type()) {
        case QEvent::KeyPress: return KeyPress(edit, box, static_cast<QKeyEvent*>(event));
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QMimeData* data = drop->mimeData();
            return !PasteAccepted(box.rule, InputForm::IsNumberField(box.field), edit->text(),
                                  edit->cursorPositionAt(drop->position().toPoint()),
                                  data ? data->text() : QString());
        }
        case QEvent::ContextMenu:
            ContextMenu(edit, box, static_cast<QContextMenuEvent*>(event));
            return true;
        case QEvent::FocusIn: onFocus_(box.field, true); break;
        case QEvent::FocusOut: onFocus_(box.field, false); break;
        default: break;
    }
    return false;
}

// Returns true when the key is discarded.
bool FieldEvents::KeyPress(QLineEdit* edit, const Box& box, QKeyEvent* key) {
    if (key->matches(QKeySequence::Paste)) return Refused(edit, box, ClipboardText());
    if (IsEnter(key)) {
        if (box.rule(TextWithoutSelection(edit).toStdString(),
                     static_cast<std::size_t>(InsertPosition(edit)), kEnterKey))
            return false;
        MoveToNextField(edit);
        return true;
    }
    return TypesText(key) && Refused(edit, box, key->text());
}

bool FieldEvents::Refused(QLineEdit* edit, const Box& box, const QString& inserted) {
    if (PasteAccepted(box.rule, InputForm::IsNumberField(box.field), TextWithoutSelection(edit),
                      InsertPosition(edit), inserted))
        return false;
    QApplication::beep();
    return true;
}

// The box's own menu, with Paste offered only for text the field would take.
void FieldEvents::ContextMenu(QLineEdit* edit, const Box& box, QContextMenuEvent* event) {
    QMenu* menu = edit->createStandardContextMenu();
    for (QAction* action : menu->actions())
        if (action->objectName() == "edit-paste" &&
            !PasteAccepted(box.rule, InputForm::IsNumberField(box.field),
                           TextWithoutSelection(edit), InsertPosition(edit), ClipboardText()))
            action->setEnabled(false);
    menu->exec(event->globalPos());
    delete menu;
}

}  // namespace kelp
