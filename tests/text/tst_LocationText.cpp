#include "support/TestRegistry.h"

#include "cmn/text/LocationText.h"
#include "cmn/text/MapUrls.h"

#include <QLocale>
#include <QTest>
#include <QUrl>

#include <limits>

Q_DECLARE_METATYPE(location::Coordinates)
Q_DECLARE_METATYPE(location::MapRegion)

namespace {

location::Coordinates Point(double longitude, double latitude, double altitude = 0.0)
{
    return {longitude, latitude, altitude};
}

} // namespace

class LocationTextTest : public QObject {
    Q_OBJECT

private slots:
    void numberText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero has no decimals") << 0.0 << "0";
        QTest::newRow("seven decimals") << 30.5234 << "30.5234000";
        QTest::newRow("rounded to seven") << 1.123456789 << "1.1234568";
        QTest::newRow("negative") << -181.0 << "-181.0000000";
        QTest::newRow("NaN gets no zero rule") << std::numeric_limits<double>::quiet_NaN() << "nan";
    }

    // Under a locale with a decimal comma, which the texts must ignore.
    void numberText()
    {
        QFETCH(double, value);
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German));
        const QString text = location::NumberText(value);
        QLocale::setDefault(previous);
        QTEST(text, "text");
    }

    void pointText_data()
    {
        QTest::addColumn<location::Coordinates>("point");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("withAltitude");
        QTest::newRow("latitude first") << Point(30.5234, 50.4501, 12.5) << "50.4501000 30.5234000"
                                        << "50.4501000 30.5234000 12.5000000";
        QTest::newRow("zero latitude") << Point(30.5, 0.0) << "0 30.5000000" << "0 30.5000000 0";
        QTest::newRow("no-location axes with an altitude") << Point(-181.0, -91.0, 5.0) << "-91.0000000 -181.0000000"
                                                           << "-91.0000000 -181.0000000 5.0000000";
    }

    void pointText()
    {
        QFETCH(location::Coordinates, point);
        QTEST(location::PointText(point), "text");
        QTEST(location::PointText(point, true), "withAltitude");
    }

    void regionText()
    {
        const location::MapRegion region{Point(30.5, 50.4), Point(30.6, 50.45)};
        QCOMPARE(location::RegionText(region), QString("50.4000000 30.5000000 50.4500000 30.6000000"));
    }

    void urls()
    {
        QCOMPARE(QUrl(location::PlaceUrl(Point(30.5, 0.0))).path(), QString("/maps/place/0,30.5000000"));
        QCOMPARE(QUrl(location::DirectionsUrl(Point(30.5, 50.4), Point(24.0, 49.8))).path(),
                 QString("/maps/dir/50.4000000,30.5000000/49.8000000,24.0000000"));
        const QUrl place(location::PlaceUrl(Point(1.0, 2.0)));
        const QUrl directions(location::DirectionsUrl(Point(1.0, 2.0), Point(1.0, 2.0)));
        QVERIFY(place.isValid());
        QCOMPARE(place.scheme(), QString("https"));
        QVERIFY2(place.host() != directions.host(), "directions go through the service's other host");
    }

    void regionView_data()
    {
        QTest::addColumn<location::MapRegion>("region");
        QTest::addColumn<QString>("path");
        QTest::newRow("one degree square")
            << location::MapRegion{Point(30.0, 50.0), Point(31.0, 51.0)} << "/maps/@50.5000000,30.5000000,8.8391243z";
        QTest::newRow("longitude span decides")
            << location::MapRegion{Point(30.5, 50.4), Point(30.6, 50.45)} << "/maps/@50.4250000,30.5500000,12.1633403z";
        QTest::newRow("corners swapped give the same view")
            << location::MapRegion{Point(31.0, 51.0), Point(30.0, 50.0)} << "/maps/@50.5000000,30.5000000,8.8391243z";
        QTest::newRow("coinciding corners zoom in without end")
            << location::MapRegion{Point(30.0, 50.0), Point(30.0, 50.0)} << "/maps/@50.0000000,30.0000000,infz";
    }

    void regionView()
    {
        QFETCH(location::MapRegion, region);
        QTEST(QUrl(location::RegionUrl(region)).path(), "path");
    }
};

MAPS_TEST_CLASS(LocationTextTest);

#include "tst_LocationText.moc"
