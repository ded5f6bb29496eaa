#pragma once

// frmBingo, the main window: the current card as a 5 x 5 grid of numbers
// under the column letters, and the commands "New...", "Another" and "Print".
// The splash window shows it; the range dialog and "Another" call updateBoard
// right after each deal. It reads the range and the card from dataCenter and
// keeps the marks only in the cells' background colours. Keyboard players
// reach the grid with Tab, after the buttons, as one stop: the arrow keys
// move the focus from cell to cell and Space marks and un-marks.

#include "form.h"

#include "cellLabel.h"

#include <array>

class QLabel;
class QPicture;
class QPushButton;

class frmBingo : public Form
{
    Q_OBJECT

public:
    static constexpr QColor markColour = CellLabel::markColour;

    frmBingo();

    // Copies the card into the 25 cells, every cell unmarked.
    void updateBoard();

    QPushButton *const cmdNew;
    QPushButton *const cmdPrint;
    QPushButton *const cmdAnother;
    // Element i shows card entry i: column i / 5, row i % 5.
    std::array<CellLabel *, 25> GameLabel;
    std::array<QLabel *, 5> Image; // Image1..Image5, the letters left to right

protected:
    void Form_Load() override;
    void paintEvent(QPaintEvent *event) override;

private:
    void cmdNew_Click();
    void cmdAnother_Click();
    void cmdPrint_Click();
    QPicture takePage();
    void setButtonsVisible(bool visible);
    void GameLabel_Click(int Index);
    void GameLabel_DblClick(int Index);
    void moveGridFocus(int Index, int columns, int rows);

    // The cell the grid's tab stop leads to: the one that had the focus last.
    int m_focusCell = 0;
};
