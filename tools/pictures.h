#pragma once

#include <QImage>

// The pictures the program carries, each drawn at scale times its size.

// A column letter: a black serif capital on white, filling its picture.
QImage letterPicture(QChar letter, QSize size, int scale);

// The program icon, 32 × 32: a smiling face in the 16 colours of the classic icon palette.
QImage iconPicture(qreal scale);

// The icon as Windows wants it: one .ico file of it at 16, 24, 32, 48 and 256 pixels.
QByteArray iconFile();

// The splash photograph, 351 × 207: a square with a cathedral and a clock tower.
QImage photographPicture(int scale);
