#include "form.h"
#include "frmSplash.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bingo"));
    form<frmSplash>().show();
    return QApplication::exec();
}
