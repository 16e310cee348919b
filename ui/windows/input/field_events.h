// The events of the input form's edit boxes: the key filter of the number
// fields, Enter as a move to the next field, pasted and dropped text, and the
// focus colour. Typed characters are judged by a key rule (the form's own
// unless a box brings another) against the box's text less its selection;
// editing keys (arrows, Home, End, Delete, Backspace, Tab and the Ctrl
// shortcuts) always pass.
#pragma once

#include <QObject>
#include <QString>
#include <cstddef>
#include <functional>
#include <map>
#include <string>

#include "form/input_form.h"

class QComboBox;
class QContextMenuEvent;
class QKeyEvent;
class QLineEdit;
class QWidget;

namespace kelp {

// Whether a box keeps a character typed at `position` into `text`, the box's
// text less what the character replaces. Enter (13) is never kept: the box
// moves the focus on instead.
using KeyRule = std::function<bool(const std::string& text, std::size_t position, char key)>;

// Whether text pasted or dropped at `position` would have passed the key
// rule had it been typed there character by character. `kept` is the box's
// text less what the paste replaces.
bool PasteAccepted(const KeyRule& rule, bool number, const QString& kept, int position,
                   const QString& pasted);

class FieldEvents : public QObject {
public:
    using FocusChange = std::function<void(Field, bool gained)>;

    FieldEvents(QObject* parent, FocusChange onFocus);

    // Filters the events of `edit`, the edit box of `field`, with the input
    // form's key filter of that field.
    void Watch(QLineEdit* edit, Field field);
    // The same with a rule of the box's own; `field` names the box's role
    // in the focus changes.
    void Watch(QLineEdit* edit, Field field, KeyRule rule);
    // A list takes its keys on the list itself, which hands them straight to
    // its edit box: Enter there moves to the next field and picks nothing.
    void WatchList(QComboBox* list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Box {
        Field field;
        KeyRule rule;
    };

    bool KeyPress(QLineEdit* edit, const Box& box, QKeyEvent* key);
    // Typed or pasted text the box does not take: beeps and returns true.
    bool Refused(QLineEdit* edit, const Box& box, const QString& inserted);
    void ContextMenu(QLineEdit* edit, const Box& box, QContextMenuEvent* event);

    FocusChange onFocus_;
    std::map<QObject*, Box> boxes_;
};

}  // namespace kelp
