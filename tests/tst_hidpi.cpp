#include "deferredDeletes.h"
#include "frmBingo.h"
#include "frmSplash.h"

#include <QLabel>
#include <QTest>

// Run with QT_SCALE_FACTOR above 1 (2, and 1.5), and under Wine at Windows'
// own 150 %: the windows keep their logical layout and draw their pictures
// from the bitmaps made at twice the size, scaled to the screen's pixels.
namespace {

QSize onScreen(QSize logical)
{
    return (QSizeF(logical) * qApp->devicePixelRatio()).toSize();
}

} // namespace

class tst_HiDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(qApp->devicePixelRatio() > 1);
    }

    void cleanup()
    {
        if (frmBingo *board = existingForm<frmBingo>())
            board->unload();
        if (frmSplash *splash = existingForm<frmSplash>())
            splash->unload();
        processDeletes();
    }

    void boardLettersComeFromTheDoubleBitmaps_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("geometry");

        QTest::newRow("Б") << 0 << QRect(40, 16, 24, 29);
        QTest::newRow("И") << 1 << QRect(112, 16, 25, 23);
        QTest::newRow("О") << 4 << QRect(328, 16, 24, 29);
    }

    void boardLettersComeFromTheDoubleBitmaps()
    {
        QFETCH(int, index);
        QFETCH(QRect, geometry);

        frmBingo &board = form<frmBingo>();
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        const QLabel *letter = board.Image[index];
        QCOMPARE(letter->geometry(), geometry);
        QCOMPARE(letter->pixmap().devicePixelRatio(), qApp->devicePixelRatio());
        QCOMPARE(letter->pixmap().size(), onScreen(geometry.size()));
        QCOMPARE(board.size(), QSize(393, 392));
        // A mark covers its label's pixels at the screen's scale: 31 of them tall at 1x.
        board.GameLabel[index]->setBackColor(frmBingo::markColour);
        const QImage shown = board.grab().toImage();
        const int x = onScreen(QSize(board.GameLabel[index]->geometry().center().x(), 0)).width();
        int tall = 0;
        for (int y = 0; y < shown.height(); ++y)
            tall += shown.pixelColor(x, y) == frmBingo::markColour;
        QVERIFY2(qAbs(tall - 31 * qApp->devicePixelRatio()) <= 0.5, qPrintable(QString::number(tall)));
    }

    void iconAndPhotographComeDoubleToo()
    {
        frmBingo &board = form<frmBingo>();
        QVERIFY(board.windowIcon().availableSizes().contains(QSize(64, 64)));
        frmSplash &splash = form<frmSplash>();
        QCOMPARE(splash.imgLogo->pixmap().size(), onScreen(QSize(351, 207)));
        QCOMPARE(splash.imgLogo->geometry(), QRect(16, 24, 305, 159));
        QCOMPARE(splash.size(), QSize(481, 284));
    }
};

QTEST_MAIN(tst_HiDpi)
#include "tst_hidpi.moc"
