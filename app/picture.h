#pragma once

#include <QPixmap>

class QLabel;
class QPainter;
class QPoint;
class QWidget;

// A picture the program carries, loaded for the screen's density: on a
// scaled screen, the one drawn at twice the size ("name@2x.bmp" for
// "name.bmp"), smoothly scaled to the screen's pixels, at the same logical size.
QPixmap picture(const QString &path);

// An image control: the picture at its natural size with its top-left corner
// at topLeft, named for assistive technology. On paper it draws the picture
// from its double-size bitmap, at the same size.
QLabel *makePictureLabel(QWidget *parent, const QString &path, QPoint topLeft, const QString &name);

// Whether the painter draws a page to print rather than the screen. A page
// is recorded as a picture and played on the printer at its resolution, so
// what is drawn there is measured in inches (96 pixels to the inch), not in
// the pixels of a screen.
bool onPaper(const QPainter &painter);
