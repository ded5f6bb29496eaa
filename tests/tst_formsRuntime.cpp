#include "deferredDeletes.h"
#include "form.h"
#include "handleEvent.h"
#include "messageBoxCatcher.h"
#include "platform.h"

#include <QProcessEnvironment>
#include <QTest>

namespace {

struct Counts
{
    int loads = 0;
    int unloads = 0;
};
Counts counts;

class TestForm : public Form
{
public:
    bool unloadAgainWhileUnloading = false;

protected:
    void Form_Load() override { ++counts.loads; }
    void Form_Unload(int &) override
    {
        ++counts.unloads;
        if (unloadAgainWhileUnloading)
            unload();
    }
};

class OtherForm : public Form
{
};

} // namespace

class tst_FormsRuntime : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        counts = {};
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void cleanup()
    {
        if (TestForm *f = existingForm<TestForm>())
            f->unload();
        processDeletes();
    }

    void namingCreatesAndLoadsOnceWithoutShowing()
    {
        QVERIFY(!existingForm<TestForm>());
        TestForm &first = form<TestForm>();
        QCOMPARE(counts.loads, 1);
        QVERIFY(!first.isVisible());
        QCOMPARE(&form<TestForm>(), &first);
        QCOMPARE(counts.loads, 1);
    }

    void showIsModelessAndActivates()
    {
        TestForm &f = form<TestForm>();
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QVERIFY(!f.isModal());
    }

    void unloadDestroysAndNamingAgainCreatesAfresh()
    {
        QPointer<TestForm> first = &form<TestForm>();
        first->show();
        first->unload();
        QCOMPARE(counts.unloads, 1);
        QVERIFY(!existingForm<TestForm>());
        QVERIFY(!first->isVisible());
        processDeletes();
        QVERIFY(first.isNull());

        TestForm &second = form<TestForm>();
        QCOMPARE(counts.loads, 2);
        QVERIFY(!second.isVisible());
    }

    void unloadWhileUnloadingDoesNothingMore()
    {
        TestForm &f = form<TestForm>();
        f.unloadAgainWhileUnloading = true;
        f.unload();
        f.unload();
        QCOMPARE(counts.unloads, 1);
    }

    void closeBoxUnloads()
    {
        QPointer<TestForm> f = &form<TestForm>();
        f->show();
        f->close();
        QCOMPARE(counts.unloads, 1);
        processDeletes();
        QVERIFY(f.isNull());
    }

    void programEndsWhenItsLastWindowIsUnloaded()
    {
        QApplication::setQuitOnLastWindowClosed(true);
        form<TestForm>().show();
        form<OtherForm>().show();
        bool endedEarly = false;
        bool timedOut = false;
        QTimer::singleShot(0, [] { form<TestForm>().unload(); });
        QTimer::singleShot(50, [&] {
            endedEarly = !existingForm<OtherForm>();
            form<OtherForm>().close();
        });
        QTimer stop;
        stop.setSingleShot(true);
        connect(&stop, &QTimer::timeout, &stop, [&] {
            timedOut = true;
            QCoreApplication::quit();
        });
        stop.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!endedEarly);
        QVERIFY(!timedOut);
        processDeletes();
    }

    void gnomeOnWaylandRunsThroughXWayland_data()
    {
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("mutterFeatures"); // "unreadable": no GIO or no schema
        QTest::addColumn<bool>("throughXWayland"); // else Qt's own choice
        QTest::newRow("GNOME on Wayland") << "XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=wayland DISPLAY=:0" << "" << true;
        QTest::newRow("ubuntu:GNOME, WAYLAND_DISPLAY") << "XDG_CURRENT_DESKTOP=ubuntu:GNOME WAYLAND_DISPLAY=w DISPLAY=:0" << "" << true;
        QTest::newRow("GNOME without XWayland") << "XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=wayland" << "" << false;
        QTest::newRow("QT_QPA_PLATFORM wins") << "XDG_CURRENT_DESKTOP=GNOME WAYLAND_DISPLAY=w DISPLAY=:0 QT_QPA_PLATFORM=wayland" << "" << false;
        QTest::newRow("KDE on Wayland") << "XDG_CURRENT_DESKTOP=KDE XDG_SESSION_TYPE=wayland DISPLAY=:0" << "" << false;
        QTest::newRow("GNOME on X") << "XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=x11 DISPLAY=:0" << "" << false;
        QTest::newRow("GNOME stretching X windows") << "XDG_CURRENT_DESKTOP=GNOME WAYLAND_DISPLAY=w DISPLAY=:0" << "scale-monitor-framebuffer" << false;
        QTest::newRow("GNOME scaling X natively") << "XDG_CURRENT_DESKTOP=GNOME WAYLAND_DISPLAY=w DISPLAY=:0" << "xwayland-native-scaling scale-monitor-framebuffer" << true;
        QTest::newRow("mutter's features unreadable") << "XDG_CURRENT_DESKTOP=GNOME WAYLAND_DISPLAY=w DISPLAY=:0" << "unreadable" << true;
    }

    void gnomeOnWaylandRunsThroughXWayland()
    {
        QFETCH(QString, environment);
        QFETCH(QString, mutterFeatures);
        QFETCH(bool, throughXWayland);
        QProcessEnvironment given;
        for (const QString &variable : environment.split(' '))
            given.insert(variable.section('=', 0, 0), variable.section('=', 1));
        const auto read = [&] {
            return mutterFeatures == "unreadable" ? std::nullopt : std::optional(mutterFeatures.split(' ', Qt::SkipEmptyParts));
        };
        QCOMPARE(platformFor(given, read), throughXWayland ? "xcb;wayland" : "");
    }

    void errorsAreReportedWithNumberAndText()
    {
        MessageBoxCatcher box;
        handleEvent([] { throw RuntimeError::overflow(); });
        QCOMPARE(box.text(), "Run-time error '6':\n\nOverflow");
    }

    void unexpectedErrorsStopAtTheBoundary()
    {
        MessageBoxCatcher box;
        handleEvent([] { throw 42; });
        QCOMPARE(box.text(), "Run-time error '51':\n\nInternal error");
    }
};

QTEST_MAIN(tst_FormsRuntime)
#include "tst_formsRuntime.moc"
