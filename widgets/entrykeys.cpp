#include "widgets/entrykeys.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace vintaro {

EntryKey classifyEntryKey(const QKeyEvent &key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier && key.key() == Qt::Key_Z)
        return EntryKey::Undo;
    if (key.key() >= Qt::Key_0 && key.key() <= Qt::Key_9 && (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier)
        return EntryKey::Digit;
    if (modifiers != Qt::NoModifier)
        return EntryKey::None;
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: return EntryKey::Confirm;
    case Qt::Key_Escape: return EntryKey::Drop;
    case Qt::Key_Backspace: return EntryKey::Back;
    default: return EntryKey::None;
    }
}

bool isTypingField(const QWidget *widget)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(widget))
        return !line->isReadOnly();
    if (const auto *number = qobject_cast<const QAbstractSpinBox *>(widget))
        return !number->isReadOnly();
    if (const auto *text = qobject_cast<const QTextEdit *>(widget))
        return !text->isReadOnly();
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(widget))
        return !plain->isReadOnly();
    if (const auto *combo = qobject_cast<const QComboBox *>(widget))
        return combo->isEditable();
    return false;
}

} // namespace vintaro
