#pragma once
// The companion windows of a main window (wheel, odds, …): a companion passes
// the spin-entry keys on to the main window outside its own text and number
// fields, opens beside the main window, and is remembered (place, size and
// whether open) in a settings file across restarts.
//
// A window becomes a companion with one line before it is first shown:
//     companions.adopt(window);
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSettings>
#include <QSize>

#include <functional>
#include <memory>
#include <utility>

class QTimer;
class QWidget;

namespace vintaro {

class FieldFocus;

class Companions : public QObject
{
public:
    // `home` is the main window's widget that holds the keys for spin entry;
    // an empty `settingsFile` keeps the places for this run only.
    Companions(QWidget *home, const QString &settingsFile);
    ~Companions() override;

    // Makes `window` (named by its objectName) a companion: where it stood
    // last time, or beside the main window; call before showing it.
    void adopt(QWidget *window);
    // Opens again each companion that was open when the program last ended.
    void reopen(const QList<std::pair<QString, std::function<void()>>> &openers);
    // Whether a key that reaches `widget` is for spin entry: anywhere in the
    // main window or a companion, outside a field that the player chose.
    bool hear(const QWidget *widget) const;
    // Sends the main window's keys back to spin entry.
    void giveKeysBack();
    // Writes the places of the open companions now.
    void save();

    // The inner size a companion would like and the least it can do with,
    // as its placement beside the main window counts them.
    static QSize wantedSize(const QWidget *window);
    static QSize leastSize(const QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Opens `window` beside the main window; `again` once its frame is known.
    void placeBeside(QWidget *window, bool again = false);
    void framedNow(QWidget *window);
    // The companions opened at the start, once the main window stands where
    // the window manager put it.
    void settleStart();
    // Moves the main window from under `window` where the screen allows.
    void clearMainOf(const QWidget *window);
    // Moves the main window's frame there.
    void moveMain(const QPoint &frameTopLeft);
    void keepOnScreen(QWidget *window);
    const FieldFocus *focusOf(const QWidget *window) const;

    QPointer<QWidget> m_main;
    FieldFocus *m_mainFocus = nullptr;
    QList<std::pair<QPointer<QWidget>, FieldFocus *>> m_windows;
    QSettings m_settings;
    bool m_keep = true; // the settings have a file
    QTimer *m_saveLater = nullptr;
    QPointer<QWidget> m_framing; // placed, its frame not drawn yet
    QSize m_border;              // a companion's frame around its inside, once known
    bool m_mainFramed = false;   // the window manager framed the main window
    bool m_mainSettled = false;  // … and its own moves are over
    // Placed beside the main window before it was framed.
    QList<QPointer<QWidget>> m_placedEarly;
    // Opened before the main window was framed (at a start): the ones the
    // main window's settling sorts out. One the player opens afterwards
    // stands beside the framed main window already.
    QList<QPointer<QWidget>> m_atStart;
};

} // namespace vintaro
