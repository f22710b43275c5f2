#include "widgets/appearance.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QStyleFactory>
#include <QWidget>

namespace vintaro {

QFont programFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void applyAppearance(QApplication &app)
{
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    app.setFont(programFont());
}

QColor rgb(unsigned value) { return QColor((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF); }

void setTextColour(QWidget *widget, const QColor &colour)
{
    if (widget->palette().color(QPalette::WindowText) == colour && widget->testAttribute(Qt::WA_SetPalette))
        return;
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::ButtonText, colour);
    pal.setColor(QPalette::Text, colour);
    widget->setPalette(pal);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

void setLabelText(QLabel *label, const QString &value)
{
    if (label->text() != value)
        label->setText(value);
}

void setButtonColour(QWidget *button, const QColor &colour)
{
    QPalette pal = button->palette();
    pal.setColor(QPalette::Button, colour);
    button->setPalette(pal);
}

} // namespace vintaro
