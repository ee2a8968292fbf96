// The summary window itself on a proposal of 2 000 items: one cell edited through the item
// table's model, as the delegate commits it, up to the repaint of what changed (the engine's
// recompute, the comparison that tells the views which cells changed, the number fields, the
// paint of the visible rows). Runs on the offscreen platform unless a display is given.
//
//   cmake --build build/bench --target summary_window_bench && build/bench/bench/summary_window_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QTest>

#include "bench_summary.h"
#include "gui/summary/summary_table_view.h"
#include "gui/summary/summary_window.h"

namespace belvo::bench {
namespace {

// Counts the paint events of a widget, so the figure shows that each pass repainted.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

void BM_EditedCellToRepaint(benchmark::State& state)
{
    SummaryBed bed;
    gui::SummaryWindow window(bed.Open(static_cast<int>(state.range(0))), bed.ui, false);
    window.resize(1280, 800);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("the window was not shown");
    QAbstractItemModel& items = *window.ItemTable()->model();
    // A row on the screen, so that its repaint is part of the measure.
    const QModelIndex cell = items.index(3, SummaryModel::kPalet);
    PaintCounter counter;
    window.ItemTable()->viewport()->installEventFilter(&counter);
    QApplication::processEvents();
    counter.paints = 0;
    bool flip = false;
    for (auto _ : state) {
        items.setData(cell, (flip = !flip) ? QStringLiteral("12,5") : QStringLiteral("3"));
        // The views repaint what they were told of.
        QApplication::processEvents();
    }
    state.counters["paints"] = benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_EditedCellToRepaint)->Arg(kSummaryItems)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace belvo::bench

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
