#pragma once
// A label for figures ("17", "32 736", "-0,25"), drawn as QLabel draws them
// but without shaping each new text: the glyphs and advances of the figure
// characters are learned once per font, and a text of them is set from those.
// The pixels are QLabel's; any other text, a word-wrapped, rich, selectable
// or disabled label, or a font the learned widths do not hold for, is left to
// QLabel.
#include <QLabel>

namespace vintaro {

class FigureLabel : public QLabel
{
    Q_OBJECT
public:
    explicit FigureLabel(const QString &text = {}, QWidget *parent = nullptr) : QLabel(text, parent) {}
    explicit FigureLabel(QWidget *parent) : QLabel(parent) {}

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // What this label's font sets figures with, found once per font.
    void *m_figures = nullptr;
};

} // namespace vintaro
