#include "widgets/appearance.h"

#include <algorithm>

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QPalette>
#include <QStyleFactory>
#include <QWidget>

#include <cmath>
#include <cstdio>

namespace vintaro {

QFont programFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

bool loadProgramFont(const QString &fontFolder, QString *warning)
{
    // By file, so that fontconfig's choice of a look-alike (DejaVu Sans, whose
    // wider letters clip the captions) never stands in unnoticed.
    bool loaded = true;
    for (const char *file : {"LiberationSans-Bold.ttf", "LiberationSans-Regular.ttf"}) {
        const int id = QFontDatabase::addApplicationFont(QDir(fontFolder).filePath(QLatin1String(file)));
        loaded = loaded && id >= 0
                 && QFontDatabase::applicationFontFamilies(id).contains(QStringLiteral("Liberation Sans"));
    }
    if (!loaded && warning)
        *warning = QCoreApplication::translate("Appearance",
                                               "vintaro2011: a Liberation Sans betűtípus nem található (%1); a "
                                               "Debian fonts-liberation2 csomagja hozza. Helyette más betűtípus "
                                               "áll, és egyes feliratok nem férnek el a helyükön.\n")
                       .arg(QDir::toNativeSeparators(fontFolder));
    return loaded;
}

QString betText(std::string_view name)
{
    const std::string key(name);
    return QCoreApplication::translate("Bets", key.c_str());
}

void applyAppearance(QApplication &app)
{
    static bool warned = false;
    QString warning;
    if (!loadProgramFont(QString::fromLatin1(kLiberationFolder), &warning) && !warned) {
        warned = true;
        std::fputs(warning.toLocal8Bit().constData(), stderr);
    }
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    app.setFont(programFont());
}

void enlargeFont(QWidget *widget, double factor)
{
    QFont font = widget->font();
    if (font.pixelSize() > 0)
        font.setPixelSize(int(std::lround(font.pixelSize() * factor)));
    else
        font.setPointSizeF(font.pointSizeF() * factor);
    widget->setFont(font);
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

void fillFaceUnder(QLabel *label)
{
    QWidget *face = label->parentWidget();
    if (!face || label->autoFillBackground() || label->backgroundRole() != face->backgroundRole())
        return;
    const QBrush ground = face->palette().brush(face->backgroundRole());
    if (!face->autoFillBackground() || ground.style() != Qt::SolidPattern || !ground.isOpaque())
        return;
    // Over or under another control, the label leaves it to the face.
    const QList<QWidget *> others = face->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    if (std::any_of(others.begin(), others.end(), [label](const QWidget *other) {
            return other != label && other->geometry().intersects(label->geometry());
        }))
        return;
    setBackground(label, ground.color());
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
