#include "cellLabel.h"
#include "deferredDeletes.h"
#include "dataCenter.h"
#include "frmBingo.h"
#include "gameWindows.h"
#include "scriptedRandom.h"
#include "wcagContrast.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRawFont>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>

namespace {

constexpr QColor white{0xFF, 0xFF, 0xFF};

void deal(int start, int end, float r)
{
    dataCenter::setStartNumber(Number(start));
    dataCenter::setEndNumber(Number(end));
    ScriptedRandom source({r});
    dataCenter::makeCard();
}

QColor shownColour(frmBingo &board, QPoint at)
{
    return board.grab().toImage().pixelColor(at * board.devicePixelRatio());
}

// The colour the player sees in the middle of a cell.
QColor shownColour(frmBingo &board, int index)
{
    const QWidget *cell = board.GameLabel[index];
    return shownColour(board, cell->mapTo(&board, cell->rect().center()));
}

// A real double-click as the window system delivers it: press, release,
// double-click, release, through the window rather than the widget.
void doubleClick(frmBingo &board, int index)
{
    QWidget *cell = board.GameLabel[index];
    QTest::mouseDClick(board.windowHandle(), Qt::LeftButton, {}, cell->mapTo(&board, cell->rect().center()));
}

void click(frmBingo &board, int index)
{
    QWidget *cell = board.GameLabel[index];
    QTest::mouseClick(board.windowHandle(), Qt::LeftButton, {}, cell->mapTo(&board, cell->rect().center()));
}

} // namespace

class tst_Board : public QObject
{
    Q_OBJECT

