#include "gameWindows.h"
#include "messageBoxCatcher.h"
#include "printPage.h"
#include "runtimeError.h"
#include "scriptedRandom.h"

#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

namespace {

constexpr QColor white{0xFF, 0xFF, 0xFF};

QPoint centreOf(const QWidget *control)
{
    return control->geometry().center();
}

// Whether some pixel in the logical rectangle is black.
bool hasBlack(const QImage &page, const QRect &area)
{
    const qreal ratio = page.devicePixelRatio();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (page.pixelColor(QPoint(x, y) * ratio) == Qt::black)
                return true;
    return false;
}

// What the printer was handed, and whether the buttons were hidden then.
struct CapturedPrint
{
    QImage page;
    bool buttonsHidden = false;
};

} // namespace

class tst_BoardCommands : public QObject
{
    Q_OBJECT

    frmBingo *board = nullptr;

private slots:
    void init()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        board = &openBoard();
    }

    void cleanup()
    {
        setPrintDestination({});
        unloadAll();
    }

    void anotherAndPrintWaitForTheFirstOk()
    {
        QVERIFY(!board->cmdAnother->isEnabled());
        QVERIFY(!board->cmdPrint->isEnabled());
        QTest::mouseClick(board->cmdAnother, Qt::LeftButton);
        QVERIFY(board->GameLabel[0]->text().isEmpty());

        acceptRange(*board, "1", "75");
        QVERIFY(board->cmdAnother->isEnabled());
        QVERIFY(board->cmdPrint->isEnabled());

        // A later Cancel disables nothing.
        QTest::mouseClick(pressNew(*board).butCancel, Qt::LeftButton);
        QVERIFY(board->cmdAnother->isEnabled());
        QVERIFY(board->cmdPrint->isEnabled());
    }

    void enterOrSpaceOnAFocusedButtonPressesIt_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }

    void enterOrSpaceOnAFocusedButtonPressesIt()
    {
        QFETCH(int, key);
        QVERIFY(QTest::qWaitForWindowActive(board));
        QCOMPARE(QApplication::focusWidget(), board->cmdNew);
        QTest::keyClick(board->cmdNew, Qt::Key(key));
        QVERIFY(existingForm<frmNew>());
    }

    void anotherDealsFromTheLastAcceptedRange()
    {
        ScriptedRandom source({highestDraw});
        acceptRange(*board, "1", "90");
        QCOMPARE(board->GameLabel[24]->text(), "100");

        frmNew &dialog = pressNew(*board);
        typeInto(dialog.txtEnd, "25");
        QTest::mouseClick(dialog.butCancel, Qt::LeftButton);

        QTest::mouseClick(board->cmdAnother, Qt::LeftButton);
        QCOMPARE(source.draws(), 50);
        QCOMPARE(storedRange(), qMakePair(1, 90));
        QCOMPARE(board->GameLabel[24]->text(), "100");
    }

    void anotherClearsEveryMark()
    {
        acceptRange(*board, "1", "75");
        for (int i : {0, 12, 24})
            QTest::mouseClick(board->GameLabel[i], Qt::LeftButton);
        QCOMPARE(board->GameLabel[12]->backColor(), frmBingo::markColour);

        QTest::mouseClick(board->cmdAnother, Qt::LeftButton);
        for (const CellLabel *cell : board->GameLabel)
            QCOMPARE(cell->backColor(), white);
    }

    void anotherLeavesTheOpenDialogAlone()
    {
        acceptRange(*board, "1", "75");
        frmNew &dialog = pressNew(*board);
        typeInto(dialog.txtStart, "40");
        QTest::mouseClick(board->cmdAnother, Qt::LeftButton);
        QCOMPARE(existingForm<frmNew>(), &dialog);
        QCOMPARE(dialog.txtStart->text(), "40");
        QCOMPARE(storedRange(), qMakePair(1, 75));
    }

    void failedAnotherKeepsTheCardAndTheBoard()
    {
        // 32767..32767 deals when every draw is high; a low draw then makes
        // the top cell 32767, and the next cell's lower bound overflows.
        {
            ScriptedRandom high({highestDraw});
            acceptRange(*board, "32767", "32767");
        }
        QCOMPARE(board->GameLabel[0]->text(), "32766");
        const dataCenter::Card card = dataCenter::getCard();
        const QStringList shown = shownNumbers(*board);

        ScriptedRandom low({0.0f});
        MessageBoxCatcher box;
        QTest::mouseClick(board->cmdAnother, Qt::LeftButton);
        QCOMPARE(box.text(), "Run-time error '6':\n\nOverflow");
        QCOMPARE(dataCenter::getCard(), card);
        QCOMPARE(shownNumbers(*board), shown);
    }

    void printShowsMarksAndNoButtons()
    {
        acceptRange(*board, "1", "75");
        QTest::mouseClick(board->GameLabel[7], Qt::LeftButton);

        CapturedPrint printed;
        setPrintDestination([&](const QImage &page) {
            printed.page = page;
            printed.buttonsHidden = !board->cmdNew->isVisible() && !board->cmdAnother->isVisible()
                && !board->cmdPrint->isVisible();
        });
        // From the keyboard: Tab to "Print", Space.
        board->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(board));
        QTest::keyClick(board->cmdNew, Qt::Key_Tab);
        QTest::keyClick(board->cmdPrint, Qt::Key_Space);

        QVERIFY(printed.buttonsHidden);
        QCOMPARE(printed.page.deviceIndependentSize(), QSizeF(393, 392));
        const qreal ratio = printed.page.devicePixelRatio();
        // The hidden button did not pass the focus to the grid: no focus ring on the page.
        QCOMPARE(QApplication::focusWidget(), board->cmdPrint);
        QCOMPARE(printed.page.pixelColor((board->GameLabel[0]->pos() - QPoint(29, 0)) * ratio), white);
        const QPoint marked = centreOf(board->GameLabel[7]) * ratio;
        QCOMPARE(printed.page.pixelColor(marked), frmBingo::markColour);
        for (const QPushButton *button : {board->cmdNew, board->cmdAnother, board->cmdPrint})
            QCOMPARE(printed.page.pixelColor(centreOf(button) * ratio), white);
        // The letters and the grid are on the page.
        QVERIFY(hasBlack(printed.page, board->Image[3]->geometry()));
        QVERIFY(hasBlack(printed.page, QRect(10, 150, 12, 12)));

        for (const QPushButton *button : {board->cmdNew, board->cmdAnother, board->cmdPrint})
            QVERIFY(button->isVisible() && button->isEnabled());
        QCOMPARE(board->GameLabel[7]->backColor(), frmBingo::markColour);
    }

    void failedPrintIsReportedAndRestoresTheButtons()
    {
        acceptRange(*board, "1", "75");
        setPrintDestination([](const QImage &) { throw RuntimeError(482, "Printer error"); });
        MessageBoxCatcher box;
        QTest::mouseClick(board->cmdPrint, Qt::LeftButton);
        QCOMPARE(box.text(), "Run-time error '482':\n\nPrinter error");
        for (const QPushButton *button : {board->cmdNew, board->cmdAnother, board->cmdPrint})
            QVERIFY(button->isVisible() && button->isEnabled());
    }

    void printWithoutAPrinterSaysSo()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a printer is installed here, and this test must not print on it");
        acceptRange(*board, "1", "75");
        MessageBoxCatcher box;
        QTest::mouseClick(board->cmdPrint, Qt::LeftButton);
        QCOMPARE(box.text(), "Run-time error '482':\n\nNo printer is installed.");
        QVERIFY(board->cmdNew->isVisible() && board->cmdAnother->isVisible() && board->cmdPrint->isVisible());
    }

    void pdfPrintIsAValidPdf()
    {
        acceptRange(*board, "1", "75");
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("board.pdf"));
        printPage(pageImage(*board), printer);

        QFile pdf(dir.filePath("board.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.trimmed().endsWith("%%EOF"));
        QVERIFY(bytes.contains("/Image"));
    }
};

QTEST_MAIN(tst_BoardCommands)
#include "tst_boardCommands.moc"
