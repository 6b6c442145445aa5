#include "UiFixtures.h"

#include "support/TestRegistry.h"

#include "appleMaps/ui/AppleMapsFilterManager.h"
#include "appleMaps/ui/AppleMapsModelBase.h"
#include "appleMaps/ui/AppleMapsSortFilterProxyModelBase.h"
#include "cmn/filter/FilterUtils.h"
#include "cmn/text/AddressText.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>
#include <QTest>

#include <utility>
#include <vector>

namespace {

using namespace appleMaps;
using location::Coordinates;

QDateTime Day(int day)
{
    return QDateTime(QDate(2020, 1, day), QTime(12, 0), Qt::UTC);
}

// What a cell sorts by, worked out here from the record: numbers, then a text, compared in turn;
// a leading 1 marks a value that sorts after all others.
using Key = std::pair<std::vector<double>, QString>;

Key DateKey(const QDateTime& date)
{
    return {{date.isValid() ? double(date.toMSecsSinceEpoch()) : -1e300}, {}};
}

Key TextKey(const QString& text)
{
    return {{double(text.isEmpty())}, text.toCaseFolded()};
}

Key AddressKey(const std::vector<cmn::Address>& addresses)
{
    return {{}, cmn::FirstAddressText(addresses).toCaseFolded()};
}

Key PointsKey(bool missing, const std::vector<Coordinates>& points)
{
    if (missing)
        return {{1}, {}};
    std::vector<double> numbers{0};
    for (const Coordinates& point : points)
        numbers.insert(numbers.end(), {point.latitude, point.longitude, point.altitude});
    return {numbers, {}};
}

Key PointKey(const Coordinates& point)
{
    return PointsKey(!location::HasLocation(point), {point});
}

Key KeyOf(const AppleMapsRecords& records, int category, int column, int row)
{
    const auto at = static_cast<std::size_t>(row);
    if (category == 0) {
        const AppleMapsHistoryQuerySearchItem& r = records.querySearches[at];
        const location::MapRegion& g = r.mapRegion;
        return std::vector<Key>{DateKey(r.timestamp), TextKey(r.query), TextKey(r.locationDisplayString),
                                PointsKey(!location::HasLocation(g), {g.southWest, g.northEast})}[column];
    }
    if (category == 1) {
        const AppleMapsPlaceBookmarkItem& r = records.bookmarks[at];
        const Key route = r.route.empty() ? PointsKey(true, {}) : PointsKey(false, {r.route.front(), r.route.back()});
        return std::vector<Key>{DateKey(r.timestamp), TextKey(r.title),   TextKey(r.name),
                                PointKey(r.placePoint), AddressKey(r.addresses), PointKey(r.droppedPin),
                                route,                  TextKey(r.url),          TextKey(r.telephone),
                                TextKey(r.fax),         TextKey(r.type)}[column];
    }
    if (category == 2) {
        const AppleMapsPlaceDisplayItem& r = records.placeDisplays[at];
        return std::vector<Key>{DateKey(r.timestamp),    TextKey(r.name),      PointKey(r.placePoint),
                                AddressKey(r.addresses), TextKey(r.telephone), TextKey(r.fax),
                                TextKey(r.url)}[column];
    }
    const AppleMapsDirectionSearchItem& r = records.directionSearches[at];
    return std::vector<Key>{DateKey(r.timestamp), TextKey(r.name),      PointKey(r.startPoint),
                            PointKey(r.endPoint), TextKey(r.transportType), TextKey(r.telephone),
                            TextKey(r.fax),       TextKey(r.url),           AddressKey(r.addresses)}[column];
}

// Every field drawn from a small pool, so that equal values, empty ones, values equal but for
// case, and points within 1e-7 of each other meet in every column.
AppleMapsRecords SortRecords()
{
    QRandomGenerator random(2020);
    const auto pick = [&random](const auto& pool) { return pool[random.bounded(int(std::size(pool)))]; };
    const QString texts[] = {"", QString(), "apple", "Apple", "b", "banana", "\u00c4pfel", "\u00e4pfel", "cherry"};
    const Coordinates points[] = {{},
                                  {1.0, 10.0, 0.0},
                                  {2.0, 10.00000005, 0.0},
                                  {1.0, 10.0, 5.0},
                                  {3.0, 9.99999999, 0.0},
                                  {-181.0, 10.0, 0.0},
                                  {0.5, 10.00000002, 0.0}};
    const QDateTime dates[] = {QDateTime(), Day(1), Day(2), Day(2), Day(3), Day(4)};
    const auto address = [&] {
        return random.bounded(3) == 0 ? std::vector<cmn::Address>{} : std::vector{test::MakeAddress(pick(texts))};
    };
    const auto route = [&] {
        return random.bounded(2) ? location::Route{pick(points), pick(points)} : location::Route{};
    };
    AppleMapsRecords records;
    for (int row = 0; row < 40; ++row) {
        records.querySearches.push_back({pick(dates), pick(texts), pick(texts), {pick(points), pick(points)}});
        records.bookmarks.push_back({pick(dates), pick(texts), pick(points), pick(texts), pick(texts), pick(texts),
                                     pick(texts), address(), pick(points), route(), pick(texts)});
        records.placeDisplays.push_back(
            {pick(dates), pick(points), pick(texts), pick(texts), pick(texts), pick(texts), address()});
        records.directionSearches.push_back({pick(dates), pick(texts), pick(points), pick(points), pick(texts),
                                             pick(texts), pick(texts), pick(texts), address()});
    }
    return records;
}

} // namespace

