#include "gameWindows.h"
#include "messageBoxCatcher.h"
#include "printPage.h"
#include "runtimeError.h"
#include "scriptedRandom.h"

#include <QFileDialog>
#include <QProcess>
#include <QTemporaryDir>

#include <clocale>
#include <optional>

namespace {

// A locale's paper, a category of glibc's own: on Windows the whole locale.
#ifndef LC_PAPER
#define LC_PAPER LC_ALL
#endif

constexpr QColor white{0xFF, 0xFF, 0xFF};

QPoint centreOf(const QWidget *control)
{
    return control->geometry().center();
}

// Whether some pixel in the rectangle is black.
bool hasBlack(const QImage &page, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (page.pixelColor(x, y) == Qt::black)
                return true;
    return false;
}

} // namespace

class tst_BoardCommands : public QObject
{
    Q_OBJECT

    frmBingo *board = nullptr;

private slots:
    void init()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        // Qt's own save dialog, which the test answers, where the system has one of its own.
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
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

        QPicture printed;
        setPrintDestination([&](const QPicture &page) { printed = page; });
        // From the keyboard: Tab to "Print", Space.
        board->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(board));
        QTest::keyClick(board->cmdNew, Qt::Key_Tab);
        QTest::keyClick(board->cmdPrint, Qt::Key_Space);

        const QImage page = pageAt96Dpi(printed);
        // The hidden button did not pass the focus to the grid: no focus ring on the page.
        QCOMPARE(QApplication::focusWidget(), board->cmdPrint);
        QCOMPARE(page.pixelColor(board->GameLabel[0]->pos() - QPoint(29, 0)), white);
        QCOMPARE(page.pixelColor(centreOf(board->GameLabel[7])), frmBingo::markColour);
        for (const QPushButton *button : {board->cmdNew, board->cmdAnother, board->cmdPrint})
            QCOMPARE(page.pixelColor(centreOf(button)), white);
        // The letters and the grid are on the page.
        QVERIFY(hasBlack(page, board->Image[3]->geometry()));
        QVERIFY(hasBlack(page, QRect(10, 150, 12, 12)));

        for (const QPushButton *button : {board->cmdNew, board->cmdAnother, board->cmdPrint})
            QVERIFY(button->isVisible() && button->isEnabled());
        QCOMPARE(board->GameLabel[7]->backColor(), frmBingo::markColour);
    }

    void failedPrintIsReportedAndRestoresTheButtons()
    {
        acceptRange(*board, "1", "75");
        setPrintDestination([](const QPicture &) { throw RuntimeError(482, "Printer error"); });
        MessageBoxCatcher box;
        QTest::mouseClick(board->cmdPrint, Qt::LeftButton);
        QCOMPARE(box.text(), "Run-time error '482':\n\nPrinter error");
        for (const QPushButton *button : {board->cmdNew, board->cmdAnother, board->cmdPrint})
            QVERIFY(button->isVisible() && button->isEnabled());
    }

    // The test runs with no print server: "Print" asks where to save a PDF.
    void withoutAPrinterPrintSavesAPdf_data()
    {
        QTest::addColumn<QString>("answer");    // in a fresh folder; empty for Cancel
        QTest::addColumn<QByteArray>("locale"); // the paper's; empty for C
        QTest::addColumn<int>("freeKiB");       // the folder a disk with this room; 0 for a roomy one
        QTest::addColumn<QSize>("paper");       // card.pdf's, at 96 dpi; empty for no file
        QTest::addColumn<QString>("error");
        const QSize a4(793, 1123), letter(816, 1056);

        QTest::newRow("saved on A4") << "card.pdf" << QByteArray() << 0 << a4 << "";
        QTest::newRow("a name without .pdf gets it") << "card" << QByteArray() << 0 << a4 << "";
        QTest::newRow("US Letter under en_US") << "card.pdf" << QByteArray("en_US") << 0 << letter << "";
        QTest::newRow("Cancel") << "" << QByteArray() << 0 << QSize() << "";
        QTest::newRow("a folder that cannot be written")
            << "missing/card.pdf" << QByteArray() << 0 << QSize() << "Run-time error '75':\n\nPath/File access error";
        QTest::newRow("a disk that fills on the last write")
            << "card.pdf" << QByteArray() << 16 << QSize() << "Run-time error '61':\n\nDisk full";
    }

    void withoutAPrinterPrintSavesAPdf()
    {
        QFETCH(QString, answer);
        QFETCH(QByteArray, locale);
        QFETCH(int, freeKiB);
        QFETCH(QSize, paper);
        QFETCH(QString, error);
        acceptRange(*board, "1", "75");
        QTemporaryDir dir, locales;
        const auto restore = qScopeGuard([&] {
            qunsetenv("LOCPATH");
            setlocale(LC_PAPER, "");
            if (freeKiB)
                QProcess::execute("umount", {dir.path()});
        });
        if (!locale.isEmpty()) {
            qputenv("LOCPATH", locales.path().toLocal8Bit());
            QProcess::execute("localedef", {"-i", locale, "-f", "UTF-8", locales.filePath(locale)});
            if (!setlocale(LC_PAPER, locale))
                QSKIP("the locale cannot be made here");
        }
        if (freeKiB && QProcess::execute("mount", {"-t", "tmpfs", "-o", QString("size=%1k").arg(freeKiB), "tmpfs", dir.path()}))
            QSKIP("a small disk cannot be mounted here");
        QString suggested;
        QStringList besideSuggested;
        bool buttonsShown = false;
        std::optional<MessageBoxCatcher> box;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            suggested = dialog ? dialog->selectedFiles().value(0) : QString();
            besideSuggested = QFileInfo(suggested).dir().entryList(QDir::Files | QDir::Hidden);
            buttonsShown = board->cmdPrint->isVisible();
            box.emplace();
            if (!dialog)
                return;
            dialog->selectFile(answer.isEmpty() ? suggested : dir.filePath(answer));
            QDialog *asked = dialog; // its accept() checks the name, then closes
            answer.isEmpty() ? asked->reject() : asked->accept();
        });
        QTest::mouseClick(board->cmdPrint, Qt::LeftButton);
        QCoreApplication::processEvents();

        QCOMPARE(QFileInfo(suggested).fileName(), "Bingo card.pdf");
        QVERIFY(buttonsShown);
        QCOMPARE(box->text(), error);
        QCOMPARE(QFileInfo(suggested).dir().entryList(QDir::Files | QDir::Hidden), besideSuggested);
        const QStringList written = QDir(dir.path()).entryList(QDir::Files);
        QCOMPARE(written, paper.isEmpty() ? QStringList() : QStringList{"card.pdf"});
        if (written.isEmpty())
            return;
        // One page on the locale's paper, with the grid at its true width:
        // 3.75 inches, 360 pixels at 96 dpi.
        if (QProcess::execute("gs", {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=pnggray", "-r96",
                                     "-sOutputFile=" + dir.filePath("page%d.png"), dir.filePath("card.pdf")})
            < 0)
            QSKIP("Ghostscript cannot be started here");
        QCOMPARE(QDir(dir.path()).entryList({"page*.png"}), QStringList{"page1.png"});
        const QImage page(dir.filePath("page1.png"));
        QCOMPARE(page.size(), paper);
        QList<int> ink;
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, 200)) < 128)
                ink << x;
        QVERIFY2(qAbs(ink.last() - ink.first() - 360) <= 1, qPrintable(QString::number(ink.last() - ink.first())));
    }
};

QTEST_MAIN(tst_BoardCommands)
#include "tst_boardCommands.moc"
