#include "gameWindows.h"
#include "frmSplash.h"
#include "scriptedRandom.h"

#include <QAccessible>
#include <QLabel>

namespace {

QString accessible(QObject *object, QAccessible::Text what)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(object);
    return interface ? interface->text(what) : QString();
}

bool checked(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object)->state().checked;
}

} // namespace

// What a screen reader hears through Qt's accessibility bridge.
class tst_Accessibility : public QObject
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
        if (frmSplash *splash = existingForm<frmSplash>())
            splash->unload();
        unloadAll();
    }

    void cellsTellPlaceNumberAndMark_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");

        QTest::newRow("top left") << 0 << "Б, row 1, 1";
        QTest::newRow("bottom of the first column") << 4 << "Б, row 5, 5";
        QTest::newRow("top of the second column") << 5 << "И, row 1, 16";
        QTest::newRow("bottom right") << 24 << "О, row 5, 65";
    }

    void cellsTellPlaceNumberAndMark()
    {
        QFETCH(int, index);
        QFETCH(QString, name);

        CellLabel *cell = board->GameLabel[index];
        QCOMPARE(accessible(cell, QAccessible::Name), name.section(',', 0, 1) + ", empty");

        ScriptedRandom source({0.0f});
        acceptRange(*board, "1", "75");
        QCOMPARE(accessible(cell, QAccessible::Name), name);
        QVERIFY(!checked(cell));

        QTest::mouseClick(cell, Qt::LeftButton);
        QVERIFY(checked(cell));
        QTest::mouseDClick(board->windowHandle(), Qt::LeftButton, {}, cell->geometry().center());
        QVERIFY(!checked(cell));
        // Windows' screen readers toggle a check box, or press it, through UI Automation.
        QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(cell)->actionInterface();
        actions->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(checked(cell));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(!checked(cell));
    }

    void controlsTellTheirCaptions()
    {
        QCOMPARE(accessible(board->cmdNew, QAccessible::Name), "New...");
        QCOMPARE(accessible(board->cmdPrint, QAccessible::Name), "Print");
        QCOMPARE(accessible(board->Image[2], QAccessible::Name), "Н");

        frmNew &dialog = pressNew(*board);
        QCOMPARE(accessible(dialog.txtStart, QAccessible::Name), "Start Bingo sheet at:");
        QCOMPARE(accessible(dialog.txtEnd, QAccessible::Name), "End Bingo sheet at:");
        QCOMPARE(accessible(dialog.butOK, QAccessible::Name), "OK");
    }

    void splashTellsHowToPlay()
    {
        frmSplash &splash = form<frmSplash>();
        splash.show();
        QVERIFY(QTest::qWaitForWindowActive(&splash));
        // After the window, and once: the instructions, focused and named by "To play:".
        QCOMPARE(QApplication::focusWidget(), splash.lblWarning);
        QCOMPARE(accessible(&splash, QAccessible::Description) + accessible(splash.lblWarning, QAccessible::Description), splash.lblWarning->text());
        const auto labels = QAccessible::queryAccessibleInterface(splash.lblWarning)->relations(QAccessible::Label);
        QVERIFY(labels.size() == 1 && labels.first().first->object() == splash.Label1);
        QCOMPARE(accessible(splash.lblWarning, QAccessible::Name), splash.lblWarning->text());
        QCOMPARE(accessible(splash.Image5, QAccessible::Name), "И");
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
