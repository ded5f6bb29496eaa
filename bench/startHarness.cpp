// The program's own start-up, stopped at the first frame of its first window.
#include "firstFrame.h"
#include "start.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    FirstFrame firstFrame(startProgram());
    return QApplication::exec();
}
