// The events of the input form's edit boxes: the key filter of the number
// fields, Enter as a move to the next field, pasted and dropped text, and the
// focus colour. Typed characters are judged by the form's key filter against
// the box's own text;
// editing keys (arrows, Home, End, Delete, Backspace, Tab and the Ctrl
// shortcuts) always pass.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>

#include "ui/input/input_form.h"

class QContextMenuEvent;
class QKeyEvent;
class QLineEdit;

namespace kelp {

// Whether text pasted or dropped into a field would have passed the key
// filter had it been typed: every character, and at most one point in what
// the field then holds. `kept` is the field's text less what the paste
// replaces.
bool PasteAccepted(Field field, const QString& kept, const QString& pasted);

class FieldEvents : public QObject {
public:
    using FocusChange = std::function<void(Field, bool gained)>;

    FieldEvents(QObject* parent, FocusChange onFocus);

    // Filters the events of `edit`, the edit box of `field`.
    void Watch(QLineEdit* edit, Field field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool KeyPress(QLineEdit* edit, Field field, QKeyEvent* key);
    bool Paste(QLineEdit* edit, Field field, const QString& pasted);
    void ContextMenu(QLineEdit* edit, Field field, QContextMenuEvent* event);

    FocusChange onFocus_;
    std::map<QObject*, Field> fields_;
};

}  // namespace kelp
