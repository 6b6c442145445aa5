#include "support/TestRegistry.h"

#include "appleMaps/records/AppleMapsRecords.h"
#include "appleMaps/records/IAppleMapsParser.h"
#include "appleMaps/records/IAppleMapsParserFactory.h"

#include <QTest>

#include <type_traits>

// Vectors of records move their elements when they grow only if moving cannot throw.
static_assert(std::is_nothrow_move_constructible_v<appleMaps::AppleMapsPlaceBookmarkItem>);
static_assert(std::is_nothrow_move_constructible_v<appleMaps::AppleMapsHistoryQuerySearchItem>);
static_assert(std::is_nothrow_move_constructible_v<appleMaps::AppleMapsPlaceDisplayItem>);
static_assert(std::is_nothrow_move_constructible_v<appleMaps::AppleMapsDirectionSearchItem>);
static_assert(std::has_virtual_destructor_v<appleMaps::IAppleMapsParser>);
static_assert(std::has_virtual_destructor_v<appleMaps::IAppleMapsParserFactory>);

class RecordModelTest : public QObject {
    Q_OBJECT

private slots:
    void locationOfAPoint_data()
    {
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("altitude");
        QTest::addColumn<bool>("hasLocation");
        QTest::addColumn<bool>("halfFilled");
        QTest::newRow("no location") << -181.0 << -91.0 << 0.0 << false << false;
        QTest::newRow("longitude only") << 37.6 << -91.0 << 0.0 << true << true;
        QTest::newRow("latitude only") << -181.0 << 55.7 << 0.0 << true << true;
        QTest::newRow("both axes") << 37.6 << 55.7 << 0.0 << true << false;
        QTest::newRow("database marker is a value") << -180.0 << -180.0 << 0.0 << true << false;
        QTest::newRow("no axis but an altitude") << -181.0 << -91.0 << 120.0 << true << false;
    }

    void locationOfAPoint()
    {
        QFETCH(double, longitude);
        QFETCH(double, latitude);
        QFETCH(double, altitude);
        QFETCH(bool, hasLocation);
        const location::Coordinates point{longitude, latitude, altitude};
        QCOMPARE(location::HasLocation(point), hasLocation);
        QTEST(location::IsHalfFilled(point), "halfFilled");

        location::MapRegion region;
        region.northEast = point;
        QCOMPARE(location::HasLocation(region), hasLocation);
    }
};

MAPS_TEST_CLASS(RecordModelTest);

#include "tst_RecordModel.moc"
