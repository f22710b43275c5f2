#pragma once
// The look shared by every window: style, font and colours.
#include <QColor>
#include <QFont>
#include <QString>

#include <string>
#include <string_view>

class QApplication;
class QLabel;
class QWidget;

namespace vintaro {

// Stands in for "MS Sans Serif" 8.25 pt bold.
QFont programFont();
// Where Debian's fonts-liberation2 puts Liberation Sans.
inline constexpr const char *kLiberationFolder = "/usr/share/fonts/truetype/liberation2";
// Loads Liberation Sans (bold and regular) from `fontFolder`; false, and a
// Hungarian line for standard error in `warning`, when it is not there.
bool loadProgramFont(const QString &fontFolder, QString *warning = nullptr);
// The program's style and font; warns once on standard error when the font
// is missing.
void applyAppearance(QApplication &app);

// A widget's font `factor` times larger, whether it is sized in points or, as
// the program's font is, in pixels.
void enlargeFont(QWidget *widget, double factor);

QColor rgb(unsigned value); // 0xRRGGBB
void setTextColour(QWidget *widget, const QColor &colour);
void setBackground(QWidget *widget, const QColor &colour);
void setButtonColour(QWidget *button, const QColor &colour);
// A label lying alone on a face of one plain colour fills that colour in
// itself. A new text then repaints the label alone, where Qt would repaint
// the face beneath it too, keeping a region of every such label to do so;
// the pixels stay the same. For labels that change with every spin: each
// label filled in makes the face's own bookkeeping dearer when it repaints.
void fillFaceUnder(QLabel *label);

// Sets a label's text only when it changes, sparing a repaint.
void setLabelText(QLabel *label, const QString &value);
inline QString text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// The name of a bet or wheel sector (core's rowCaption, sectorName, the
// odds table's bets) in the chosen language: core marks them for the
// translation in the context "Bets"; a number stays as it is.
QString betText(std::string_view name);

// UTF-8 literal to QString.
inline QString u8(const char *text) { return QString::fromUtf8(text); }

inline const QString kMessageTitle = QStringLiteral("Pelmondo/2011");

} // namespace vintaro
