// The windows' layouts are given in twips: 1440 to the inch, 15 to a pixel on a screen of 96
// dots an inch.
#pragma once

#include <QPoint>
#include <QRect>

namespace fitzel {

// Twips to the nearest pixel.
constexpr int pixelsFromTwips(int twips) {
    return (twips * 2 + 15) / 30;
}

// A point given in twips.
struct TwipsPoint {
    int left, top;
    QPoint pixels() const { return QPoint(pixelsFromTwips(left), pixelsFromTwips(top)); }
};

// A rectangle given in twips.
struct Twips {
    int left, top, width, height;
    QRect pixels() const {
        return QRect(pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
                     pixelsFromTwips(height));
    }
};

}  // namespace fitzel
