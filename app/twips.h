#pragma once

#include <QPoint>
#include <QRect>

// Window definitions are written in twips, as the layout tables give them;
// 15 twips make one device-independent pixel, and Qt scales pixels for the screen.
constexpr int px(int twips)
{
    return qRound(twips / 15.0);
}

constexpr QPoint twipPoint(int x, int y)
{
    return {px(x), px(y)};
}

constexpr QRect twipRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}
