#pragma once

#include "autoSizedLabel.h"

// One cell of the board: an opaque label whose background holds the mark,
// turning the mouse into the forms' Click and DblClick. A double-click comes
// as one clicked() and then one doubleClicked(), never a second click.
// With the keyboard focus, Space toggles it as a check box does.
// A screen reader hears its place and its number, a check box checked while
// it is marked, and can run its actions: "Mark" (a click), "Un-mark" (a
// double-click), and Qt's "Toggle" and "Press", which toggle it.
class CellLabel : public AutoSizedLabel
{
    Q_OBJECT

public:
    static constexpr QColor markColour{0xFF, 0x77, 0x77};

    // place names the cell for assistive technology, as in "Б, row 1".
    CellLabel(QWidget *parent, const QString &place);

    QColor backColor() const;
    void setBackColor(const QColor &colour);
    bool isMarked() const { return backColor() == markColour; }

    // Shows the text, sized to it, and names it for assistive technology.
    void setCaption(const QString &caption);

    // Marks a white cell and un-marks a marked one, as the mouse would: a
    // click, then for a marked cell a double-click.
    void toggle();

signals:
    void clicked();
    void doubleClicked();
    // An arrow key asks for the keyboard focus to move by one column or row.
    void arrowPressed(int columns, int rows);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void updateAccessibleName();

    QString m_place;
    // A left press inside the label that its release may turn into a click.
    bool m_pressed = false;
};
