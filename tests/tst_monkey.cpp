#include "frmSplash.h"
#include "gameWindows.h"
#include "messageBoxCatcher.h"
#include "printPage.h"

#include <random>

// Long random runs of real events on the real windows, from fixed seeds so
// that a failure can be replayed: clicks and double-clicks on cells, buttons
// and the splash, typing, Enter, Esc and Tab in the dialog, closing windows.
// After every event the program's promises are checked.
namespace {

const QStringList typedTexts = {"1", "75", "90", "25", "-5", "0", "32767", "32768", "2.5", "abc",
                                "", "1e9", "12abc", "-32768", "13", "5", "32700", "7.6"};

template <class F>
int visibleWindows()
{
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *form = qobject_cast<F *>(window))
            count += form->isVisible() && !form->isUnloading();
    return count;
}

class Monkey
{
public:
    explicit Monkey(unsigned seed) : m_random(seed) {}

    // Runs one random event and checks the promises; false with a reason when one is broken.
    bool step(QString &broken)
    {
        m_before = {dataCenter::getStartNumber(), dataCenter::getEndNumber()};
        m_cardBefore = dataCenter::getCard();
        MessageBoxCatcher box;
        const QString action = act();
        QCoreApplication::processEvents();
        processDeletes();
        broken = check(action, box.text());
        return broken.isEmpty();
    }

    QString lastAction;
    bool pagesShowNoButtons = true;

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    QString act()
    {
        frmSplash *splash = existingForm<frmSplash>();
        frmBingo *board = existingForm<frmBingo>();
        frmNew *dialog = existingForm<frmNew>();
        if (!splash && !board && !dialog) {
            // The program has ended: start it again.
            form<frmSplash>().show();
            m_boardDealt = m_okSucceeded = false;
            return lastAction = "start";
        }
        if (splash)
            return lastAction = actOnSplash(*splash);
        if (board != m_board) {
            // A board loaded afresh has dealt nothing yet.
            m_board = board;
            m_boardDealt = m_okSucceeded = false;
        }
        if (dialog && pick(2))
            return lastAction = actOnDialog(*dialog);
        if (board)
            return lastAction = actOnBoard(*board);
        return lastAction = actOnDialog(*dialog);
    }

    QString actOnSplash(frmSplash &splash)
    {
        switch (pick(4)) {
        case 0:
            QTest::keyClick(splash.windowHandle(), pick(2) ? Qt::Key_A : Qt::Key_Left);
            return "key on the splash";
        case 1: {
            const QPoint at(pick(splash.width()), pick(splash.height()));
            QTest::mouseClick(splash.windowHandle(), Qt::LeftButton, {}, at);
            return QString("click on the splash at %1,%2").arg(at.x()).arg(at.y());
        }
        case 2: {
            QTimerEvent tick(splash.Timer1->timerId());
            QCoreApplication::sendEvent(splash.Timer1, &tick);
            return "timer tick";
        }
        default:
            // A window manager's close request (Alt+F4) hands over like a key.
            splash.close();
            return "close the splash";
        }
    }

    QString actOnBoard(frmBingo &board)
    {
        const int cell = pick(25);
        const QPoint centre = board.GameLabel[cell]->geometry().center();
        switch (pick(8)) {
        case 0:
        case 1:
            QTest::mouseClick(board.windowHandle(), Qt::LeftButton, {}, centre);
            return QString("click on cell %1").arg(cell);
        case 2:
            QTest::mouseDClick(board.windowHandle(), Qt::LeftButton, {}, centre);
            return QString("double-click on cell %1").arg(cell);
        case 3:
            QTest::mouseClick(board.cmdNew, Qt::LeftButton);
            return "New...";
        case 4: {
            const bool enabled = board.cmdAnother->isEnabled();
            QTest::mouseClick(board.cmdAnother, Qt::LeftButton);
            m_anotherPressed = enabled;
            return "Another";
        }
        case 5:
            QTest::mouseClick(board.cmdPrint, Qt::LeftButton);
            return "Print";
        case 6:
            if (pick(10) == 0) {
                board.close();
                return "close the board";
            }
            return "nothing";
        default:
            QTest::mouseClick(board.windowHandle(), Qt::LeftButton, {}, QPoint(pick(board.width()), pick(board.height())));
            return "click on the board";
        }
    }

    QString actOnDialog(frmNew &dialog)
    {
        QLineEdit *box = pick(2) ? dialog.txtStart : dialog.txtEnd;
        switch (pick(8)) {
        case 0:
        case 1: {
            const QString text = typedTexts[pick(typedTexts.size())];
            box->selectAll();
            QTest::keyClicks(box, text.isEmpty() ? QString() : text);
            if (text.isEmpty())
                QTest::keyClick(box, Qt::Key_Backspace);
            return QString("type \"%1\"").arg(text);
        }
        case 2:
            noteOk(dialog);
            QTest::keyClick(box, Qt::Key_Return);
            return "Enter";
        case 3:
            noteOk(dialog);
            QTest::mouseClick(dialog.butOK, Qt::LeftButton);
            return "OK";
        case 4:
            QTest::keyClick(box, Qt::Key_Escape);
            return "Esc";
        case 5:
            QTest::keyClick(box, Qt::Key_Tab);
            return "Tab";
        case 6:
            QTest::mouseClick(dialog.butCancel, Qt::LeftButton);
            return "Cancel";
        default:
            dialog.close();
            return "close the dialog";
        }
    }

