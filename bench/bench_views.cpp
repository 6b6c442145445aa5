// The favourites table with a million records in memory: building the model and the proxy with
// its bound filter and the first sort (next to the floor of that sort), re-sorting by location, a
// search that keeps about 1% of the rows, and the memory the model and the proxy add over the
// records. The first sort runs twice: on dates that rise with the row order, as the database
// stores them, and on dates scrambled across the whole vector; there, as for the points, sorting
// reads the records in random order and is bound by memory latency.

#include "appleMaps/records/AppleMapsCategory.h"
#include "appleMaps/records/AppleMapsRecords.h"
#include "appleMaps/ui/AppleMapsBookmarksModel.h"
#include "appleMaps/ui/AppleMapsBookmarksSortFilterProxyModel.h"
#include "appleMaps/ui/AppleMapsFilterManager.h"
#include "cmn/filter/FilterContext.h"
#include "pluginGui/IStackedFilter.h"

#include <QCoreApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <memory>
#include <numeric>

namespace {

using appleMaps::AppleMapsPlaceBookmarkItem;
using appleMaps::AppleMapsRecords;

constexpr int RecordCount = 1000000;
constexpr int LocationColumn = 3;

class Presenter final : public pluginGui::IStackedFilter {
public:
    cmn::filter::FilterContext& GetFilterContext(int category) override
    {
        return m_contexts.at(static_cast<std::size_t>(category));
    }

private:
    std::array<cmn::filter::FilterContext, 4> m_contexts;
};

enum DateOrder { AsStored, Scrambled };

// Every hundredth favourite is named "Harbour view": the search text "harbour" finds 1%. A tenth
// have no location; the others' points are scrambled against the row order.
AppleMapsRecords MakeRecords(DateOrder dateOrder)
{
    AppleMapsRecords made;
    made.bookmarks.resize(RecordCount);
    const QDateTime start(QDate(2019, 3, 5), QTime(14, 7), Qt::UTC);
    for (int index = 0; index < RecordCount; ++index) {
        AppleMapsPlaceBookmarkItem& bookmark = made.bookmarks[static_cast<std::size_t>(index)];
        const int scrambled = static_cast<int>((index * 7919LL) % RecordCount);
        // As stored: rising, with a few neighbours out of order.
        const qint64 seconds = dateOrder == AsStored ? index * 37LL - (index % 5) * 40 : scrambled * 37LL;
        bookmark.timestamp = start.addSecs(seconds);
        bookmark.title = QStringLiteral("Favourite %1").arg(index);
        bookmark.name = index % 100 == 0 ? QStringLiteral("Harbour view") : QStringLiteral("Cafe");
        bookmark.type = QStringLiteral("Place");
        bookmark.telephone = QStringLiteral("+380 44 %1").arg(index % 10000);
        if (index % 10 != 0)
            bookmark.placePoint = {30.0 + scrambled * 1e-5, 50.0 + (scrambled % 1000) * 1e-3, 0.0};
        bookmark.droppedPin = {31.0, 51.0, 0.0};
        cmn::Address address;
        address.resolutionState = cmn::Address::Resolved;
        address.countryCode = QStringLiteral("UA");
        address.locality = QStringLiteral("Kyiv");
        address.thoroughfare = QStringLiteral("Khreshchatyk");
        address.subThoroughfare = QString::number(index % 200);
        bookmark.addresses = {address};
    }
    return made;
}

const AppleMapsRecords& Records(DateOrder dateOrder = AsStored)
{
    static const AppleMapsRecords asStored = MakeRecords(AsStored);
    if (dateOrder == AsStored)
        return asStored;
    static const AppleMapsRecords scrambled = MakeRecords(Scrambled);
    return scrambled;
}

// The favourites page as the view builds it: filter manager, model, proxy, first sort.
struct Table {
    explicit Table(const AppleMapsRecords& records = Records())
        : manager(presenter)
        , model(nullptr, &records.bookmarks)
        , proxy(nullptr, manager.GetFilter(appleMaps::FavoritesCategory))
    {
        manager.SetFiltersData(&records);
        manager.SetCurrentCategory(appleMaps::FavoritesCategory);
        proxy.setSourceModel(&model);
        proxy.sort(0, Qt::DescendingOrder);
    }

    Presenter presenter;
    appleMaps::ui::AppleMapsFilterManager manager;
    appleMaps::ui::AppleMapsBookmarksModel model;
    appleMaps::ui::AppleMapsBookmarksSortFilterProxyModel proxy;
};

std::size_t ResidentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() < 2 ? 0 : fields[1].toULongLong() * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

void BuildAndSortByDate(benchmark::State& state)
{
    const AppleMapsRecords& records = Records(static_cast<DateOrder>(state.range(0)));
    for (auto _ : state) {
        auto table = std::make_unique<Table>(records);
        benchmark::DoNotOptimize(table->proxy.rowCount());
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
}

// The floor of the first sort: row numbers ordered by reading the records directly, as the
// proxy's stable sort does but without models, indexes or variants.
void SortByDateFloor(benchmark::State& state)
{
    const auto& bookmarks = Records(static_cast<DateOrder>(state.range(0))).bookmarks;
    for (auto _ : state) {
        std::vector<int> rows(bookmarks.size());
        std::iota(rows.begin(), rows.end(), 0);
        std::stable_sort(rows.begin(), rows.end(), [&bookmarks](int left, int right) {
            return bookmarks[static_cast<std::size_t>(right)].timestamp
                < bookmarks[static_cast<std::size_t>(left)].timestamp;
        });
        benchmark::DoNotOptimize(rows.data());
    }
}

void SortByLocation(benchmark::State& state)
{
    Table table;
    for (auto _ : state) {
        table.proxy.sort(LocationColumn, Qt::AscendingOrder);
        benchmark::DoNotOptimize(table.proxy.rowCount());
        state.PauseTiming();
        table.proxy.sort(0, Qt::DescendingOrder);
        state.ResumeTiming();
    }
}

void SearchOnePercent(benchmark::State& state)
{
    Table table;
    uint matches = 0;
    for (auto _ : state) {
        table.manager.SetSearchTag(QStringLiteral("harbour"));
        table.proxy.invalidate();
        matches = table.manager.CountAllMatches();
        state.PauseTiming();
        table.manager.SetSearchTag(QString());
        table.proxy.invalidate();
        state.ResumeTiming();
    }
    table.manager.SetSearchTag(QStringLiteral("harbour"));
    table.proxy.invalidate();
    state.counters["rows_shown"] = table.proxy.rowCount();
    state.counters["matches"] = matches;
}

void MemoryOverRecords(benchmark::State& state)
{
    Records();
    for (auto _ : state) {
        malloc_trim(0);
        const std::size_t before = ResidentBytes();
        Table table;
        const std::size_t after = ResidentBytes();
        state.counters["bytes_per_row"] = static_cast<double>(after - before) / RecordCount;
    }
}

} // namespace

// Memory first, before other runs leave freed pages behind that the table could reuse.
BENCHMARK(MemoryOverRecords)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BuildAndSortByDate)
    ->ArgName("scrambled")
    ->Arg(AsStored)
    ->Arg(Scrambled)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(SortByDateFloor)
    ->ArgName("scrambled")
    ->Arg(AsStored)
    ->Arg(Scrambled)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(SortByLocation)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SearchOnePercent)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