    frmBingo *board = nullptr;

private slots:
    void init()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        board = &form<frmBingo>();
        board->show();
        QVERIFY(QTest::qWaitForWindowExposed(board));
    }

    void cleanup() { unloadAll(); }

    void windowIsLaidOutAsDesigned()
    {
        QCOMPARE(board->windowTitle(), "Ventaro!");
        QCOMPARE(board->size(), QSize(393, 392));
        QVERIFY(!board->windowIcon().isNull());
        QCOMPARE(board->palette().color(QPalette::Window), white);
    }

    void controlsStandWhereTheTablesSay_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("geometry");

        QTest::newRow("cmdNew") << "cmdNew" << QRect(16, 352, 105, 25);
        QTest::newRow("cmdAnother") << "cmdAnother" << QRect(136, 352, 121, 25);
        QTest::newRow("cmdPrint") << "cmdPrint" << QRect(272, 352, 105, 25);
        QTest::newRow("Image1, Б") << "Image1" << QRect(40, 16, 24, 29);
        QTest::newRow("Image2, И, wider and shorter") << "Image2" << QRect(112, 16, 25, 23);
        QTest::newRow("Image3, Н") << "Image3" << QRect(184, 16, 24, 29);
        QTest::newRow("Image4, Г") << "Image4" << QRect(256, 16, 24, 29);
        QTest::newRow("Image5, О") << "Image5" << QRect(328, 16, 24, 29);
        QTest::newRow("GameLabel 0, top left") << "GameLabel0" << QRect(49, 64, 7, 31);
        QTest::newRow("GameLabel 4, bottom of the first column") << "GameLabel4" << QRect(49, 288, 7, 31);
        QTest::newRow("GameLabel 5, top of the second column") << "GameLabel5" << QRect(121, 64, 7, 31);
        QTest::newRow("GameLabel 12, centre") << "GameLabel12" << QRect(193, 176, 7, 31);
        QTest::newRow("GameLabel 24, bottom right") << "GameLabel24" << QRect(337, 288, 7, 31);
    }

    void controlsStandWhereTheTablesSay()
    {
        QFETCH(QString, control);
        QFETCH(QRect, geometry);
        QCOMPARE(controlNamed(control)->geometry(), geometry);
        // The window does not react to resizing.
        board->resize(800, 700);
        QCOMPARE(controlNamed(control)->geometry(), geometry);
    }

    void loadStoresTheRangeAndDealsNothing()
    {
        board->unload();
        processDeletes();
        deal(1, 75, 0.5f);
        const dataCenter::Card before = dataCenter::getCard();
        dataCenter::setStartNumber(0);
        dataCenter::setEndNumber(0);

        board = &form<frmBingo>();
        QCOMPARE(dataCenter::getStartNumber(), Number(1));
        QCOMPARE(dataCenter::getEndNumber(), Number(75));
        QCOMPARE(dataCenter::getCard(), before);
        for (CellLabel *cell : board->GameLabel)
            QVERIFY(cell->text().isEmpty());
        QCOMPARE(board->GameLabel[0]->backColor(), white);
        QCOMPARE(board->GameLabel[1]->backColor(), QApplication::palette().color(QPalette::HighlightedText));
    }

    void onlyNewCanBePressedAtFirst()
    {
        QVERIFY(board->cmdNew->isEnabled());
        QVERIFY(!board->cmdAnother->isEnabled());
        QVERIFY(!board->cmdPrint->isEnabled());
        for (QPushButton *button : {board->cmdNew, board->cmdAnother, board->cmdPrint})
            QVERIFY(button->isVisible());
        QCOMPARE(board->cmdNew->text(), "New...");
        QCOMPARE(board->cmdAnother->text(), "Another");
        QCOMPARE(board->cmdPrint->text(), "Print");
        QVERIFY(QTest::qWaitForWindowActive(board));
        QCOMPARE(QApplication::focusWidget(), board->cmdNew);
    }

    // Each caption stands out from its face at 4.5 : 1, or at 2 : 1 while its button
    // is disabled: fresh or dealt, active or behind the range dialog, "New..." still or under the mouse.
    void buttonsAreSeen_data()
    {
        QTest::addColumn<int>("state"); // 1: dealt, 2: behind the range dialog, 4: "New..." under the mouse
        for (int state = 0; state < 8; ++state)
            QTest::addRow("%s, %s, New... %s", state & 1 ? "dealt" : "fresh", state & 2 ? "behind the range dialog" : "active",
                          state & 4 ? "under the mouse" : "still") << state;
    }

    void buttonsAreSeen()
    {
        if (QGuiApplication::platformName() != "windows")
            QSKIP("Windows' styles, whose faces can be see-through; Linux's are the desktop's own");
        QFETCH(int, state);
        board->cmdAnother->setEnabled(state & 1);
        board->cmdPrint->setEnabled(state & 1);
        QVERIFY(QTest::qWaitForWindowActive(board));
        if (state & 2)
            pressNew(*board);
        board->cmdNew->setAttribute(Qt::WA_UnderMouse, state & 4);
        for (const QPushButton *button : {board->cmdNew, board->cmdAnother, board->cmdPrint}) {
            // Inside its border: the face beside the caption, and the pixel that stands out most from it.
            const QImage inside = board->grab(button->geometry().marginsRemoved(QMargins(5, 5, 5, 5))).toImage();
            const double face = contrastWithWhite(inside.pixelColor(0, inside.height() / 2));
            double caption = 1;
            for (int i = 0; i < inside.width() * inside.height(); ++i) {
                const double ink = contrastWithWhite(inside.pixelColor(i % inside.width(), i / inside.width()));
                caption = qMax(caption, qMax(face, ink) / qMin(face, ink));
            }
            QVERIFY2(caption >= (button->isEnabled() ? 4.5 : 2), qPrintable(button->text() + QString::asprintf(": %.2f : 1", caption)));
        }
    }

    void keysReachTheGridAndMarkIt_data()
    {
        QTest::addColumn<bool>("dealt"); // a card shown, "Print" and "Another" enabled
        QTest::addColumn<QList<int>>("keys"); // pressed from "New..."
        QTest::addColumn<QString>("focused");
        QTest::addColumn<bool>("marked"); // the Б row 1 cell

        const int tab = Qt::Key_Tab, back = Qt::Key_Backtab, space = Qt::Key_Space;
        const int left = Qt::Key_Left, right = Qt::Key_Right, up = Qt::Key_Up, down = Qt::Key_Down;
        QTest::newRow("Tab: Print, Another, the grid") << true << QList{tab, tab, tab} << "GameLabel0" << false;
        QTest::newRow("Tab from the grid to New...") << true << QList{tab, tab, tab, tab} << "cmdNew" << false;
        QTest::newRow("Tab past disabled buttons") << false << QList{tab} << "GameLabel0" << false;
        QTest::newRow("Shift+Tab from the grid") << true << QList{back, back} << "cmdAnother" << false;
        QTest::newRow("Right and Down, one cell each; the grid entered again there")
            << true << QList{back, right, down, tab, back} << "GameLabel6" << false;
        QTest::newRow("Right and Down stop at the far edges; the grid keeps its tab stop")
            << true << QList{back, right, right, right, right, right, down, down, down, down, down, tab, back} << "GameLabel24" << false;
        QTest::newRow("Left and Up stop at the edges; the grid keeps its tab stop") << true << QList{back, left, up, tab, back} << "GameLabel0" << false;
        QTest::newRow("Space marks a white cell") << true << QList{back, space} << "GameLabel0" << true;
        QTest::newRow("Space un-marks a marked one") << true << QList{back, space, space} << "GameLabel0" << false;
        QTest::newRow("Space held down marks once") << true << QList{back, space, -space, -space, -space} << "GameLabel0" << true;
        QTest::newRow("Space marks an empty cell") << false << QList{tab, space} << "GameLabel0" << true;
    }

    void keysReachTheGridAndMarkIt()
    {
        QFETCH(bool, dealt);
        QFETCH(QList<int>, keys);
        QFETCH(QString, focused);
        QFETCH(bool, marked);
        if (dealt) {
            deal(1, 75, 0.0f);
            board->updateBoard();
            board->cmdPrint->setEnabled(true);
            board->cmdAnother->setEnabled(true);
        }
        QVERIFY(QTest::qWaitForWindowActive(board));
        for (int key : keys) // a negative key is the auto-repeat of one held down
            key > 0 ? QTest::keyClick(QApplication::focusWidget(), Qt::Key(key))
                    : QTest::simulateEvent(QApplication::focusWidget(), true, -key, {}, QString(QChar(-key)), true);
        QCOMPARE(QApplication::focusWidget(), controlNamed(focused));
        QCOMPARE(board->GameLabel[0]->isMarked(), marked);
        // A click does not move the focus; the ring shows only while the grid has it.
        click(*board, 0);
        QCOMPARE(QApplication::focusWidget(), controlNamed(focused));
        const bool onTheGrid = focused.startsWith("GameLabel");
        const QWidget *ringed = onTheGrid ? controlNamed(focused) : board->GameLabel[0];
        QCOMPARE(contrastWithWhite(shownColour(*board, ringed->pos() - QPoint(29, 0))) >= 3, onTheGrid);
    }

    void fontsResolveToTheirMetricTwins()
    {
        // The face itself where the system has it, as Windows does, else its metric twin.
        const QString face = QFontInfo(board->GameLabel[0]->font()).family();
        QVERIFY2(face == "Arial Narrow" || face == "Liberation Sans Narrow", qPrintable(face));
        QCOMPARE(board->GameLabel[0]->font().pointSizeF(), 20.25);
    }

    void updateBoardShowsTheCardDownTheColumns_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");

        QTest::newRow("top of the first column") << 1 << 75 << 0 << "1";
        QTest::newRow("bottom of the first column") << 1 << 75 << 4 << "5";
        QTest::newRow("entry 5 heads the second column") << 1 << 75 << 5 << "16";
        QTest::newRow("last cell, bottom right") << 1 << 75 << 24 << "65";
        QTest::newRow("negative numbers with a minus sign") << -100 << -26 << 0 << "-100";
        QTest::newRow("zero is one digit") << 0 << 74 << 0 << "0";
    }

    void updateBoardShowsTheCardDownTheColumns()
    {
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(int, index);
        QFETCH(QString, text);

        deal(start, end, 0.0f);
        board->updateBoard();
        CellLabel *cell = board->GameLabel[index];
        QCOMPARE(cell->text(), text);
        QCOMPARE(cell->pos(), QPoint(49 + 72 * (index / 5), 64 + 56 * (index % 5)));
        QCOMPARE(cell->font().pointSizeF(), 20.0);
        // As wide as QLabel makes the text, as tall as a line is on Windows, the face's
        // usWinAscent + usWinDescent whatever Qt takes; the digits stand on usWinAscent.
        const QRawFont face = QRawFont::fromFont(cell->font());
        const auto windows = [&](int at) {
            return qFromBigEndian<quint16>(face.fontTable("OS/2").constData() + at) * face.pixelSize() / face.unitsPerEm();
        };
        QLabel plain(text);
        plain.setFont(cell->font());
        QCOMPARE(cell->size(), QSize(plain.sizeHint().width(), qCeil(windows(74) + windows(76))));
        const QImage shown = cell->grab().toImage();
        int inkBottom = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                inkBottom = qGray(shown.pixel(x, y)) < 128 ? y + 1 : inkBottom;
        QVERIFY(qAbs(inkBottom - windows(74)) <= 1);
    }

    void updateBoardClearsEveryMark()
    {
        deal(1, 75, 0.0f);
        board->updateBoard();
        for (int i : {0, 7, 24})
            click(*board, i);
        deal(1, 75, highestDraw);
        board->updateBoard();
        for (int i = 0; i < dataCenter::Card::size; ++i)
            QCOMPARE(board->GameLabel[i]->backColor(), white);
        QCOMPARE(shownColour(*board, 7), white);
        QCOMPARE(board->GameLabel[7]->text(), "24");
    }

    void wideNumbersGrowOverTheGrid()
    {
        deal(32000, 32074, 0.0f);
        board->updateBoard();
        QCOMPARE(board->GameLabel[0]->text(), "32000");
        QVERIFY(board->GameLabel[0]->geometry().right() > 1320 / 15);
        QCOMPARE(board->GameLabel[0]->pos(), QPoint(49, 64));
    }

    void clickMarksAndDoubleClickUnmarks_data()
    {
        QTest::addColumn<bool>("dealt");
        QTest::newRow("empty cell before the first card") << false;
        QTest::newRow("cell with a number") << true;
    }

    void clickMarksAndDoubleClickUnmarks()
    {
        QFETCH(bool, dealt);
        if (dealt) {
            deal(1, 75, 0.0f);
            board->updateBoard();
        }
        const QColor mark(0xFF, 0x77, 0x77);

        click(*board, 12);
        QCOMPARE(board->GameLabel[12]->backColor(), mark);
        QCOMPARE(shownColour(*board, 12), mark);
        click(*board, 12);
        QCOMPARE(shownColour(*board, 12), mark);

        doubleClick(*board, 12);
        QCOMPARE(shownColour(*board, 12), white);
        doubleClick(*board, 12);
        QCOMPARE(shownColour(*board, 12), white);
        QCOMPARE(shownColour(*board, 11), dealt ? white : QApplication::palette().color(QPalette::HighlightedText));
    }

    void doubleClickIsOneClickThenOneDoubleClick()
    {
        deal(1, 75, 0.0f);
        board->updateBoard();
        QSignalSpy clicks(board->GameLabel[3], &CellLabel::clicked);
        QSignalSpy doubleClicks(board->GameLabel[3], &CellLabel::doubleClicked);

        doubleClick(*board, 3);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(doubleClicks.count(), 1);

        // Nothing left over from the double-click swallows the next click.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        click(*board, 3);
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(board->GameLabel[3]->backColor(), frmBingo::markColour);
    }

    void clickOutsideTheNumberMarksNothing()
    {
        deal(1, 75, 0.0f);
        board->updateBoard();
        const QRect cell = board->GameLabel[0]->geometry();
        QTest::mouseClick(board->windowHandle(), Qt::LeftButton, {}, QPoint(cell.right() + 8, cell.bottom() + 8));
        QCOMPARE(board->GameLabel[0]->backColor(), white);
        // Nor does a press on it released beside it.
        QTest::mousePress(board->windowHandle(), Qt::LeftButton, {}, cell.center());
        QTest::mouseRelease(board->windowHandle(), Qt::LeftButton, {}, QPoint(cell.right() + 8, cell.bottom() + 8));
        QCOMPARE(board->GameLabel[0]->backColor(), white);
    }

    void closingGivesAFreshBoardNextTime()
    {
        deal(1, 90, 0.0f);
        board->updateBoard();
        board->cmdAnother->setEnabled(true);
        board->close();
        processDeletes();

        board = &form<frmBingo>();
        QCOMPARE(dataCenter::getEndNumber(), Number(75));
        QVERIFY(!board->cmdAnother->isEnabled());
        QVERIFY(board->GameLabel[0]->text().isEmpty());
    }

private:
    QWidget *controlNamed(const QString &name)
    {
        if (name == "cmdNew")
            return board->cmdNew;
        if (name == "cmdAnother")
            return board->cmdAnother;
        if (name == "cmdPrint")
            return board->cmdPrint;
        if (name.startsWith("Image"))
            return board->Image[name.mid(5).toInt() - 1];
        return board->GameLabel[name.mid(9).toInt()];
    }
};

QTEST_MAIN(tst_Board)
#include "tst_board.moc"
