#include "form.h"

#include "discardWindow.h"
#include "handleEvent.h"
#include "platform.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QTimer>

namespace {

// Screen readers announce a window as one, a frame with its caption, when it
// appears or takes the focus.
QAccessibleInterface *accessibleForm(const QString &, QObject *object)
{
    auto *form = qobject_cast<Form *>(object);
    return form ? new QAccessibleWidget(form, QAccessible::Window) : nullptr;
}

} // namespace

Form::Form()
{
    static const bool accessible = (QAccessible::installFactory(accessibleForm), true);
    Q_UNUSED(accessible)
}

void Form::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (visible) {
        raise();
        activateWindow();
        drawShownWindow(*this);
    }
}

void Form::unload()
{
    if (m_unloading)
        return;
    m_unloading = true;
    for (QTimer *timer : findChildren<QTimer *>())
        timer->stop();
    int Cancel = 0;
    Form_Unload(Cancel);
    close();
    discardWindow(this);
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
