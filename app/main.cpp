#include "form.h"
#include "frmBingo.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bingo"));
    form<frmBingo>().show();
    return QApplication::exec();
}
