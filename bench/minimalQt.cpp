// The floor for a Qt Widgets program: one small window with one label.
#include "firstFrame.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Hello"));
    label.show();
    FirstFrame firstFrame(label);
    return QApplication::exec();
}
