// Form1: spins typed on the keyboard. Digits build the number (a first 1, 2
// or 3 waits for a second digit), Enter or Space enters a waiting digit, Esc
// drops it, Backspace drops it or takes the newest spin back, Ctrl+Z takes
// the newest spin back. They come from the main window and its companions;
// the room box Text1 (and a companion's own field) keeps its keys once the
// player chose it.
#include "mainwindow/form1.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <functional>

#include "widgets/appearance.h"
#include "widgets/companions.h"
#include "widgets/entrykeys.h"
#include "widgets/sscommand.h"

namespace vintaro {

namespace {

constexpr unsigned kPendingGrey = 0x808080;

// Sees every key event of the application before its receiver does.
class KeyWatcher : public QObject
{
public:
    explicit KeyWatcher(std::function<bool(QObject *, QEvent *)> handler) : m_handler(std::move(handler)) {}
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress && type != QEvent::KeyRelease)
            return false;
        return m_handler(watched, event);
    }

private:
    std::function<bool(QObject *, QEvent *)> m_handler;
};

} // namespace

void Form1::installEntryKeys()
{
    m_keyWatcher = std::make_unique<KeyWatcher>([this](QObject *o, QEvent *e) { return entryKey(o, e); });
    qApp->installEventFilter(m_keyWatcher.get());
    // A spin entered or taken back any other way ends a waiting digit; Label3
    // already shows the usual text then.
    connect(this, &Form1::historyChanged, this, [this] { m_pendingDigit = -1; });
}

bool Form1::entryKey(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || !m_companions->hear(widget))
        return false;
    const auto &key = static_cast<const QKeyEvent &>(*event);
    const EntryKey kind = classifyEntryKey(key);
    if (kind == EntryKey::None || (kind == EntryKey::Drop && m_pendingDigit < 0))
        return false;
    // From here on the key is ours alone: no shortcut, and no focused button
    // sees its press or release.
    if (type == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (type == QEvent::KeyRelease || key.isAutoRepeat())
        return true;

    const int pending = m_pendingDigit;
    switch (kind) {
    case EntryKey::Digit: {
        const int digit = key.key() - Qt::Key_0;
        if (pending >= 0) {
            dropPendingDigit();
            if (10 * pending + digit <= kHighestNumber)
                pressEntryButton(10 * pending + digit);
            else
                QApplication::beep();
        } else if (digit >= 1 && digit <= 3) {
            m_pendingDigit = digit;
            setLabelText(m_label3, QString::number(digit));
            setTextColour(m_label3, rgb(kPendingGrey));
        } else {
            pressEntryButton(digit);
        }
        break;
    }
    case EntryKey::Confirm:
        if (pending >= 0) {
            dropPendingDigit();
            pressEntryButton(pending);
        }
        break;
    case EntryKey::Drop: dropPendingDigit(); break;
    case EntryKey::Back:
        if (pending >= 0)
            dropPendingDigit();
        else
            undoSpin();
        break;
    case EntryKey::Undo:
        if (pending >= 0)
            dropPendingDigit();
        undoSpin();
        break;
    case EntryKey::None: break;
    }
    return true;
}

void Form1::pressEntryButton(int number)
{
    if (isNumber(number))
        m_entryGrid[static_cast<size_t>(number)]->click();
}

void Form1::dropPendingDigit()
{
    m_pendingDigit = -1;
    showSpunNumber();
}

} // namespace vintaro