class AppleMapsProxiesTest : public QObject {
    Q_OBJECT

private slots:
    void sortsEveryColumnInOneTotalOrder_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("order");
        QTest::addColumn<bool>("filtered");
        const int columnCounts[] = {4, 11, 7, 9};
        for (int category = 0; category < 4; ++category) {
            for (int column = 0; column < columnCounts[category]; ++column) {
                for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
                    for (const bool filtered : {false, true})
                        QTest::addRow("kind %d column %d %s%s", category, column,
                                      order == Qt::AscendingOrder ? "ascending" : "descending",
                                      filtered ? ", date filter on" : "")
                            << category << column << int(order) << filtered;
                }
            }
        }
    }

    // Rows come in the order of their keys, equal keys by source row: the same order however the
    // sort runs, and with the filter on the same order of the rows it keeps.
    void sortsEveryColumnInOneTotalOrder()
    {
        QFETCH(int, category);
        QFETCH(int, column);
        QFETCH(int, order);
        QFETCH(bool, filtered);
        const AppleMapsRecords records = SortRecords();
        test::FakePresenter presenter;
        presenter.contexts[category].items = {cmn::filter::utils::MakeDateItem(Day(2), Day(3), 0)};
        presenter.contexts[category].enabled = filtered;
        ui::AppleMapsFilterManager manager(presenter);
        manager.SetFiltersData(&records);
        const auto model = test::MakeModel(category, records);
        const auto proxy = test::MakeProxy(category, manager.GetFilter(category));
        proxy->SetTimeZone(QTimeZone::utc());
        QAbstractItemModelTester tester(proxy.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        proxy->setSourceModel(model.get());

        proxy->sort(column, static_cast<Qt::SortOrder>(order));

        QCOMPARE(proxy->rowCount() < model->rowCount(), filtered);
        std::pair<Key, int> previous;
        for (int row = 0; row < proxy->rowCount(); ++row) {
            const int sourceRow = proxy->mapToSource(proxy->index(row, column)).row();
            const std::pair<Key, int> current{KeyOf(records, category, column, sourceRow), sourceRow};
            if (row > 0)
                QVERIFY2(order == Qt::AscendingOrder ? previous < current : current < previous,
                         qPrintable(QStringLiteral("source rows %1, %2").arg(previous.second).arg(sourceRow)));
            previous = current;
        }
    }

    void columnOutsideTableNeverSortsFirst_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("column");
        QTest::newRow("searches") << 0 << 4;
        QTest::newRow("favourites") << 1 << 11;
        QTest::newRow("explored places") << 2 << -1;
        QTest::newRow("directions searches") << 3 << 9;
    }

    void columnOutsideTableNeverSortsFirst()
    {
        QFETCH(int, category);
        QFETCH(int, column);
        const AppleMapsRecords records = SortRecords();
        const auto model = test::MakeModel(category, records);
        const auto sorter = test::MakeProxy(category, nullptr);
        sorter->setSourceModel(model.get());

        QVERIFY(!sorter->LessThanImpl(column, model->index(0, 0), model->index(1, 0)));
        QVERIFY(!sorter->LessThanImpl(column, model->index(1, 0), model->index(0, 0)));
    }
};

MAPS_TEST_CLASS(AppleMapsProxiesTest);
#include "tst_AppleMapsProxies.moc"
