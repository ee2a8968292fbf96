// Filtering the price-list view of 50 000 rows as the user types: the engine's rule alone, and
// the real window, from the typed letter to the table shown again. One more letter must take
// well under 50 ms.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include <QApplication>
#include <QLineEdit>
#include <QTableView>

#include "bench_price_list.h"
#include "catalogue/price_list_view.h"
#include "catalogue/table_rows.h"
#include "gui/dialogs/table_window.h"

namespace {

using namespace belvo;

constexpr std::size_t kRows = 50000;

// The view of a price list with kRows rows (every record shown, rotated or not).
const TableDialog& LargeView()
{
    static const TableDialog table = [] {
        const CMaterialList materials = bench::MakeLargePriceList(kRows);
        PriceList empty;
        TableDialog view = PriceListViewTable(empty, Separators{});
        for (const CMaterial& material : materials) view.rows.push_back(PriceListViewRow(material, Separators{}));
        return view;
    }();
    return table;
}

// The texts typed one letter after the other: a name, then an order number.
const std::string kTypedName = "řada 17 tl";
const std::string kTypedNumber = "12345";

// The first letter searches every row: the slowest letter.
void BM_EngineFirstLetter(benchmark::State& state)
{
    TableRows rows(LargeView(), Separators{});
    for (auto _ : state) {
        rows.SetFilter("c");
        benchmark::DoNotOptimize(rows.Count());
        state.PauseTiming();
        rows.SetFilter("");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EngineFirstLetter)->Unit(benchmark::kMillisecond);

// Typing a whole text, letter by letter; the time is per letter.
void BM_EngineTypingLetterByLetter(benchmark::State& state)
{
    const std::string& typed = state.range(0) == 0 ? kTypedName : kTypedNumber;
    TableRows rows(LargeView(), Separators{});
    for (auto _ : state) {
        for (std::size_t length = 1; length <= typed.size(); ++length) rows.SetFilter(typed.substr(0, length));
        benchmark::DoNotOptimize(rows.Count());
        state.PauseTiming();
        rows.SetFilter("");
        state.ResumeTiming();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * typed.size()));
}
BENCHMARK(BM_EngineTypingLetterByLetter)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The window: one more letter in the filter field, until the table has been shown again.
void BM_WindowOneMoreLetter(benchmark::State& state)
{
    gui::TableWindow window(LargeView(), Separators{});
    window.resize(1200, 700);
    window.show();
    QApplication::processEvents();
    QLineEdit* filter = window.FilterField();
    const QString before = QString::fromUtf8(state.range(0) == 0 ? "" : "cihla broušená p+d řada 1");
    const QString letter = QString::fromUtf8(state.range(0) == 0 ? "c" : "7");
    for (auto _ : state) {
        state.PauseTiming();
        filter->setText(before);
        QApplication::processEvents();
        state.ResumeTiming();
        filter->insert(letter);
        window.Table()->viewport()->repaint();
        QApplication::processEvents();
    }
    state.counters["rows"] = window.Table()->model()->rowCount();
}
BENCHMARK(BM_WindowOneMoreLetter)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
