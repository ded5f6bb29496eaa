// "Print" timed from the click: to the job handed to the print service, where
// a default printer is installed, and, where none is, to the PDF written, its
// save dialog answered at once. bench/print runs both.
#include "dataCenter.h"
#include "frmBingo.h"

#include <QApplication>
#include <QFileDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

frmBingo &markedBoard()
{
    frmBingo &board = form<frmBingo>();
    board.show();
    dataCenter::makeCard();
    board.updateBoard();
    board.cmdPrint->setEnabled(true);
    for (int i : {0, 12, 24})
        emit board.GameLabel[i]->clicked();
    return board;
}

void clickToPrintJob(benchmark::State &state)
{
    if (QPrinterInfo::defaultPrinter().isNull())
        return state.SkipWithError("no default printer");
    frmBingo &board = markedBoard();
    for (auto _ : state)
        board.cmdPrint->click();
}
BENCHMARK(clickToPrintJob)->Unit(benchmark::kMillisecond);

void clickToPdfWritten(benchmark::State &state)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        return state.SkipWithError("a printer is installed");
    QTemporaryDir folder;
    frmBingo &board = markedBoard();
    int saved = 0;
    for (auto _ : state) {
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            dialog->selectFile(folder.filePath(QString("card%1.pdf").arg(saved++)));
            static_cast<QDialog *>(dialog)->accept();
        });
        board.cmdPrint->click();
    }
}
BENCHMARK(clickToPdfWritten)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    dataCenter::setStartNumber(1);
    dataCenter::setEndNumber(75);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
