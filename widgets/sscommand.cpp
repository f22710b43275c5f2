#include "widgets/sscommand.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace vintaro {

SSCommand::SSCommand(QWidget *parent) : QPushButton(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
}

SSCommand *SSCommand::create(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *button = new SSCommand(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setGeometry(geometry);
    return button;
}

void SSCommand::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    setIcon(picture.isNull() ? QIcon() : QIcon(picture));
    update();
}

void SSCommand::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QRect face = rect().adjusted(2, 2, -2, -2);
    if (!m_picture.isNull())
        painter.drawPixmap(face, m_picture);
    if (!text().isEmpty()) {
        const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
        painter.setPen(palette().color(group, QPalette::ButtonText));
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
}

void SSCommand::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    QPushButton::mouseMoveEvent(event);
}

} // namespace vintaro
