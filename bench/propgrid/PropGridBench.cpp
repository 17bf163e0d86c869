// Selecting an element (refilling the grid from the largest sheet) and painting the
// grid, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "DataScrollBar.h"
#include "PropertyListCtrl.h"

namespace {

using vantoro::CDataScrollBar;
using vantoro::CPropertyListCtrl;

// The largest sheet (ScrollBar: two categories, ten rows) and a grid of Property dock
// size, or one so short that the rows need the scroll bar.
struct GridFixture {
    explicit GridFixture(int height = 400) {
        record.Bmp = "scrollbar.bmp";
        record.UpdateSheet();
        list.resize(220, height);
        list.show();
    }
    // The sheet shown with a value row selected, laid out.
    void ShowSheet() {
        list.SetManager(&record.Sheet());
        list.setCurrentRow(2);
        QCoreApplication::processEvents();
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

// The whole grid painted again as it was: what every expose, tool tip or caret blink
// over the list costs.
void BM_PaintWholeGrid(benchmark::State& state) {
    GridFixture grid;
    grid.ShowSheet();
    QImage image(grid.list.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        grid.list.render(&painter);
    }
}
BENCHMARK(BM_PaintWholeGrid);

// The whole grid painted after something every row shows changed (the rules' marks set
// again): every row laid out afresh.
void BM_PaintWholeGridAllRowsChanged(benchmark::State& state) {
    GridFixture grid;
    grid.ShowSheet();
    QImage image(grid.list.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        grid.list.SetRowMarks({});
        QPainter painter(&image);
        grid.list.render(&painter);
    }
}
BENCHMARK(BM_PaintWholeGridAllRowsChanged);

// The whole grid painted after one value changed, as after an edit or an undo.
void BM_PaintWholeGridOneValueChanged(benchmark::State& state) {
    GridFixture grid;
    grid.ShowSheet();
    QImage image(grid.list.size(), QImage::Format_ARGB32_Premultiplied);
    int32_t width = 1;
    for (auto _ : state) {
        grid.record.ButtonTopHeight = ++width % 100;
        grid.record.UpdateSheet();
        QPainter painter(&image);
        grid.list.render(&painter);
    }
}
BENCHMARK(BM_PaintWholeGridOneValueChanged);

// A grid too short for its rows, the scroll bar painted with them.
void BM_PaintShortGridWithScrollBar(benchmark::State& state) {
    GridFixture grid(120);
    grid.ShowSheet();
    QImage image(grid.list.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        grid.list.render(&painter);
    }
}
BENCHMARK(BM_PaintShortGridWithScrollBar);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
