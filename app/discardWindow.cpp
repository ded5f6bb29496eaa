#include "discardWindow.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include <chrono>

void discardWindow(QWidget *window)
{
    window->hide();
    if (!QAccessible::isActive()) {
        window->deleteLater();
        return;
    }
    QTimer::singleShot(std::chrono::seconds(5), window, &QObject::deleteLater);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, &QObject::deleteLater);
}
