#include "gameWindows.h"
#include "messageBoxCatcher.h"
#include "scriptedRandom.h"
#include "wcagContrast.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>

// "Print" through the system's print service: a private CUPS scheduler whose
// default queue writes PostScript to a file (tests/printSystem/start.sh),
// which Ghostscript turns into the image that is checked here.
namespace {

constexpr int dpi = 96; // one page pixel to one logical pixel of the board

const QString spoolDir = qEnvironmentVariable("BINGO_PRINT_DIR");

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) <= 16 && qAbs(a.green() - b.green()) <= 16 && qAbs(a.blue() - b.blue()) <= 16;
}

// The centre of the mark-coloured pixels within a page rectangle, or (-1, -1).
QPointF markCentre(const QImage &page, const QRect &area)
{
    QPointF sum;
    int count = 0;
    for (int y = qMax(0, area.top()); y <= qMin(page.height() - 1, area.bottom()); ++y)
        for (int x = qMax(0, area.left()); x <= qMin(page.width() - 1, area.right()); ++x)
            if (near(page.pixelColor(x, y), CellLabel::markColour)) {
                sum += QPointF(x, y);
                ++count;
            }
    return count ? sum / count : QPointF(-1, -1);
}

// How far the edges of the ink reach from paper to ink along the rows of an
// area, in pixels, smallest first: 1 for a hard edge, 2 across one grey pixel.
QList<int> edgeSteps(const QImage &page, const QRect &area)
{
    QList<int> steps;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(), lastX = 0, lastInk = -1; x <= area.right(); ++x) {
            const int gray = qGray(page.pixel(x, y));
            if (gray > 96 && gray < 224)
                continue;
            if (lastInk >= 0 && (gray <= 96) != bool(lastInk))
                steps << x - lastX;
            lastInk = gray <= 96;
            lastX = x;
        }
    std::sort(steps.begin(), steps.end());
    return steps;
}

int darkPixels(const QImage &page, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(page.pixel(x, y)) < 128;
    return count;
}

} // namespace

