#include "widgets/companions.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "widgets/fieldfocus.h"
#include "widgets/placement.h"

namespace vintaro {

namespace {

QString key(const QWidget *window, const char *what)
{
    return window->objectName() + QLatin1Char('/') + QLatin1String(what);
}

// A window's frame size from its inner size, with the frame of `framed`.
QSize framed(const QSize &inner, const QWidget *frameOf)
{
    const QRect frame = frameOf->frameGeometry();
    const QRect inside = frameOf->geometry();
    return inner + (frame.size() - inside.size());
}

} // namespace

Companions::Companions(QWidget *home, const QString &settingsFile)
    : m_main(home->window()), m_mainFocus(new FieldFocus(home)), m_settings(settingsFile, QSettings::IniFormat),
      m_keep(!settingsFile.isEmpty())
{
    m_saveLater = new QTimer(this);
    m_saveLater->setSingleShot(true);
    m_saveLater->setInterval(400);
    connect(m_saveLater, &QTimer::timeout, this, &Companions::save);
    m_main->installEventFilter(this);
}

Companions::~Companions() { save(); }

void Companions::adopt(QWidget *window)
{
    m_windows.removeIf([](const auto &entry) { return entry.first.isNull(); });
    m_windows.append({window, new FieldFocus(window)});
    const QByteArray place = m_settings.value(key(window, "geometry")).toByteArray();
    if (!m_mainFramed) {
        m_atStart.removeAll(nullptr);
        m_atStart << window;
    }
    if (place.isEmpty() || !window->restoreGeometry(place)) {
        placeBeside(window);
        // Placed beside a main window the window manager may still move:
        // placed again once it stands.
        if (!m_mainFramed) {
            m_placedEarly.removeAll(nullptr);
            m_placedEarly << window;
        }
    } else {
        keepOnScreen(window);
        clearMainOf(window);
    }
    window->installEventFilter(this);
}

QSize Companions::wantedSize(const QWidget *window) { return window->size().expandedTo(window->sizeHint()); }

QSize Companions::leastSize(const QWidget *window)
{
    return window->minimumSizeHint().expandedTo(window->minimumSize());
}

void Companions::clearMainOf(const QWidget *window)
{
    // The main window opens where the window manager puts it; a companion
    // back at its remembered place may stand over it: the main window steps
    // aside when the screen has room for that, once the window manager has
    // placed it.
    const QScreen *screen = m_main ? m_main->screen() : nullptr;
    if (!screen || !m_mainFramed)
        return;
    const QSize border = m_border.isValid() ? m_border : framed(QSize(0, 0), m_main);
    const QRect mainFrame = m_main->frameGeometry();
    const QRect moved = clearOf(mainFrame, QRect(window->pos(), window->size() + border), screen->availableGeometry());
    if (moved != mainFrame)
        moveMain(moved.topLeft());
}

void Companions::moveMain(const QPoint &frameTopLeft) { m_main->move(frameTopLeft); }

void Companions::keepOnScreen(QWidget *window)
{
    // A saved place may come from a larger screen, or from a settings file
    // edited by hand: the window stays whole on the free area of the screen.
    const QScreen *screen = m_main ? m_main->screen() : window->screen();
    if (!screen)
        return;
    const QRect saved = window->geometry();
    const QRect fitted = clampedInto(saved, screen->availableGeometry());
    if (fitted != saved)
        window->setGeometry(fitted);
}

void Companions::placeBeside(QWidget *window, bool again)
{
    if (!m_main)
        return;
    // A companion's frame is known once one was framed; until then the main
    // window's stands in for it.
    const QSize border = m_border.isValid() ? m_border : framed(QSize(0, 0), m_main);
    if (!again)
        m_framing = window;
    QList<QWidget *> others;
    QList<OpenCompanion> open;
    for (const auto &[other, focus] : m_windows)
        if (other && other != window && other->isVisible()) {
            others << other;
            open << OpenCompanion{other->frameGeometry(), leastSize(other) + border};
        }
    const QScreen *screen = m_main->screen();
    const QRect free = screen ? screen->availableGeometry() : m_main->frameGeometry();
    const QRect mainFrame = m_main->frameGeometry();
    const Arrangement place =
        arrange(mainFrame, wantedSize(window) + border, leastSize(window) + border, free, open);
    // No side had room: the main window steps aside rather than be covered,
    // and the companions it would cover step aside with it.
    if (place.main != mainFrame)
        moveMain(place.main.topLeft());
    auto put = [&](QWidget *w, const QRect &frame) {
        w->resize(frame.size() - border);
        w->move(frame.topLeft());
    };
    for (qsizetype i = 0; i < others.size(); ++i)
        if (place.open[i] != open[i].frame)
            put(others[i], place.open[i]);
    put(window, place.companion);
}

void Companions::framedNow(QWidget *window)
{
    // The window manager drew the frame (a resizable window's may be deeper
    // than the fixed main window's): placed again when it does not fit.
    m_framing = nullptr;
    m_border = window->frameGeometry().size() - window->geometry().size();
    const QScreen *screen = m_main ? m_main->screen() : nullptr;
    if (!screen)
        return;
    const QRect frame = window->frameGeometry();
    if (screen->availableGeometry().contains(frame) && !frame.intersects(m_main->frameGeometry()))
        return;
    QMetaObject::invokeMethod(
        this, [this, w = QPointer<QWidget>(window)] { if (w) placeBeside(w, true); }, Qt::QueuedConnection);
}

void Companions::settleStart()
{
    m_mainSettled = true;
    const QList<QPointer<QWidget>> early = std::exchange(m_placedEarly, {});
    const QList<QPointer<QWidget>> atStart = std::exchange(m_atStart, {});
    const QScreen *screen = m_main ? m_main->screen() : nullptr;
    if (!screen)
        return;
    const QSize border = m_border.isValid() ? m_border : framed(QSize(0, 0), m_main);
    QList<QWidget *> windows;
    QList<StartingCompanion> starting;
    // Moving a window the window manager has not framed yet, while an
    // earlier move is on its way, can leave it off by its frame: only the
    // windows of the start are settled here.
    for (const auto &[companion, focus] : m_windows)
        if (companion && companion->isVisible() && atStart.contains(companion)) {
            windows << companion;
            starting << StartingCompanion{QRect(companion->pos(), companion->size() + border),
                                          !early.contains(companion), wantedSize(companion) + border,
                                          leastSize(companion) + border};
        }
    const QRect mainFrame = m_main->frameGeometry();
    const Settled settled = settledAtStart(mainFrame, starting, screen->availableGeometry());
    if (settled.main != mainFrame)
        moveMain(settled.main.topLeft());
    for (qsizetype i = 0; i < windows.size(); ++i)
        if (settled.frames[i] != starting[i].frame) {
            windows[i]->resize(settled.frames[i].size() - border);
            windows[i]->move(settled.frames[i].topLeft());
        }
}

void Companions::reopen(const QList<std::pair<QString, std::function<void()>>> &openers)
{
    for (const auto &[name, open] : openers)
        if (m_settings.value(name + QStringLiteral("/open")).toBool())
            open();
}

const FieldFocus *Companions::focusOf(const QWidget *window) const
{
    if (window == m_main)
        return m_mainFocus;
    for (const auto &[companion, focus] : m_windows)
        if (companion == window)
            return focus;
    return nullptr;
}

bool Companions::hear(const QWidget *widget) const
{
    const FieldFocus *focus = widget ? focusOf(widget->window()) : nullptr;
    return focus && !focus->typingIn(widget);
}

void Companions::giveKeysBack() { m_mainFocus->giveKeysBack(); }

void Companions::save()
{
    m_saveLater->stop();
    if (!m_keep)
        return;
    for (const auto &[window, focus] : m_windows)
        if (window && window->isVisible())
            m_settings.setValue(key(window, "geometry"), window->saveGeometry());
    m_settings.sync();
}

bool Companions::eventFilter(QObject *watched, QEvent *event)
{
    auto *window = qobject_cast<QWidget *>(watched);
    if (window == m_main) {
        // Once the window manager has placed and framed the main window, it
        // steps from under the companions that came back at their places.
        const QEvent::Type type = event->type();
        if (!m_mainFramed && (type == QEvent::Move || type == QEvent::Resize) && window->isVisible() &&
            window->frameGeometry() != window->geometry()) {
            m_mainFramed = true;
            // After the window manager's own moves are over.
            QTimer::singleShot(200, this, &Companions::settleStart);
        }
        return false;
    }
    switch (event->type()) {
    case QEvent::Show:
        m_settings.setValue(key(window, "open"), true);
        m_saveLater->start();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (window->isVisible())
            m_saveLater->start();
        if (window == m_framing && window->isVisible() && window->frameGeometry() != window->geometry())
            framedNow(window);
        break;
    case QEvent::Close:
        // Closed by the player; the program ending closes none of them.
        m_settings.setValue(key(window, "geometry"), window->saveGeometry());
        m_settings.setValue(key(window, "open"), false);
        if (m_keep)
            m_settings.sync();
        break;
    default: break;
    }
    return false;
}

} // namespace vintaro
