#include "dataCenter.h"
#include "frmBingo.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void makeCard(benchmark::State &state)
{
    dataCenter::setStartNumber(1);
    dataCenter::setEndNumber(75);
    for (auto _ : state) {
        dataCenter::makeCard();
        benchmark::DoNotOptimize(dataCenter::getCard());
    }
}
BENCHMARK(makeCard);

void makeCardAndUpdateBoard(benchmark::State &state)
{
    frmBingo &board = form<frmBingo>();
    board.show();
    for (auto _ : state) {
        dataCenter::makeCard();
        board.updateBoard();
    }
    board.unload();
}
BENCHMARK(makeCardAndUpdateBoard);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
