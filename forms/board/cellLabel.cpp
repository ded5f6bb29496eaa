#include "cellLabel.h"

#include <QMouseEvent>
#include <QtMath>

CellLabel::CellLabel(QWidget *parent, const QString &place) : QLabel(parent), m_place(place)
{
    setAutoFillBackground(true);
    updateAccessibleName();
    setAccessibleDescription(tr("not marked"));
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
    setAccessibleDescription(colour == markColour ? tr("marked") : tr("not marked"));
}

void CellLabel::setCaption(const QString &caption)
{
    setText(caption);
    const QFontMetricsF metrics(font());
    resize(qCeil(metrics.horizontalAdvance(caption)), qCeil(metrics.height()));
    updateAccessibleName();
}

void CellLabel::updateAccessibleName()
{
    setAccessibleName(QStringLiteral("%1, %2").arg(m_place, text().isEmpty() ? tr("empty") : text()));
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
