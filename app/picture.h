#pragma once

#include <QPixmap>

// A picture the program carries, loaded for the screen's density: on a screen
// scaled by two or more, the one drawn at twice the size ("name@2x.bmp" for "name.bmp"), at
// the same logical size.
QPixmap picture(const QString &path);
