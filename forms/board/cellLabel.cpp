#include "cellLabel.h"

#include <QMouseEvent>
#include <QtMath>

CellLabel::CellLabel(QWidget *parent) : QLabel(parent)
{
    setAutoFillBackground(true);
}

QColor CellLabel::backColor() const
{
    return palette().color(QPalette::Window);
}

void CellLabel::setBackColor(const QColor &colour)
{
    if (colour == backColor())
        return;
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void CellLabel::fitToText()
{
    const QFontMetricsF metrics(font());
    resize(qCeil(metrics.horizontalAdvance(text())), qCeil(metrics.height()));
}

void CellLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void CellLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

void CellLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The release that follows belongs to the double-click and makes no click.
    m_pressed = false;
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}
