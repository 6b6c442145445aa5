// The favourites table with a million records in memory, each step timed against its floor in
// the same run (counter x_floor = step / floor; times are the process's processor time):
// - building the model and the proxy with its bound filter and the first sort by date, against
//   ordering the row numbers by reading the dates from the records directly, on dates that rise
//   with the row order as the database stores them and on dates scrambled across the vector;
// - re-sorting by location, against ordering the row numbers by the records' points;
// - a search that keeps about 1% of the rows (the filter pass a view runs and the match count),
//   against a plain scan for the search text over the same texts, lower-cased in one buffer;
//   the first search of a table also folds the records' texts, and is reported on its own;
// - the memory the model and the sorted proxy add over the records, and what a search adds.

#include "StandalonePresenter.h"
#include "appleMaps/records/AppleMapsCategory.h"
#include "appleMaps/records/AppleMapsRecords.h"
#include "appleMaps/ui/AppleMapsBookmarksModel.h"
#include "appleMaps/ui/AppleMapsBookmarksSortFilterProxyModel.h"
#include "appleMaps/ui/AppleMapsFilterManager.h"
#include "cmn/text/AddressText.h"
#include "cmn/text/LocationText.h"

#include <QCoreApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <numeric>
#include <string>
#include <tuple>

namespace {

using appleMaps::AppleMapsPlaceBookmarkItem;
using appleMaps::AppleMapsRecords;

constexpr int RecordCount = 1000000;
constexpr int LocationColumn = 3;
constexpr int TimedRuns = 3;
const QString SearchText = QStringLiteral("harbour");

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

