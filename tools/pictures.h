#pragma once

#include <QImage>

// The pictures the program carries, each drawn at scale times its size.

// A column letter: a black serif capital on white, filling its picture.
QImage letterPicture(QChar letter, QSize size, int scale);

// The program icon, 32 × 32: a smiling face in the 16 colours of the classic icon palette.
QImage iconPicture(int scale);

// The splash photograph, 351 × 207: a square with a cathedral and a clock tower.
QImage photographPicture(int scale);
