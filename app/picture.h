#pragma once

#include <QPixmap>

class QLabel;
class QPoint;
class QWidget;

// A picture the program carries, loaded for the screen's density: on a
// scaled screen, the one drawn at twice the size ("name@2x.bmp" for
// "name.bmp"), smoothly scaled to the screen's pixels, at the same logical size.
QPixmap picture(const QString &path);

// An image control: the picture at its natural size with its top-left corner
// at topLeft, named for assistive technology.
QLabel *makePictureLabel(QWidget *parent, const QString &path, QPoint topLeft, const QString &name);
