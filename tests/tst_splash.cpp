#include "captionInk.h"
#include "cellLabel.h"
#include "deferredDeletes.h"
#include "dataCenter.h"
#include "frmBingo.h"
#include "frmSplash.h"

#include <QCloseEvent>
#include <QFontInfo>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

// What the timer does when its ten seconds are up, without the wait.
void tick(QTimer *timer)
{
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
}

int boards()
{
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        count += qobject_cast<frmBingo *>(window) && window->isVisible();
    return count;
}

} // namespace

class tst_Splash : public QObject
{
    Q_OBJECT

    QPointer<frmSplash> splash;

private slots:
    void init()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        dataCenter::setStartNumber(0);
        dataCenter::setEndNumber(0);
        splash = &form<frmSplash>();
        splash->show();
        QVERIFY(QTest::qWaitForWindowActive(splash));
    }

    void cleanup()
    {
        if (splash)
            splash->unload();
        if (frmBingo *board = existingForm<frmBingo>())
            board->unload();
        processDeletes();
    }

    void windowHasNoTitleBarAndStandsCentred()
    {
        QCOMPARE(splash->size(), QSize(481, 284));
        QCOMPARE(splash->minimumSize(), splash->maximumSize());
        QVERIFY(splash->windowTitle().isEmpty());
        const Qt::WindowFlags flags = splash->windowFlags();
        QVERIFY(flags & Qt::CustomizeWindowHint);
        for (Qt::WindowType decoration : {Qt::WindowTitleHint, Qt::WindowSystemMenuHint, Qt::WindowMinimizeButtonHint,
                                          Qt::WindowMaximizeButtonHint, Qt::WindowCloseButtonHint})
            QVERIFY(!(flags & decoration));
        const QPoint offset = splash->frameGeometry().center() - splash->screen()->availableGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 1, qPrintable(QString("off centre by %1, %2").arg(offset.x()).arg(offset.y())));
        QCOMPARE(splash->Frame1->geometry(), QRect(0, 0, 480, 278));
    }

    void controlsStandWhereTheTablesSay_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("geometry");

        QTest::newRow("imgLogo, stretched") << "imgLogo" << QRect(16, 24, 305, 159);
        QTest::newRow("Image1, Б") << "Image1" << QRect(328, 56, 24, 29);
        QTest::newRow("Image5, И") << "Image5" << QRect(352, 72, 25, 23);
        QTest::newRow("Image4, Н") << "Image4" << QRect(376, 88, 24, 29);
        QTest::newRow("Image3, Г") << "Image3" << QRect(400, 104, 24, 29);
        QTest::newRow("Image2, О") << "Image2" << QRect(424, 120, 24, 29);
        QTest::newRow("Label1") << "Label1" << QRect(16, 192, 65, 17);
        QTest::newRow("lblWarning") << "lblWarning" << QRect(16, 208, 273, 61);
        QTest::newRow("lblCopyright") << "lblCopyright" << QRect(304, 224, 161, 17);
        QTest::newRow("lblCompany") << "lblCompany" << QRect(304, 240, 161, 17);
    }

    void controlsStandWhereTheTablesSay()
    {
        QFETCH(QString, control);
        QFETCH(QRect, geometry);
        QCOMPARE(named(control)->geometry(), geometry);
        QCOMPARE(named(control)->parentWidget(), splash->Frame1);
    }

    void labelsSizeThemselvesToTheirText_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("height"); // Windows' line of the face: usWinAscent + usWinDescent

        QTest::newRow("the title") << "lblCompanyProduct" << "Ventaro," << QPoint(328, 24) << 18.0 << true << 27;
        QTest::newRow("the platform") << "lblPlatform" << "for Windows" << QPoint(331, 156) << 15.75 << true << 24;
        QTest::newRow("the version") << "lblVersion" << "v. 1.2" << QPoint(418, 180) << 12.0 << true << 18;
        QTest::newRow("To play:") << "Label1" << "To play:" << QPoint(16, 192) << 8.25 << false << 0;
    }

    void labelsSizeThemselvesToTheirText()
    {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QFETCH(QPoint, topLeft);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        QFETCH(int, height);

        auto *label = qobject_cast<QLabel *>(named(control));
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->pos(), topLeft);
        QCOMPARE(label->font().pointSizeF(), points);
        QCOMPARE(label->font().bold(), bold);
        const QString face = QFontInfo(label->font()).family();
        QVERIFY2(face == "Arial" || face == "Liberation Sans", qPrintable(face));
        if (control != "Label1")
            QCOMPARE(label->size(), QSize(label->sizeHint().width(), height));
    }

    void captionsReadFromTheTop_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("To play:") << "Label1";
        QTest::newRow("the instructions") << "lblWarning";
        QTest::newRow("the copyright") << "lblCopyright";
        QTest::newRow("the maker's name") << "lblCompany";
    }

    void captionsReadFromTheTop()
    {
        QFETCH(QString, control);
        auto *label = qobject_cast<QLabel *>(named(control));
        QVERIFY(qAbs(inkTop(label) - inkTopWhenTopAligned(label)) <= 1);
    }

    void instructionsReadExactly()
    {
        const QString expected = "\"New\" begins a new game, asking for a starting number and an ending number.  "
                                 "\"Another\" begins a new game using numbers that were most recently entered.  "
                                 "Click a number to mark it, double-click to un-mark it.";
        QCOMPARE(splash->lblWarning->text(), expected);
        QCOMPARE(splash->lblWarning->text().size(), 207);
        QVERIFY(splash->lblWarning->wordWrap());
        // The wrapped text fits in the label.
        QVERIFY(splash->lblWarning->heightForWidth(273) <= 61);
    }

    void smallLinesFitOnOneLine()
    {
        for (QLabel *label : {splash->lblCopyright, splash->lblCompany}) {
            QVERIFY(!label->text().isEmpty());
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
        }
    }

    void lettersAreTheBoardsPictures()
    {
        const QLabel *letters[] = {splash->Image1, splash->Image5, splash->Image4, splash->Image3, splash->Image2};
        const char *files[] = {":/letterBe.bmp", ":/letterI.bmp", ":/letterEn.bmp", ":/letterGe.bmp", ":/letterO.bmp"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(letters[i]->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                     QImage(files[i]).convertToFormat(QImage::Format_RGB32));
        QCOMPARE(splash->imgLogo->pixmap().size(), QSize(351, 207));
        QVERIFY(splash->imgLogo->hasScaledContents());
    }

    void timerRunsForTenSeconds()
    {
        QVERIFY(splash->Timer1->isActive());
        QCOMPARE(splash->Timer1->interval(), 10000);
        QVERIFY(!splash->Timer1->isSingleShot());
    }

    // Each key with the text an X server gives it.
    void characterKeysHandOver_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("handsOver");

        QTest::newRow("a letter") << int(Qt::Key_A) << "a" << true;
        QTest::newRow("a digit") << int(Qt::Key_5) << "5" << true;
        QTest::newRow("Space") << int(Qt::Key_Space) << " " << true;
        QTest::newRow("Enter") << int(Qt::Key_Return) << "\r" << true;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << "\x1b" << true;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << "\b" << true;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << "\t" << true;
        QTest::newRow("Delete, though Qt types DEL") << int(Qt::Key_Delete) << "\x7f" << false;
        QTest::newRow("Insert") << int(Qt::Key_Insert) << "" << false;
        QTest::newRow("an arrow key") << int(Qt::Key_Left) << "" << false;
        QTest::newRow("Shift") << int(Qt::Key_Shift) << "" << false;
        QTest::newRow("a function key") << int(Qt::Key_F1) << "" << false;
    }

    void characterKeysHandOver()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(bool, handsOver);
        QTest::sendKeyEvent(QTest::Click, splash->windowHandle(), Qt::Key(key), text, Qt::NoModifier);
        QCOMPARE(handedOver(), handsOver);
    }

    void onlyAClickOnTheBareFrameHandsOver_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("handsOver");

        QTest::newRow("bare frame right of the title") << "460,40" << true;
        QTest::newRow("bare frame under the photograph") << "200,188" << true;
        QTest::newRow("the photograph") << "imgLogo" << false;
        QTest::newRow("the title") << "lblCompanyProduct" << false;
        QTest::newRow("a letter picture") << "Image4" << false;
        QTest::newRow("the instructions") << "lblWarning" << false;
        QTest::newRow("the version") << "lblVersion" << false;
        QTest::newRow("the maker's name") << "lblCompany" << false;
        QTest::newRow("the strip right of the frame") << "480,100" << false;
        QTest::newRow("the strip below the frame") << "200,281" << false;
    }

    void onlyAClickOnTheBareFrameHandsOver()
    {
        QFETCH(QString, target);
        QFETCH(bool, handsOver);

        QPoint point;
        if (target.contains(','))
            point = QPoint(target.section(',', 0, 0).toInt(), target.section(',', 1).toInt());
        else
            point = named(target)->geometry().center();
        QTest::mouseClick(splash->windowHandle(), Qt::LeftButton, {}, point);
        QCOMPARE(handedOver(), handsOver);
    }

    void tickOrCloseRequestHandsOver_data()
    {
        QTest::addColumn<bool>("closeRequest");
        QTest::newRow("the timer's tick") << false;
        QTest::newRow("a window manager's close request") << true;
    }

    void tickOrCloseRequestHandsOver()
    {
        QFETCH(bool, closeRequest);
        if (closeRequest) {
            // As the window system delivers it: to the window, not the widget.
            QCloseEvent request;
            QCoreApplication::sendEvent(splash->windowHandle(), &request);
        } else
            tick(splash->Timer1);
        QVERIFY(handedOver());
    }

    void handOverShowsAFreshBoardAndEndsTheSplash()
    {
        QPointer<QTimer> timer = splash->Timer1;
        QTest::keyClick(splash->windowHandle(), Qt::Key_A);

        frmBingo *board = existingForm<frmBingo>();
        QVERIFY(board && board->isVisible());
        QCOMPARE(dataCenter::getStartNumber(), Number(1));
        QCOMPARE(dataCenter::getEndNumber(), Number(75));
        for (const CellLabel *cell : board->GameLabel)
            QVERIFY(cell->text().isEmpty());
        QVERIFY(!existingForm<frmSplash>());

        processDeletes();
        QVERIFY(splash.isNull());
        QVERIFY(timer.isNull());
    }

    void secondHandOverGivesNoSecondBoard()
    {
        tick(splash->Timer1);
        frmBingo *board = existingForm<frmBingo>();
        dataCenter::setEndNumber(90);

        // Another tick that arrives before the splash is gone.
        QVERIFY(splash && !splash->Timer1->isActive());
        tick(splash->Timer1);
        QCOMPARE(existingForm<frmBingo>(), board);
        QCOMPARE(dataCenter::getEndNumber(), Number(90));
        QCOMPARE(boards(), 1);
    }

private:
    bool handedOver() const
    {
        return existingForm<frmBingo>() && existingForm<frmBingo>()->isVisible() && !existingForm<frmSplash>();
    }

    QWidget *named(const QString &name) const
    {
        QWidget *const controls[] = {splash->imgLogo,    splash->lblCompanyProduct, splash->lblPlatform,
                                     splash->lblVersion, splash->Label1,            splash->lblWarning,
                                     splash->lblCopyright, splash->lblCompany,      splash->Image1,
                                     splash->Image2,     splash->Image3,            splash->Image4,
                                     splash->Image5};
        const char *names[] = {"imgLogo", "lblCompanyProduct", "lblPlatform", "lblVersion", "Label1",
                               "lblWarning", "lblCopyright", "lblCompany", "Image1", "Image2",
                               "Image3", "Image4", "Image5"};
        for (int i = 0; i < 13; ++i)
            if (name == names[i])
                return controls[i];
        qFatal("no control named %s", qPrintable(name));
    }
};

QTEST_MAIN(tst_Splash)
#include "tst_splash.moc"