    StandalonePresenter presenter;
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

double CpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Processor time rather than wall time: the figures stay comparable while other work loads the
// machine.
double Seconds(const std::function<void()>& step)
{
    const double start = CpuSeconds();
    step();
    return CpuSeconds() - start;
}

// The mean of a few runs of the floor, measured once per benchmark.
double FloorSeconds(const std::function<void()>& floor)
{
    double total = 0.0;
    for (int run = 0; run < TimedRuns; ++run)
        total += Seconds(floor);
    return total / TimedRuns;
}

// Times each iteration's step (set up and torn down outside the timing) and reports the floor
// and the ratio of the mean step to it.
void TimeAgainstFloor(benchmark::State& state, double floorSeconds, const std::function<void()>& setUp,
                      const std::function<void()>& step, const std::function<void()>& tearDown)
{
    double total = 0.0;
    for (auto _ : state) {
        setUp();
        const double seconds = Seconds(step);
        state.SetIterationTime(seconds);
        total += seconds;
        tearDown();
    }
    state.counters["floor_ms"] = floorSeconds * 1e3;
    state.counters["x_floor"] = total / static_cast<double>(state.iterations()) / floorSeconds;
}

// Row numbers ordered by reading the records directly, as the proxy's stable sort orders them but
// without models, indexes or variants.
template <typename Before>
void SortRowsOfRecords(const std::vector<AppleMapsPlaceBookmarkItem>& bookmarks, Before before)
{
    std::vector<int> rows(bookmarks.size());
    std::iota(rows.begin(), rows.end(), 0);
    std::stable_sort(rows.begin(), rows.end(), [&bookmarks, &before](int left, int right) {
        return before(bookmarks[static_cast<std::size_t>(left)], bookmarks[static_cast<std::size_t>(right)]);
    });
    benchmark::DoNotOptimize(rows.data());
}

void BuildAndSortByDate(benchmark::State& state)
{
    const AppleMapsRecords& records = Records(static_cast<DateOrder>(state.range(0)));
    const double floor = FloorSeconds([&records] {
        SortRowsOfRecords(records.bookmarks, [](const AppleMapsPlaceBookmarkItem& left,
                                                const AppleMapsPlaceBookmarkItem& right) {
            return right.timestamp < left.timestamp;
        });
    });
    std::unique_ptr<Table> table;
    TimeAgainstFloor(
        state, floor, [] {},
        [&table, &records] {
            table = std::make_unique<Table>(records);
            benchmark::DoNotOptimize(table->proxy.rowCount());
        },
        [&table] { table.reset(); });
}

void SortByLocation(benchmark::State& state)
{
    const double floor = FloorSeconds([] {
        SortRowsOfRecords(Records().bookmarks, [](const AppleMapsPlaceBookmarkItem& left,
                                                  const AppleMapsPlaceBookmarkItem& right) {
            const location::Coordinates& l = left.placePoint;
            const location::Coordinates& r = right.placePoint;
            return std::make_tuple(!location::HasLocation(l), l.latitude, l.longitude, l.altitude)
                < std::make_tuple(!location::HasLocation(r), r.latitude, r.longitude, r.altitude);
        });
    });
    Table table;
    TimeAgainstFloor(
        state, floor, [] {},
        [&table] {
            table.proxy.sort(LocationColumn, Qt::AscendingOrder);
            benchmark::DoNotOptimize(table.proxy.rowCount());
        },
        [&table] { table.proxy.sort(0, Qt::DescendingOrder); });
}

// The favourites' searchable texts, lower-cased, one after another in one buffer.
std::string LowerCaseTexts()
{
    std::string texts;
    for (const AppleMapsPlaceBookmarkItem& bookmark : Records().bookmarks) {
        for (const QString& text :
             {bookmark.title, bookmark.type, bookmark.fax, bookmark.name, bookmark.telephone, bookmark.url,
              cmn::FirstAddressText(bookmark.addresses), location::PointText(bookmark.placePoint),
              location::PointText(bookmark.droppedPin)}) {
            texts += text.toLower().toStdString();
            texts += '\n';
        }
    }
    return texts;
}

// What a view does on a search: the filter pass over every row, then the match count.
uint Search(Table& table, const QString& searchText)
{
    table.manager.SetSearchTag(searchText);
    table.proxy.invalidate();
    benchmark::DoNotOptimize(table.proxy.rowCount());
    return table.manager.CountAllMatches();
}

void SearchOnePercent(benchmark::State& state)
{
    const std::string texts = LowerCaseTexts();
    const std::string searchText = SearchText.toStdString();
    const double floor = FloorSeconds([&texts, &searchText] {
        std::size_t count = 0;
        for (std::size_t at = texts.find(searchText); at != std::string::npos; at = texts.find(searchText, at + 1))
            ++count;
        benchmark::DoNotOptimize(count);
    });
    Table table;
    Search(table, SearchText); // the first search folds the texts; FirstSearch times that
    Search(table, QString());
    uint matches = 0;
    TimeAgainstFloor(
        state, floor, [] {}, [&table, &matches] { matches = Search(table, SearchText); },
        [&table] { Search(table, QString()); });
    Search(table, SearchText);
    state.counters["rows_shown"] = table.proxy.rowCount();
    state.counters["matches"] = matches;
}

void FirstSearch(benchmark::State& state)
{
    const double floor = FloorSeconds([] { benchmark::DoNotOptimize(LowerCaseTexts()); });
    std::unique_ptr<Table> table;
    TimeAgainstFloor(
        state, floor, [&table] { table = std::make_unique<Table>(); },
        [&table] { benchmark::DoNotOptimize(Search(*table, SearchText)); }, [&table] { table.reset(); });
}

void MemoryOverRecords(benchmark::State& state)
{
    Records();
    for (auto _ : state) {
        malloc_trim(0);
        const std::size_t before = ResidentBytes();
        Table table;
        benchmark::DoNotOptimize(table.proxy.rowCount());
        const std::size_t sorted = ResidentBytes();
        Search(table, SearchText);
        const std::size_t searched = ResidentBytes();
        state.counters["bytes_per_row"] = (static_cast<double>(sorted) - static_cast<double>(before)) / RecordCount;
        state.counters["search_bytes_per_row"] =
            (static_cast<double>(searched) - static_cast<double>(sorted)) / RecordCount;
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
    ->Iterations(TimedRuns)
    ->UseManualTime();
BENCHMARK(SortByLocation)->Unit(benchmark::kMillisecond)->Iterations(TimedRuns)->UseManualTime();
BENCHMARK(SearchOnePercent)->Unit(benchmark::kMillisecond)->Iterations(TimedRuns)->UseManualTime();
BENCHMARK(FirstSearch)->Unit(benchmark::kMillisecond)->Iterations(TimedRuns)->UseManualTime();

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
