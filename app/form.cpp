#include "form.h"

#include "handleEvent.h"

#include <QCloseEvent>

Form::Form()
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void Form::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (visible) {
        raise();
        activateWindow();
    }
}

void Form::unload()
{
    if (m_unloading)
        return;
    m_unloading = true;
    int Cancel = 0;
    Form_Unload(Cancel);
    close();
}

void Form::Form_Unload(int &Cancel)
{
    Q_UNUSED(Cancel)
}

void Form::closeEvent(QCloseEvent *event)
{
    handleEvent([this] { unload(); });
    event->accept();
}
