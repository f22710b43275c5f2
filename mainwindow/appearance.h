#pragma once
// The look shared by every window: style, font and colours.
#include <QColor>
#include <QFont>
#include <QString>

class QApplication;
class QWidget;

namespace vintaro {

// Stands in for "MS Sans Serif" 8.25 pt bold.
QFont programFont();
void applyAppearance(QApplication &app);

QColor rgb(unsigned value); // 0xRRGGBB
void setTextColour(QWidget *widget, const QColor &colour);
void setBackground(QWidget *widget, const QColor &colour);
void setButtonColour(QWidget *button, const QColor &colour);

// UTF-8 literal to QString.
inline QString u8(const char *text) { return QString::fromUtf8(text); }

inline const QString kMessageTitle = QStringLiteral("Pelmondo/2011");

} // namespace vintaro
