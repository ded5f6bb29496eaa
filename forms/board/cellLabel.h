#pragma once

#include <QLabel>

// One cell of the board: an opaque label whose background holds the mark,
// turning the mouse into the forms' Click and DblClick. A double-click comes
// as one clicked() and then one doubleClicked(), never a second click.
class CellLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CellLabel(QWidget *parent);

    QColor backColor() const;
    void setBackColor(const QColor &colour);

    // Takes the size of its text, keeping its top-left corner, as an
    // auto-sized label does; cheaper than adjustSize(), which lays the text out.
    void fitToText();

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    // A left press inside the label that its release may turn into a click.
    bool m_pressed = false;
};
