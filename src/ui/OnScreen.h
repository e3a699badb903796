#pragma once

#include <QRect>
#include <algorithm>

// `frame` moved as little as it takes to lie wholly on `screen`; a frame larger than the screen
// keeps its top left corner on it.
inline QRect OnScreen(QRect frame, const QRect& screen) {
    frame.moveLeft(
        std::max(screen.left(), std::min(frame.left(), screen.right() + 1 - frame.width())));
    frame.moveTop(
        std::max(screen.top(), std::min(frame.top(), screen.bottom() + 1 - frame.height())));
    return frame;
}
