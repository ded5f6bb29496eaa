#include "handleEvent.h"

#include "discardWindow.h"

#include <QApplication>
#include <QMessageBox>

void reportRuntimeError(const RuntimeError &error)
{
    // Over the window in use. A window just discarded may still be the active
    // one for a moment, and takes its children with it when it goes.
    QWidget *owner = QApplication::activeWindow();
    if (owner && owner->isHidden())
        owner = owner->parentWidget() ? owner->parentWidget()->window() : nullptr;
    auto *box = new QMessageBox(QMessageBox::Critical, QApplication::applicationName(),
                                QStringLiteral("Run-time error '%1':\n\n%2").arg(error.number()).arg(error.text()),
                                QMessageBox::Ok, owner);
    box->setDefaultButton(QMessageBox::Ok);
    box->exec();
    discardWindow(box);
}
