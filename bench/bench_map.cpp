// The offline map with 400,000 points: the first frame after the points arrive (the map zooms to
// them and draws the world map and every point), next to the floor of that frame, the same map
// with no points. Also the page's feed: the map's shapes read from a table of 400,000 explored
// places through its sort/filter proxy, as happens after every filter change.

#include "StandalonePresenter.h"
#include "appleMaps/records/AppleMapsCategory.h"
#include "appleMaps/records/AppleMapsRecords.h"
#include "appleMaps/ui/AppleMapsFilterManager.h"
#include "appleMaps/ui/AppleMapsPlaceDisplaysModel.h"
#include "appleMaps/ui/AppleMapsPlaceDisplaysSortFilterProxyModel.h"
#include "appleMaps/ui/RecordShapes.h"
#include "map/MapShapes.h"
#include "map/MapView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QThread>

#include <benchmark/benchmark.h>


namespace {

constexpr int PointCount = 400000;
constexpr QSize ViewSize(1400, 860);

// Points spread over Europe, in no order; every tenth has no location.
location::Coordinates PointOf(int index)
{
    const unsigned scrambled = static_cast<unsigned>(index) * 2654435761u;
    return {-10.0 + (scrambled % 50000) * 1e-3, 35.0 + (scrambled / 50000 % 25000) * 1e-3, 0.0};
}

map::MapShapes Shapes(int count)
{
    map::MapShapes shapes;
    for (int index = 0; index < count; ++index)
        shapes.AddPoint(index, PointOf(index), map::PointKind::Place);
    return shapes;
}

// The map with its world map read, so that a frame measures drawing, not reading files.
map::MapView& LoadedView()
{
    static map::MapView* view = [] {
        auto* made = new map::MapView;
        made->resize(ViewSize);
        made->grab();
        QElapsedTimer waited;
        waited.start();
        while (!made->IsWorldMapRead() && waited.elapsed() < 30000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QCoreApplication::processEvents();
        made->grab();
        return made;
    }();
    return *view;
}

void FirstFrame(benchmark::State& state)
{
    map::MapView& view = LoadedView();
    const map::MapShapes shapes = Shapes(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        view.SetShapes(shapes);
        view.FitAll();
        QPixmap frame = view.grab();
        benchmark::DoNotOptimize(frame);
        state.PauseTiming();
        view.SetShapes({});
        state.ResumeTiming();
    }
}

void ShapesFromTable(benchmark::State& state)
{
    appleMaps::AppleMapsRecords records;
    records.placeDisplays.resize(PointCount);
    for (int index = 0; index < PointCount; ++index) {
        if (index % 10 != 0)
            records.placeDisplays[static_cast<std::size_t>(index)].placePoint = PointOf(index);
    }
    StandalonePresenter presenter;
    appleMaps::ui::AppleMapsFilterManager manager(presenter);
    manager.SetFiltersData(&records);
    appleMaps::ui::AppleMapsPlaceDisplaysModel model(nullptr, &records.placeDisplays);
    appleMaps::ui::AppleMapsPlaceDisplaysSortFilterProxyModel proxy(
        nullptr, manager.GetFilter(appleMaps::ExploredPlacesCategory));
    proxy.setSourceModel(&model);
    proxy.sort(0, Qt::DescendingOrder);
    for (auto _ : state) {
        map::MapShapes shapes;
        for (int row = 0; row < proxy.rowCount(); ++row)
            appleMaps::ui::AddRecordShape(shapes, appleMaps::ExploredPlacesCategory,
                                          proxy.mapToSource(proxy.index(row, 0)));
        state.counters["shown"] = shapes.ShownCount();
        state.counters["without_location"] = shapes.WithoutLocationCount();
    }
}

} // namespace

BENCHMARK(FirstFrame)->ArgName("points")->Arg(0)->Arg(PointCount)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ShapesFromTable)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
