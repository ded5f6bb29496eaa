#pragma once

#include "form.h"

class QLineEdit;
class QPushButton;

// frmNew, the range dialog: asks for the first and the last number of the
// range, stores them, deals a card and fills the board. Modeless; the board's
// "New..." shows it.
class frmNew : public Form
{
    Q_OBJECT

public:
    frmNew();

    QLineEdit *const txtStart;
    QLineEdit *const txtEnd;
    QPushButton *const butOK;
    QPushButton *const butCancel;

protected:
    void Form_Load() override;
    void Form_Unload(int &Cancel) override;

private:
    void butOK_Click();
    void butCancel_Click();
};
