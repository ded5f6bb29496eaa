#include "frmNew.h"

#include "conversions.h"
#include "dataCenter.h"
#include "dealFromTexts.h"
#include "frmBingo.h"
#include "handleEvent.h"
#include "twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace {

// The caption reads from the top of its box, as the forms draw one. A
// desktop font larger than the design's widens the box to the right, and
// lengthens it down, rather than clip the caption. The label names its box
// for assistive technology.
void addLabel(QWidget *parent, const char *caption, QRect geometry, QLineEdit *box)
{
    auto *label = new QLabel(QString::fromLatin1(caption), parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    label->resize(label->size().expandedTo(label->sizeHint()));
    label->setBuddy(box);
}

// The boxes take text of any length: Qt's default limit would cut a long
// text, and the number at its end with it.
QLineEdit *makeTextBox(QWidget *parent, QRect geometry)
{
    auto *box = new QLineEdit(parent);
    box->setGeometry(geometry);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

// Enter or Space on a focused button presses that button.
QPushButton *makeButton(QWidget *parent, const char *caption, QRect geometry)
{
    auto *button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setGeometry(geometry);
    button->setAutoDefault(true);
    return button;
}

void selectAll(QLineEdit *box)
{
    box->setSelection(0, box->text().length());
}

} // namespace

// The controls are made in tab order: the two boxes, OK, Cancel.
frmNew::frmNew()
    : txtStart(makeTextBox(this, twipRect(120, 720, 4335, 285)))
    , txtEnd(makeTextBox(this, twipRect(120, 1800, 4335, 285)))
    , butOK(makeButton(this, "OK", twipRect(2400, 2400, 975, 375)))
    , butCancel(makeButton(this, "Cancel", twipRect(3480, 2400, 975, 375)))
{
    setWindowTitle(QStringLiteral("Give me information!"));
    resize(px(4680), px(3030));
    addLabel(this, "Start Bingo sheet at:", twipRect(120, 240, 2055, 375), txtStart);
    addLabel(this, "End Bingo sheet at:", twipRect(120, 1320, 2175, 375), txtEnd);

    // OK is the default button: Enter in either box presses it. No button
    // is the cancel button, so Esc does nothing.
    butOK->setDefault(true);
    connect(txtStart, &QLineEdit::returnPressed, butOK, &QPushButton::click);
    connect(txtEnd, &QLineEdit::returnPressed, butOK, &QPushButton::click);

    connect(butOK, &QPushButton::clicked, this, [this] { handleEvent([this] { butOK_Click(); }); });
    connect(butCancel, &QPushButton::clicked, this, [this] { handleEvent([this] { butCancel_Click(); }); });
}

void frmNew::Form_Load()
{
    txtStart->setText(numberToText(dataCenter::getStartNumber()));
    txtEnd->setText(numberToText(dataCenter::getEndNumber()));
    selectAll(txtStart);
    selectAll(txtEnd);
}

// A failure leaves the dialog open with what was typed, and the range, the
// card and the board as they were.
void frmNew::butOK_Click()
{
    dealFromTexts(txtStart->text(), txtEnd->text());

    frmBingo *board = existingForm<frmBingo>();
    if (!board) {
        // The player closed the board: load it afresh, store the typed range
        // again over the one its load stores, and show it, so that a window
        // stays on the screen.
        const Number start = dataCenter::getStartNumber();
        const Number end = dataCenter::getEndNumber();
        board = &form<frmBingo>();
        dataCenter::setStartNumber(start);
        dataCenter::setEndNumber(end);
        board->show();
    }
    board->updateBoard();
    board->cmdPrint->setEnabled(true);
    board->cmdAnother->setEnabled(true);

    int Cancel = 0;
    Form_Unload(Cancel);
}

void frmNew::butCancel_Click()
{
    int Cancel = 0;
    Form_Unload(Cancel);
}

void frmNew::Form_Unload(int &Cancel)
{
    Q_UNUSED(Cancel)
    unload();
}