    void noteOk(frmNew &dialog)
    {
        m_okTexts = {dialog.txtStart->text(), dialog.txtEnd->text()};
        m_okPressed = true;
    }

    QString check(const QString &action, const QString &error)
    {
        const bool okPressed = std::exchange(m_okPressed, false);
        const bool anotherPressed = std::exchange(m_anotherPressed, false);

        if (visibleWindows<frmBingo>() > 1)
            return "two boards";
        if (visibleWindows<frmNew>() > 1)
            return "two range dialogs";
        if (existingForm<frmSplash>() && existingForm<frmBingo>())
            return "the splash stayed after the hand-over";
        if (!existingForm<frmSplash>() && !existingForm<frmBingo>() && !existingForm<frmNew>()
            && action != "close the board" && action != "close the dialog" && action != "Cancel")
            return "every window went away";

        const QPair<Number, Number> range{dataCenter::getStartNumber(), dataCenter::getEndNumber()};
        if (okPressed) {
            if (error.isEmpty()) {
                if (existingForm<frmNew>())
                    return "OK left the dialog open";
                m_board = existingForm<frmBingo>();
                m_boardDealt = m_okSucceeded = true;
            } else {
                if (range != m_before || !(dataCenter::getCard() == m_cardBefore))
                    return "a failed OK changed the range or the card: " + error;
                if (!existingForm<frmNew>())
                    return "a failed OK closed the dialog";
                if (existingForm<frmNew>()->txtStart->text() != m_okTexts.first)
                    return "a failed OK lost what was typed";
            }
        }
        if (anotherPressed) {
            if (error.isEmpty())
                m_boardDealt = true;
            else if (!(dataCenter::getCard() == m_cardBefore))
                return "a failed Another changed the card";
        }
        if (!error.isEmpty() && !okPressed && !anotherPressed)
            return "an error where none can arise: " + error;
        if (!okPressed && !anotherPressed && (range != m_before) && action != "start" && !action.startsWith("key")
            && !action.startsWith("click on the splash") && action != "timer tick" && action != "close the splash")
            return "the range changed";

        frmBingo *board = existingForm<frmBingo>();
        if (!board || board != m_board)
            return {};
        for (const QPushButton *button : {board->cmdNew, board->cmdAnother, board->cmdPrint})
            if (!button->isVisible())
                return "a button stayed hidden";
        if (m_okSucceeded && !(board->cmdPrint->isEnabled() && board->cmdAnother->isEnabled()))
            return "Print or Another is disabled after an OK";
        if (!m_okSucceeded && (board->cmdPrint->isEnabled() || board->cmdAnother->isEnabled()))
            return "Print or Another is enabled before any OK";
        if (m_boardDealt) {
            const dataCenter::Card card = dataCenter::getCard();
            for (int i = 0; i < dataCenter::Card::size; ++i)
                if (board->GameLabel[i]->text() != numberToText(card[i]))
                    return QString("cell %1 does not show the card").arg(i);
        }
        return {};
    }

    std::mt19937 m_random;
    QPair<Number, Number> m_before;
    dataCenter::Card m_cardBefore;
    QPair<QString, QString> m_okTexts;
    frmBingo *m_board = nullptr;
    bool m_okPressed = false;
    bool m_anotherPressed = false;
    bool m_okSucceeded = false;
    bool m_boardDealt = false;
};

} // namespace

class tst_Monkey : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void cleanup()
    {
        setPrintDestination({});
        if (frmSplash *splash = existingForm<frmSplash>())
            splash->unload();
        unloadAll();
    }

    void randomEventsKeepEveryPromise_data()
    {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed : {1u, 2u, 3u, 5u, 8u})
            QTest::newRow(qPrintable(QString("seed %1").arg(seed))) << seed;
    }

    void randomEventsKeepEveryPromise()
    {
        QFETCH(unsigned, seed);
        Monkey monkey(seed);
        setPrintDestination([&monkey](const QPicture &page) {
            const frmBingo *board = existingForm<frmBingo>();
            const QImage image = pageAt96Dpi(page);
            for (const QPushButton *button : {board->cmdNew, board->cmdAnother, board->cmdPrint})
                monkey.pagesShowNoButtons &= image.pixel(button->geometry().center()) == qRgb(255, 255, 255);
        });
        form<frmSplash>().show();

        for (int event = 0; event < eventsPerSeed; ++event) {
            QString broken;
            if (!monkey.step(broken))
                QFAIL(qPrintable(QString("event %1 (%2): %3").arg(event).arg(monkey.lastAction, broken)));
            ++m_events;
        }
        QVERIFY(monkey.pagesShowNoButtons);
    }

    // ./check prints this line from the test log.
    void cleanupTestCase() { qInfo("monkey: %d random events, every promise checked after each", m_events); }

private:
    static constexpr int eventsPerSeed = 2500;
    int m_events = 0;
};

QTEST_MAIN(tst_Monkey)
#include "tst_monkey.moc"
