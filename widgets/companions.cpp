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
}

Companions::~Companions() { save(); }

void Companions::adopt(QWidget *window)
{
    m_windows.removeIf([](const auto &entry) { return entry.first.isNull(); });
    m_windows.append({window, new FieldFocus(window)});
    const QByteArray place = m_settings.value(key(window, "geometry")).toByteArray();
    if (place.isEmpty() || !window->restoreGeometry(place))
        placeBeside(window);
    else
        keepOnScreen(window);
    window->installEventFilter(this);
}

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

void Companions::placeBeside(QWidget *window)
{
    if (!m_main)
        return;
    QList<QRect> taken;
    for (const auto &[other, focus] : m_windows)
        if (other && other != window && other->isVisible())
            taken << other->frameGeometry();
    const QScreen *screen = m_main->screen();
    const QRect free = screen ? screen->availableGeometry() : m_main->frameGeometry();
    const QSize wanted = window->size().expandedTo(window->sizeHint());
    const QSize border = framed(QSize(0, 0), m_main);
    const QRect frame = besideMain(m_main->frameGeometry(), wanted + border,
                                   window->minimumSizeHint().expandedTo(window->minimumSize()) + border, free, taken);
    window->resize(frame.size() - border);
    window->move(frame.topLeft());
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
    switch (event->type()) {
    case QEvent::Show:
        m_settings.setValue(key(window, "open"), true);
        m_saveLater->start();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (window->isVisible())
            m_saveLater->start();
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
