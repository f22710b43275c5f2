#pragma once
// A three-dimensional push button: a caption drawn over an optional picture
// that fills the face, in a chosen text colour; reports mouse moves.
#include <QPixmap>
#include <QPushButton>

namespace vintaro {

class SSCommand : public QPushButton
{
    Q_OBJECT
public:
    explicit SSCommand(QWidget *parent = nullptr);
    // A button named `name` with a caption, placed at `geometry`.
    static SSCommand *create(QWidget *parent, const QString &name, const QString &text, const QRect &geometry);

    // The picture is also the button's icon(); a null pixmap removes it.
    void setPicture(const QPixmap &picture);

signals:
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
};

} // namespace vintaro
