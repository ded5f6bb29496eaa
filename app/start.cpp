#include "start.h"

#include "form.h"
#include "frmSplash.h"

#include <QApplication>

QWidget &startProgram()
{
    QApplication::setApplicationName(QStringLiteral("Bingo"));
    frmSplash &splash = form<frmSplash>();
    splash.show();
    return splash;
}
