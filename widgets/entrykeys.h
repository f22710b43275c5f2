#pragma once
// The keys of spin entry, and the fields that take typed text of their own.
class QKeyEvent;
class QWidget;

namespace vintaro {

// Digits build a number; Enter or Space enters a waiting digit; Esc drops it;
// Backspace drops it or takes the newest spin back; Ctrl+Z takes it back.
enum class EntryKey { None, Digit, Confirm, Drop, Back, Undo };

EntryKey classifyEntryKey(const QKeyEvent &key);

// A field that takes typed text: a line edit, a number box, an editable text
// or combo box (read-only ones take none).
bool isTypingField(const QWidget *widget);

} // namespace vintaro