class tst_PrintSystem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        QFile unavailable(spoolDir + "/unavailable");
        if (unavailable.open(QIODevice::ReadOnly))
            QSKIP(unavailable.readAll().trimmed().constData());
        QVERIFY2(!spoolDir.isEmpty(), "BINGO_PRINT_DIR names the private scheduler's folder");
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), "bingo-file");
    }

    void printedPageShowsTheBoardAtTrueSize_data()
    {
        QTest::addColumn<QString>("refusing"); // the default queue while a first page is refused; empty for none
        QTest::addColumn<QString>("reason");
        QTest::newRow("printed") << "" << "";
        QTest::newRow("refused as its job is made, with the reason, then printed once accepted")
            << "bingo-file" << "Destination \"bingo-file\" is not accepting jobs.";
        QTest::newRow("refused once its job is made, which is cancelled, then printed")
            << "bingo-text-only" << "Unsupported document-format \"application/pdf\".";
    }

    void printedPageShowsTheBoardAtTrueSize()
    {
        QFETCH(QString, refusing);
        QFETCH(QString, reason);
        frmBingo &board = openBoard();
        {
            ScriptedRandom source({0.0f});
            frmNew &dialog = pressNew(board);
            QTest::mouseClick(dialog.butOK, Qt::LeftButton);
        }
        const int marked[] = {0, 12, 24};
        for (int i : marked)
            QTest::mouseClick(board.GameLabel[i], Qt::LeftButton);

        const QString postScript = spoolDir + "/out/page.ps";
        QVERIFY(QFile(postScript).resize(0));
        if (!refusing.isEmpty()) {
            // The file queue takes no job; the text-only queue makes one, then refuses its PDF.
            run("lpadmin", {"-d", refusing});
            run("cupsreject", {"-r", "out of paper", "bingo-file"});
            MessageBoxCatcher box;
            QTest::mouseClick(board.cmdPrint, Qt::LeftButton);
            run("cupsaccept", {"bingo-file"});
            run("lpadmin", {"-d", "bingo-file"});
            QCOMPARE(box.text(), "Run-time error '482':\n\nThe printer cannot print.\n" + reason);
            QVERIFY(run("lpstat", {"-o"}).trimmed().isEmpty());
            QCOMPARE(QFileInfo(postScript).size(), 0);
        }
        QTest::mouseClick(board.cmdPrint, Qt::LeftButton);
        // Done when nothing is queued and the job is among the finished ones, printed or not.
        QTRY_VERIFY_WITH_TIMEOUT(run("lpstat", {"-o"}).trimmed().isEmpty()
                                     && !run("lpstat", {"-W", "completed", "-o"}).trimmed().isEmpty(),
                                 60000);
        QVERIFY2(QFileInfo(postScript).size() > 0, "the job printed nothing: see log/error_log of the scheduler");

        const QString png = spoolDir + "/out/page.png";
        run("gs", {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=png16m", QString("-r%1").arg(dpi),
                   "-sOutputFile=" + png, postScript});
        const QImage page(png);
        QVERIFY(!page.isNull());

        // The board stands at the top left of the printable area, one page
        // pixel to each of its logical pixels.
        QPrinter paper;
        paper.setPageSize(QPrinterInfo::defaultPrinter().defaultPageSize());
        const QPoint origin = (paper.pageLayout().paintRect(QPageLayout::Inch).topLeft() * dpi).toPoint();
        for (int i : marked) {
            const QRect cell = board.GameLabel[i]->geometry().translated(origin);
            const QPointF found = markCentre(page, cell.adjusted(-8, -8, 8, 8));
            QVERIFY2((found - QRectF(cell).center()).manhattanLength() <= 3,
                     qPrintable(QString("cell %1 marked at %2,%3, expected %4,%5")
                                    .arg(i).arg(found.x()).arg(found.y())
                                    .arg(QRectF(cell).center().x()).arg(QRectF(cell).center().y())));
        }
        QVERIFY(markCentre(page, board.GameLabel[6]->geometry().translated(origin)).x() < 0);
        // The numbers are dark on the white paper, whatever the desktop's theme.
        const double numbers = contrastWithWhite(darkest(page, board.GameLabel[6]->geometry().translated(origin)));
        qInfo("printed numbers on white: %.2f : 1", numbers);
        QVERIFY(numbers >= 4.5);

        // The letters are there, the buttons are not.
        QVERIFY(darkPixels(page, board.Image[0]->geometry().translated(origin)) > 20);
        for (const QPushButton *button : {board.cmdNew, board.cmdAnother, board.cmdPrint})
            QCOMPARE(darkPixels(page, button->geometry().translated(origin)), 0);
        QVERIFY(board.cmdPrint->isVisible());

        // At 600 dpi the edges of the numbers step from paper to ink within a
        // pixel or two, as drawn for the printer, not over a blown-up screen pixel.
        const QString fine = spoolDir + "/out/page600.png";
        run("gs", {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=pnggray", "-r600", "-sOutputFile=" + fine, postScript});
        QImageReader::setAllocationLimit(256); // megabytes: a whole page at 600 dpi
        const QRect column = board.GameLabel[5]->geometry().united(board.GameLabel[9]->geometry()).translated(origin);
        const QList<int> steps = edgeSteps(QImage(fine), QRect(column.topLeft() * 600 / dpi, column.size() * 600 / dpi));
        QVERIFY(!steps.isEmpty());
        qInfo("edges of the numbers at 600 dpi: %lld steps, median %d, 90th percentile %d", steps.size(),
              steps[steps.size() / 2], steps[steps.size() * 9 / 10]);
        QVERIFY(steps[steps.size() / 2] <= 2);
    }
};

QTEST_MAIN(tst_PrintSystem)
#include "tst_printSystem.moc"
