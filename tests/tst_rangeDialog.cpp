#include "captionInk.h"
#include "gameWindows.h"
#include "messageBoxCatcher.h"
#include "scriptedRandom.h"

#include <QLabel>

class tst_RangeDialog : public QObject
{
    Q_OBJECT

    frmBingo *board = nullptr;

private slots:
    void init()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        board = &openBoard();
    }

    void cleanup() { unloadAll(); }

    void laidOutAsDesigned()
    {
        frmNew &dialog = pressNew(*board);
        QCOMPARE(dialog.windowTitle(), "Give me information!");
        QCOMPARE(dialog.size(), QSize(312, 202));
        QVERIFY(dialog.windowIcon().isNull() || dialog.windowIcon().cacheKey() == QIcon().cacheKey());
        QVERIFY(dialog.isWindow() && !dialog.isModal() && !dialog.parentWidget());
        QCOMPARE(dialog.txtStart->geometry(), QRect(8, 48, 289, 19));
        QCOMPARE(dialog.txtEnd->geometry(), QRect(8, 120, 289, 19));
        QCOMPARE(dialog.butOK->geometry(), QRect(160, 160, 65, 25));
        QCOMPARE(dialog.butCancel->geometry(), QRect(232, 160, 65, 25));
        QCOMPARE(dialog.butOK->text(), "OK");
        QCOMPARE(dialog.butCancel->text(), "Cancel");

        QStringList captions;
        for (QLabel *label : dialog.findChildren<QLabel *>()) {
            captions << label->text() + " at " + QString::number(label->y());
            QVERIFY2(qAbs(inkTop(label) - inkTopWhenTopAligned(label)) <= 1, "the caption reads from the top");
        }
        captions.sort();
        QCOMPARE(captions, QStringList({"End Bingo sheet at: at 88", "Start Bingo sheet at: at 16"}));
    }

    void firstOpeningShowsTheStoredRangeSelected()
    {
        frmNew &dialog = pressNew(*board);
        QCOMPARE(dialog.txtStart->text(), "1");
        QCOMPARE(dialog.txtEnd->text(), "75");
        QCOMPARE(dialog.txtStart->selectedText(), "1");
        QCOMPARE(dialog.txtEnd->selectedText(), "75");
        QCOMPARE(QApplication::focusWidget(), dialog.txtStart);
        QVERIFY(board->isVisible());
    }

    void negativeNumbersShowTheirSign()
    {
        dataCenter::setStartNumber(-5);
        frmNew &dialog = pressNew(*board);
        QCOMPARE(dialog.txtStart->text(), "-5");
    }

    void focusGoesRoundInTabOrder()
    {
        frmNew &dialog = pressNew(*board);
        QWidget *expected[] = {dialog.txtEnd, dialog.butOK, dialog.butCancel, dialog.txtStart};
        for (QWidget *next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void typedTextBecomesTheRange_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("storedStart");
        QTest::addColumn<int>("storedEnd");

        QTest::newRow("1 to 90") << "1" << "90" << 1 << 90;
        QTest::newRow("2.5 stores 2") << "2.5" << "80" << 2 << 80;
        QTest::newRow("3.5 stores 4") << "3.5" << "80" << 4 << 80;
        QTest::newRow("-2.5 stores -2") << "-2.5" << "80" << -2 << 80;
        QTest::newRow("7.6 stores 8") << "7.6" << "80" << 8 << 80;
        QTest::newRow("empty box stores 0") << "" << "74" << 0 << 74;
        QTest::newRow("letters store 0") << "abc" << "74" << 0 << 74;
        QTest::newRow("12abc stores 12") << "12abc" << "86" << 12 << 86;
        QTest::newRow("32767 blanks before 75 store 75") << QString(32767, ' ') + "75" << "80" << 75 << 80;
        QTest::newRow("start above end is dealt") << "75" << "1" << 75 << 1;
        QTest::newRow("fewer than 25 numbers are dealt") << "1" << "12" << 1 << 12;
        QTest::newRow("32767 passes the conversion") << "32767" << "32767" << 32767 << 32767;
    }

    void typedTextBecomesTheRange()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(int, storedStart);
        QFETCH(int, storedEnd);

        ScriptedRandom source({highestDraw});
        frmNew &dialog = pressNew(*board);
        typeInto(dialog.txtStart, start);
        typeInto(dialog.txtEnd, end);
        QTest::mouseClick(dialog.butOK, Qt::LeftButton);

        QCOMPARE(storedRange(), qMakePair(storedStart, storedEnd));
        QCOMPARE(source.draws(), 25);
        QVERIFY(!existingForm<frmNew>());
        QCOMPARE(board->GameLabel[0]->text(), numberToText(dataCenter::getCard()[0]));
        QVERIFY(board->cmdPrint->isEnabled());
        QVERIFY(board->cmdAnother->isEnabled());

        // The next opening starts from the range just stored.
        frmNew &again = pressNew(*board);
        QCOMPARE(again.txtStart->text(), QString::number(storedStart));
        QCOMPARE(again.txtEnd->text(), QString::number(storedEnd));
    }

    void enterInEitherBoxPressesOk_data()
    {
        QTest::addColumn<bool>("inEndBox");
        QTest::newRow("Enter in the start box") << false;
        QTest::newRow("Enter in the end box") << true;
    }

    void enterInEitherBoxPressesOk()
    {
        QFETCH(bool, inEndBox);
        frmNew &dialog = pressNew(*board);
        QTest::keyClicks(dialog.txtStart, "5");
        QTest::keyClick(dialog.txtStart, Qt::Key_Tab);
        QTest::keyClicks(dialog.txtEnd, "79");
        QTest::keyClick(inEndBox ? dialog.txtEnd : dialog.txtStart, Qt::Key_Return);
        QCOMPARE(storedRange(), qMakePair(5, 79));
        QVERIFY(!existingForm<frmNew>());
    }

    void enterOrSpaceOnAFocusedButtonPressesIt_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("onCancel");
        QTest::addColumn<int>("storedEnd");

        QTest::newRow("Enter on Cancel cancels") << int(Qt::Key_Return) << true << 75;
        QTest::newRow("Space on Cancel cancels") << int(Qt::Key_Space) << true << 75;
        QTest::newRow("Space on OK accepts") << int(Qt::Key_Space) << false << 90;
    }

    void enterOrSpaceOnAFocusedButtonPressesIt()
    {
        QFETCH(int, key);
        QFETCH(bool, onCancel);
        QFETCH(int, storedEnd);

        frmNew &dialog = pressNew(*board);
        typeInto(dialog.txtEnd, "90");
        QPushButton *button = onCancel ? dialog.butCancel : dialog.butOK;
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key(key));
        QCOMPARE(storedRange(), qMakePair(1, storedEnd));
        QVERIFY(!existingForm<frmNew>());
    }

    void escDoesNothing()
    {
        frmNew &dialog = pressNew(*board);
        typeInto(dialog.txtStart, "9");
        QTest::keyClick(dialog.txtStart, Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(existingForm<frmNew>(), &dialog);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.txtStart->text(), "9");
    }

    void cancelAndCloseBoxStoreNothing_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Cancel") << false;
        QTest::newRow("close box") << true;
    }

    void cancelAndCloseBoxStoreNothing()
    {
        QFETCH(bool, closeBox);
        dataCenter::makeCard();
        const dataCenter::Card card = dataCenter::getCard();

        frmNew &dialog = pressNew(*board);
        typeInto(dialog.txtStart, "3");
        typeInto(dialog.txtEnd, "33");
        if (closeBox)
            dialog.close();
        else
            QTest::mouseClick(dialog.butCancel, Qt::LeftButton);

        QVERIFY(!existingForm<frmNew>());
        QCOMPARE(storedRange(), qMakePair(1, 75));
        QCOMPARE(dataCenter::getCard(), card);
        QVERIFY(!board->cmdAnother->isEnabled());
        QCOMPARE(pressNew(*board).txtStart->text(), "1");
    }

    void failedOkChangesNothing_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");

        QTest::newRow("32768 is no Number") << "1" << "32768";
        QTest::newRow("32767.5 rounds to 32768") << "32767.5" << "75";
        QTest::newRow("1e9 is no Number") << "1e9" << "75";
        QTest::newRow("0..32767 cannot be dealt") << "0" << "32767";
        QTest::newRow("-20000..20000 cannot be dealt") << "-20000" << "20000";
        QTest::newRow("a start of -32768 cannot be dealt") << "-32768" << "-32668";
    }

    void failedOkChangesNothing()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);

        frmNew &first = pressNew(*board);
        typeInto(first.txtEnd, "90");
        QTest::mouseClick(first.butOK, Qt::LeftButton);
        const dataCenter::Card card = dataCenter::getCard();
        const QStringList shown = shownNumbers(*board);

        frmNew &dialog = pressNew(*board);
        typeInto(dialog.txtStart, start);
        typeInto(dialog.txtEnd, end);
        MessageBoxCatcher box;
        QTest::mouseClick(dialog.butOK, Qt::LeftButton);

        QCOMPARE(box.text(), "Run-time error '6':\n\nOverflow");
        QCOMPARE(existingForm<frmNew>(), &dialog);
        QCOMPARE(dialog.txtStart->text(), start);
        QCOMPARE(dialog.txtEnd->text(), end);
        QCOMPARE(storedRange(), qMakePair(1, 90));
        QCOMPARE(dataCenter::getCard(), card);
        QCOMPARE(shownNumbers(*board), shown);
    }

    void failedFirstOkLeavesTheButtonsDisabled()
    {
        frmNew &dialog = pressNew(*board);
        typeInto(dialog.txtEnd, "32768");
        MessageBoxCatcher box;
        QTest::mouseClick(dialog.butOK, Qt::LeftButton);
        QVERIFY(!box.text().isEmpty());
        QVERIFY(!board->cmdPrint->isEnabled());
        QVERIFY(!board->cmdAnother->isEnabled());
        QVERIFY(board->GameLabel[0]->text().isEmpty());
    }

    void newWhileOpenKeepsTheTypedText()
    {
        frmNew &dialog = pressNew(*board);
        typeInto(dialog.txtStart, "7");
        dataCenter::setStartNumber(40);
        QCOMPARE(&pressNew(*board), &dialog);
        QCOMPARE(dialog.txtStart->text(), "7");
        int dialogs = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            dialogs += qobject_cast<frmNew *>(window) != nullptr;
        QCOMPARE(dialogs, 1);
    }

    void okAfterTheBoardWasClosedShowsAFreshBoard()
    {
        frmNew &dialog = pressNew(*board);
        board->close();
        processDeletes();
        QVERIFY(!existingForm<frmBingo>());
        QVERIFY(dialog.isVisible());

        typeInto(dialog.txtStart, "1");
        typeInto(dialog.txtEnd, "90");
        QTest::mouseClick(dialog.butOK, Qt::LeftButton);

        frmBingo *fresh = existingForm<frmBingo>();
        QVERIFY(fresh);
        QVERIFY(fresh->isVisible());
        QCOMPARE(storedRange(), qMakePair(1, 90));
        QCOMPARE(shownNumbers(*fresh).first(), numberToText(dataCenter::getCard()[0]));
        QVERIFY(fresh->cmdPrint->isEnabled());
        QVERIFY(fresh->cmdAnother->isEnabled());
        QVERIFY(!existingForm<frmNew>());
        board = fresh;
    }
};

QTEST_MAIN(tst_RangeDialog)
#include "tst_rangeDialog.moc"
