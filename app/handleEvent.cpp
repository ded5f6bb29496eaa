#include "handleEvent.h"

#include <QApplication>
#include <QMessageBox>

void reportRuntimeError(const RuntimeError &error)
{
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(),
                          QStringLiteral("Run-time error '%1':\n\n%2").arg(error.number()).arg(error.text()));
}
