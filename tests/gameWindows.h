#pragma once

#include "cellLabel.h"
#include "dataCenter.h"
#include "deferredDeletes.h"
#include "form.h"
#include "frmBingo.h"
#include "frmNew.h"
#include "printPage.h"
#include "conversions.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// Helpers that drive the game's windows as the player does.

inline void unloadAll()
{
    if (frmNew *dialog = existingForm<frmNew>())
        dialog->unload();
    if (frmBingo *board = existingForm<frmBingo>())
        board->unload();
    processDeletes();
}

inline frmBingo &openBoard()
{
    frmBingo &board = form<frmBingo>();
    board.show();
    if (!QTest::qWaitForWindowExposed(&board))
        qFatal("the board was not shown");
    return board;
}

// Presses "New..." and hands back the dialog, shown and active.
inline frmNew &pressNew(frmBingo &board)
{
    QTest::mouseClick(board.cmdNew, Qt::LeftButton);
    frmNew *dialog = existingForm<frmNew>();
    if (!dialog || !QTest::qWaitForWindowActive(dialog))
        qFatal("\"New...\" did not open the range dialog");
    return *dialog;
}

// Replaces a box's whole text with what the player types; a text too long
// to type key by key is pasted, as a player would put it there.
inline void typeInto(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    if (text.size() < 1000)
        return QTest::keyClicks(box, text);
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

// Accepts the range dialog with the range typed into it.
inline void acceptRange(frmBingo &board, const QString &start, const QString &end)
{
    frmNew &dialog = pressNew(board);
    typeInto(dialog.txtStart, start);
    typeInto(dialog.txtEnd, end);
    QTest::mouseClick(dialog.butOK, Qt::LeftButton);
}

// The range as the card generator holds it.
inline QPair<int, int> storedRange()
{
    return {dataCenter::getStartNumber(), dataCenter::getEndNumber()};
}

inline QStringList shownNumbers(const frmBingo &board)
{
    QStringList numbers;
    for (const auto *cell : board.GameLabel)
        numbers << cell->text();
    return numbers;
}

// A printed page as a printer at 96 dpi shows it: a page pixel to a pixel of the board.
inline QImage pageAt96Dpi(const QPicture &page)
{
    QImage image(page.boundingRect().size(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(96 / 0.0254));
    image.setDotsPerMeterY(qRound(96 / 0.0254));
    image.fill(Qt::white);
    drawPage(page, image);
    return image;
}
