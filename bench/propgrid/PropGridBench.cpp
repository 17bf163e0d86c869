// Selecting an element (refilling the grid from the largest sheet) and painting the
// whole grid, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "DataScrollBar.h"
#include "PropertyListCtrl.h"

namespace {

using vantoro::CDataScrollBar;
using vantoro::CPropertyListCtrl;

// The largest sheet (ScrollBar: two categories, ten rows) and a grid of Property dock size.
struct GridFixture {
    GridFixture() {
        record.Bmp = "scrollbar.bmp";
        record.UpdateSheet();
        list.resize(220, 400);
        list.show();
    }
    CDataScrollBar record;
    CPropertyListCtrl list;
};

void BM_SelectLargestSheet(benchmark::State& state) {
    GridFixture grid;
    CPropertyListCtrl& list = grid.list;
    CDataScrollBar& record = grid.record;
    for (auto _ : state) {
        list.ResetContent();
        list.SetManager(&record.Sheet());
        // The rows are laid out on the next turn of the event loop: part of the cost.
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(list.count());
    }
}
BENCHMARK(BM_SelectLargestSheet);

void BM_PaintWholeGrid(benchmark::State& state) {
    GridFixture grid;
    CPropertyListCtrl& list = grid.list;
    CDataScrollBar& record = grid.record;
    list.SetManager(&record.Sheet());
    list.setCurrentRow(2);
    QCoreApplication::processEvents();
    QImage image(list.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        list.render(&painter);
    }
}
BENCHMARK(BM_PaintWholeGrid);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
