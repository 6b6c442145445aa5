#include "UiFixtures.h"

#include "support/TestRegistry.h"

#include "appleMaps/ui/AppleMapsModelBase.h"
#include "appleMaps/ui/AppleMapsSortFilterProxyModelBase.h"
#include "appleMaps/ui/SortRules.h"

#include <QAbstractItemModelTester>
#include <QTest>

Q_DECLARE_METATYPE(location::Coordinates)

namespace {

using namespace appleMaps;
using location::Coordinates;

QDateTime Day(int day)
{
    return QDateTime(QDate(2020, 1, day), QTime(12, 0), Qt::UTC);
}

// Values chosen so that each rule gives one strict order; fields in declaration order.
AppleMapsRecords SortRecords()
{
    const Coordinates none;
    AppleMapsRecords records;
    records.bookmarks = {
        {Day(3), "banana", {2.0, 20.0, 0.0}, "", "", "", "", {test::MakeAddress("Lviv")}, {}, {{1.0, 1.0, 0.0}}, ""},
        {Day(1), "", none, "", "", "", "", {}, {}, {}, ""},
        {Day(4), "Apple", {1.0, 10.0, 0.0}, "", "", "", "", {test::MakeAddress("kyiv")}, {}, {{2.0, 2.0, 0.0}}, ""},
        {Day(2), QString(), none, "", "", "", "", {test::MakeAddress("Odesa")}, {}, {}, ""},
        {Day(5), "cherry", {3.0, 30.0, 0.0}, "", "", "", "", {test::MakeAddress("")}, {}, {{0.0, 0.0, 0.0}}, ""},
    };
    records.placeDisplays.resize(3);
    records.placeDisplays[0].placePoint = {1.0, 3.0, 0.0};
    records.placeDisplays[2].placePoint = {1.0, 2.0, 0.0};
    records.directionSearches.resize(2);
    records.directionSearches[0].addresses = {test::MakeAddress("b")};
    records.directionSearches[1].addresses = {test::MakeAddress("A")};
    records.querySearches = {{{}, "", "", {{2.0, 2.0, 0.0}, {3.0, 3.0, 0.0}}},
                             {},
                             {{}, "", "", {{1.0, 1.0, 0.0}, {2.0, 2.0, 0.0}}}};
    return records;
}

} // namespace

class AppleMapsProxiesTest : public QObject {
    Q_OBJECT

private slots:
    void sortsColumnByItsRule_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("sorted");
        const int up = Qt::AscendingOrder;
        QTest::newRow("titles ascending, empty and missing last") << 1 << 1 << up << "Apple|banana|cherry|||";
        QTest::newRow("titles descending, empty and missing first")
            << 1 << 1 << int(Qt::DescendingOrder) << "||cherry|banana|Apple|";
        QTest::newRow("dates by stored instant") << 1 << 0 << up
                                                 << "2020-01-01 12:00|2020-01-02 12:00|2020-01-03 12:00|"
                                                    "2020-01-04 12:00|2020-01-05 12:00|";
        QTest::newRow("favourites without location after located ones")
            << 1 << 3 << up
            << "10.0000000 1.0000000|20.0000000 2.0000000|30.0000000 3.0000000|"
               "-91.0000000 -181.0000000|-91.0000000 -181.0000000|";
        QTest::newRow("routes without points last")
            << 1 << 6 << up << "0 0|1.0000000 1.0000000|2.0000000 2.0000000|||";
        QTest::newRow("addresses, empty first") << 1 << 4 << up << "-||kyiv|Lviv|Odesa|";
        QTest::newRow("explored places by coordinates")
            << 2 << 2 << up << "2.0000000 1.0000000|3.0000000 1.0000000|-91.0000000 -181.0000000|";
        QTest::newRow("directions searches by address") << 3 << 8 << up << "A|b|";
        QTest::newRow("searches by region, empty region last")
            << 0 << 3 << up
            << "1.0000000 1.0000000 2.0000000 2.0000000|2.0000000 2.0000000 3.0000000 3.0000000|"
               "-91.0000000 -181.0000000 -91.0000000 -181.0000000|";
    }

    void sortsColumnByItsRule()
    {
        QFETCH(int, category);
        QFETCH(int, column);
        QFETCH(int, order);
        const AppleMapsRecords records = SortRecords();
        const auto model = test::MakeModel(category, records);
        model->SetTimeZone(QTimeZone::utc());
        const auto proxy = test::MakeProxy(category, nullptr);
        QAbstractItemModelTester tester(proxy.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        proxy->setSourceModel(model.get());

        proxy->sort(column, static_cast<Qt::SortOrder>(order));

        QTEST(test::ColumnTexts(*proxy, column), "sorted");
    }

    void pointOrder_data()
    {
        QTest::addColumn<Coordinates>("left");
        QTest::addColumn<Coordinates>("right");
        QTest::addColumn<bool>("before");
        QTest::newRow("larger right latitude") << Coordinates{9.0, 10.0, 0.0} << Coordinates{1.0, 11.0, 0.0} << true;
        QTest::newRow("right latitude larger by less than eps")
            << Coordinates{9.0, 10.0, 0.0} << Coordinates{1.0, 10.00000005, 0.0} << true;
        QTest::newRow("latitudes within eps: larger right longitude")
            << Coordinates{1.0, 10.00000005, 0.0} << Coordinates{2.0, 10.0, 0.0} << true;
        QTest::newRow("latitudes within eps: smaller right longitude")
            << Coordinates{2.0, 10.00000005, 0.0} << Coordinates{1.0, 10.0, 0.0} << false;
        QTest::newRow("longitudes within eps: altitude decides")
            << Coordinates{1.00000005, 10.0, 1.0} << Coordinates{1.0, 10.0, 2.0} << true;
        QTest::newRow("equal points") << Coordinates{1.0, 10.0, 1.0} << Coordinates{1.0, 10.0, 1.0} << false;
    }

    void pointOrder()
    {
        QFETCH(Coordinates, left);
        QFETCH(Coordinates, right);
        QTEST(appleMaps::ui::IsPointBefore(left, right), "before");
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
