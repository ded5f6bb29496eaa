#include "frmSplash.h"
#include "gameWindows.h"
#include "platform.h"
#include "scriptedRandom.h"
#include "start.h"
#include "wcagContrast.h"

#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>

// The windows on the desktops players use. Each function runs on the desktop
// that tests/onDesktop.sh starts for it, as tests/CMakeLists.txt registers it.
class tst_Desktops : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void cleanup()
    {
        if (frmSplash *splash = existingForm<frmSplash>())
            splash->unload();
        unloadAll();
    }

    // On a dark theme the board stays white paper with dark ink.
    void boardIsPaper()
    {
        QVERIFY2(QApplication::palette().color(QPalette::Window).lightness() < 128, "the desktop's theme is dark");
        frmBingo &board = openBoard();
        {
            ScriptedRandom source({0.0f});
            acceptRange(board, "1", "75");
        }
        const QImage image = board.grab().toImage();

        double numbers = 21;
        for (const CellLabel *cell : board.GameLabel)
            numbers = qMin(numbers, contrastWithWhite(darkest(image, cell->geometry())));
        // Line5, between the first two columns, and Line10, under the first row.
        const double lines = qMin(contrastWithWhite(image.pixelColor(88, 200)),
                                  contrastWithWhite(image.pixelColor(200, 112)));
        qInfo("contrast on white: numbers %.2f : 1, lines %.2f : 1", numbers, lines);
        QVERIFY(numbers >= 4.5);
        QVERIFY(lines >= 3);
        QCOMPARE(image.pixelColor(board.GameLabel[0]->geometry().topLeft()), QColor(Qt::white));
    }

    // At a large desktop font no caption is cut, and the labels keep their place.
    void captionsAreWhole()
    {
        QVERIFY2(QApplication::font().pointSizeF() >= 12, "the desktop's font is 12 pt");
        frmBingo &board = openBoard();
        for (QPushButton *button : {board.cmdNew, board.cmdAnother, board.cmdPrint})
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));

        const frmNew &dialog = pressNew(board);
        const QPoint places[] = {{8, 16}, {8, 88}};
        const QList<QLabel *> labels = dialog.findChildren<QLabel *>();
        QCOMPARE(labels.size(), 2);
        for (int i = 0; i < 2; ++i) {
            const QLabel *label = labels[i];
            const QFontMetrics metrics(label->font());
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(), qPrintable(label->text()));
            QVERIFY(metrics.height() <= label->height());
            QCOMPARE(label->pos(), places[i]);
        }
    }

    // Under a Wayland compositor the splash is a bare surface and hands over.
    void splashIsBareOnWayland()
    {
        QCOMPARE(QGuiApplication::platformName(), "wayland");
        QWidget &splash = startProgram();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QCOMPARE(QGuiApplication::desktopFileName(), "net.ventaro.bingo");
        QCOMPARE(splash.windowHandle()->frameMargins(), QMargins());
        QCOMPARE(splash.frameGeometry().size(), QSize(481, 284));
        qInfo("the splash's surface: %d x %d", splash.frameGeometry().width(), splash.frameGeometry().height());

        QTest::keyClick(splash.windowHandle(), Qt::Key_A);
        frmBingo *board = existingForm<frmBingo>();
        QVERIFY(board);
        QVERIFY(QTest::qWaitForWindowExposed(board));
        QVERIFY(!existingForm<frmSplash>());
    }

    // GNOME's scaling features read through GIO from a schema of mutter's and
    // nothing of this machine's, each in a process of its own: GIO reads schemas once.
    // Mutter's stands in the first folder GIO reads, or in a later one, behind
    // another program's (a user's own schemas come first, say).
    void gnomeScalingReadThroughGio_data()
    {
        QTest::addColumn<QString>("mutterKeys"); // "none" for no schema
        QTest::addColumn<QString>("mutterFolder");
        QTest::addColumn<QString>("platform");
        const QString stretched = "<key name='experimental-features' type='as'><default>['scale-monitor-framebuffer']</default></key>";
        QTest::newRow("X windows stretched: Wayland") << stretched << "." << "";
        QTest::newRow("mutter's schema beneath another's") << stretched << "glib-2.0/schemas" << "";
        QTest::newRow("no experimental features") << "" << "." << "xcb;wayland";
        QTest::newRow("no schema") << "none" << "." << "xcb;wayland";
    }

    void gnomeScalingReadThroughGio()
    {
        QFETCH(QString, mutterKeys);
        QFETCH(QString, mutterFolder);
        QFETCH(QString, platform);
        QTemporaryDir only;
        const auto compiled = [&](const QString &folder, const QString &schema) {
            QFile file(only.filePath(folder) + "/s.gschema.xml");
            return QDir().mkpath(only.filePath(folder)) && file.open(QIODevice::WriteOnly)
                && file.write("<schemalist>" + schema.toUtf8() + "</schemalist>") && file.flush()
                && !QProcess::execute("glib-compile-schemas", {only.filePath(folder)});
        };
        QVERIFY(mutterKeys == "none" || compiled(mutterFolder, "<schema id='org.gnome.mutter' path='/'>" + mutterKeys + "</schema>"));
        QVERIFY(mutterFolder == "." || compiled(".", "<schema id='net.example.other' path='/net/example/other/'/>"));
        QCOMPARE(QProcess::execute("env", {"-u", "QT_QPA_PLATFORM", "GSETTINGS_SCHEMA_DIR=" + only.path(), "XDG_DATA_DIRS=" + only.path(),
            "XDG_DATA_HOME=" + only.path(), "GSETTINGS_BACKEND=memory", "XDG_CURRENT_DESKTOP=GNOME", "WAYLAND_DISPLAY=w", "DISPLAY=:0",
            "BINGO_PLATFORM=" + platform, QCoreApplication::applicationFilePath(), "-platform", "offscreen", "desktopPlatformIs"}), 0);
    }

    void desktopPlatformIs() { QCOMPARE(desktopPlatform(), qgetenv("BINGO_PLATFORM")); }
};

QTEST_MAIN(tst_Desktops)
#include "tst_desktops.moc"
