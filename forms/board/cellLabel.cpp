#include "cellLabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

class AccessibleCell : public QAccessibleWidget
{
public:
    explicit AccessibleCell(CellLabel *cell) : QAccessibleWidget(cell, QAccessible::CheckBox) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = cell()->isMarked();
        return state;
    }

    // Windows' screen readers toggle a check box, or press it, through UI
    // Automation, which asks for Qt's own names of those actions.
    QStringList actionNames() const override
    {
        return {markAction(), unmarkAction(), toggleAction(), pressAction()};
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    // The same signals as the mouse, so the same handlers run behind the same error boundary.
    void doAction(const QString &name) override
    {
        if (name == markAction())
            emit cell()->clicked();
        else if (name == unmarkAction())
            emit cell()->doubleClicked();
        else if (name == toggleAction() || name == pressAction())
            cell()->toggle();
    }

private:
    static QString markAction() { return CellLabel::tr("Mark"); }
    static QString unmarkAction() { return CellLabel::tr("Un-mark"); }

    CellLabel *cell() const { return static_cast<CellLabel *>(widget()); }
};

QAccessibleInterface *accessibleCell(const QString &, QObject *object)
{
    auto *cell = qobject_cast<CellLabel *>(object);
    return cell ? new AccessibleCell(cell) : nullptr;
}

} // namespace

CellLabel::CellLabel(QWidget *parent, const QString &place) : AutoSizedLabel(parent), m_place(place)
{
    static const bool accessible = (QAccessible::installFactory(accessibleCell), true);
    Q_UNUSED(accessible)
    setAutoFillBackground(true);
    updateAccessibleName();
}

QColor CellLabel::backColor() const
{
    return palette().color(QPalette::Window);
}

void CellLabel::setBackColor(const QColor &colour)
{
    if (colour == backColor())
        return;
    const bool wasMarked = isMarked();
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    if (isMarked() != wasMarked) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void CellLabel::setCaption(const QString &caption)
{
    AutoSizedLabel::setCaption(caption);
    updateAccessibleName();
}

void CellLabel::updateAccessibleName()
{
    setAccessibleName(QStringLiteral("%1, %2").arg(m_place, text().isEmpty() ? tr("empty") : text()));
}

void CellLabel::toggle()
{
    const bool wasMarked = isMarked();
    emit clicked();
    if (wasMarked)
        emit doubleClicked();
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

void CellLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        // Holding Space down toggles once.
        if (!event->isAutoRepeat())
            toggle();
        break;
    case Qt::Key_Left:
        emit arrowPressed(-1, 0);
        break;
    case Qt::Key_Right:
        emit arrowPressed(1, 0);
        break;
    case Qt::Key_Up:
        emit arrowPressed(0, -1);
        break;
    case Qt::Key_Down:
        emit arrowPressed(0, 1);
        break;
    default:
        AutoSizedLabel::keyPressEvent(event);
    }
}
