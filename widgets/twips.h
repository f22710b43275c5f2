#pragma once
// Layout lengths are given in twips: 1 440 to the inch, 15 to a
// device-independent pixel at 96 dpi.
#include <QRect>
#include <QWidget>

namespace vintaro {

constexpr int kTwipsPerPixel = 15;

constexpr int twips(int value)
{
    return value >= 0 ? (value + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-value + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

inline void placeTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}

} // namespace vintaro
