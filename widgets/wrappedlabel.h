#pragma once
// A label whose text wraps at word boundaries, as QLabel with word wrap, that
// remembers the heights it measured for its text: a window's layout asks
// every wrapped label for its height at a width several times whenever any
// text in it changes, and a label whose text stayed the same answers without
// laying its sentences out again. A plain text is laid out once for the width
// it is measured at and drawn from that same layout, where QLabel lays it out
// again to draw it; the pixels are QLabel's.
#include <QLabel>
#include <QMargins>
#include <QTextLayout>

#include <array>
#include <memory>
#include <vector>

namespace vintaro {

class WrappedLabel : public QLabel
{
    Q_OBJECT
public:
    explicit WrappedLabel(const QString &text = {}, QWidget *parent = nullptr);
    explicit WrappedLabel(QWidget *parent) : WrappedLabel(QString(), parent) {}

    int heightForWidth(int width) const override;

    // For a paragraph that changes with every spin in a window that scrolls
    // (where the hints only say when to scroll): the size hints follow from
    // the font alone, a line of 80 average characters and one line, rather
    // than from laying each new text out five times as QLabel does.
    void setHintsFromFont(bool on);
    // Keeps room for at least `lines` lines, so that what lies below stays
    // still while a text changes between a shorter and a longer form.
    void setLeastLines(int lines);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void forget() const;
    int minimumTextWidth() const;

    // A text QLabel would draw through its style as plain, enabled,
    // left-to-right text without mnemonics, the only kind laid out here.
    bool plainText() const;
    // The indent QLabel measures on the aligned sides, or 0.
    int measuredIndent() const;
    // QLabel's height at `width` for a plain text.
    int plainHeightForWidth(int width) const;
    // The text laid out in lines `width` wide, as QPainter lays out a
    // word-wrapped text: kept until the text, font or width changes.
    struct Laid
    {
        QString text;
        QFont font;
        qreal width = -1;
        std::unique_ptr<QTextLayout> layout;
        std::vector<qreal> bottoms; // each line's bottom, from the first line's top
    };
    const Laid &laidOut(qreal width) const;
    mutable Laid m_laid;

    // What the heights belong to (the font comes with a change event), and
    // the last few widths asked.
    struct Measured
    {
        QString text;
        QMargins contents;
        int margin = 0, indent = 0;
        Qt::Alignment alignment;
        bool operator==(const Measured &) const = default;
    };
    Measured now() const;
    mutable Measured m_measured;
    mutable std::array<int, 4> m_widths{};
    mutable std::array<int, 4> m_heights{};
    mutable int m_known = 0;
    mutable int m_next = 0;
    bool m_hintsFromFont = false;
    int m_leastLines = 0;
};

// The box a QLabel sets its text in: its contents less its margin, and less
// its indent on the sides it is aligned to (half an x inside a frame when it
// has no indent of its own).
QRect labelTextBox(const QLabel &label);

// A wrapped label named `name`, as the windows build them.
WrappedLabel *wrappedLabel(QWidget *parent, const char *name, const QString &text = {});

} // namespace vintaro
