#include "support/AppleMapsBackupFixture.h"
#include "support/TestRegistry.h"

#include "qml/QuickControls.h"

#include "appleMaps/AppleMapsPlugIn.h"
#include "cmn/filter/FilterUtils.h"
#include "core/interfaces/ICategoryPlugIn.h"
#include "map/MapPanel.h"
#include "map/MapView.h"
#include "map/ShapeStyle.h"

#include <marble/ViewportParams.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>

#include <cmath>
#include <memory>

Q_DECLARE_METATYPE(location::Coordinates)

namespace {

// Set in the copy of this suite that runs without a network: where it saves its picture.
constexpr char OfflinePictureVariable[] = "MAPS_TEST_OFFLINE_PICTURE";

location::Coordinates At(double longitude, double latitude)
{
    location::Coordinates point;
    point.longitude = longitude;
    point.latitude = latitude;
    return point;
}

QPoint PixelOf(const map::MapView& view, const location::Coordinates& point)
{
    qreal x = 0;
    qreal y = 0;
    view.Viewport().screenCoordinates(qDegreesToRadians(point.longitude), qDegreesToRadians(point.latitude), x, y);
    return QPoint(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
}

// Whether a pixel within a few pixels of `centre` has the colour.
bool HasColourNear(const QImage& image, const QPoint& centre, QRgb colour)
{
    constexpr int Reach = 2;
    for (int dy = -Reach; dy <= Reach; ++dy) {
        for (int dx = -Reach; dx <= Reach; ++dx) {
            const QPoint pixel = centre + QPoint(dx, dy);
            if (image.rect().contains(pixel) && image.pixel(pixel) == colour)
                return true;
        }
    }
    return false;
}

QImage Picture(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class MapTest : public QObject {
    Q_OBJECT

private slots:
    void drawsAndHitsEachShapeAtItsProjectedPixel_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<location::Coordinates>("first");
        QTest::addColumn<location::Coordinates>("second");
        QTest::addColumn<location::Coordinates>("probe");
        QTest::addColumn<uint>("colour");
        QTest::newRow("place") << "place" << At(37.62, 55.75) << At(0, 0) << At(37.62, 55.75) << map::style::PlaceFill;
        QTest::newRow("dropped pin") << "pin" << At(-43.2, -22.9) << At(0, 0) << At(-43.2, -22.9)
                                     << map::style::DroppedPinFill;
        QTest::newRow("line, its middle") << "line" << At(2.0, 48.0) << At(4.0, 49.0) << At(3.0, 48.5)
                                          << map::style::LineColour;
        QTest::newRow("line across the date line") << "line" << At(179.0, -17.0) << At(-179.0, -16.0)
                                                    << At(-180.0, -16.5) << map::style::LineColour;
        QTest::newRow("rectangle, its west side") << "rectangle" << At(13.0, 52.0) << At(14.0, 53.0)
                                                  << At(13.0, 52.5) << map::style::RectangleColour;
        QTest::newRow("rectangle across the date line, its east side")
            << "rectangle" << At(178.0, 60.0) << At(-172.0, 66.0) << At(-172.0, 63.0) << map::style::RectangleColour;
    }

    void drawsAndHitsEachShapeAtItsProjectedPixel()
    {
        QFETCH(QString, kind);
        QFETCH(location::Coordinates, first);
        QFETCH(location::Coordinates, second);
        QFETCH(location::Coordinates, probe);
        QFETCH(uint, colour);
        constexpr int Id = 41;
        map::MapShapes shapes;
        if (kind == QLatin1String("line"))
            shapes.AddLine(Id, first, second);
        else if (kind == QLatin1String("rectangle"))
            shapes.AddRectangle(Id, {first, second});
        else
            shapes.AddPoint(Id, first, kind == QLatin1String("pin") ? map::PointKind::DroppedPin : map::PointKind::Place);
        map::MapView view;
        view.resize(480, 320);
        view.SetShapes(shapes);
        // Beside the shape, so that the whole of it is in view, not only its middle.
        view.ZoomBy(0.5);
        const QPoint pixel = PixelOf(view, probe);
        QVERIFY2(HasColourNear(Picture(view), pixel, colour), qPrintable(QStringLiteral("at %1,%2").arg(pixel.x()).arg(pixel.y())));

        QSignalSpy clicked(&view, &map::MapView::ShapeClicked);
        QTest::mouseClick(&view, Qt::LeftButton, {}, pixel + QPoint(0, 140));
        QTest::mouseClick(&view, Qt::LeftButton, {}, pixel);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first().first().toInt(), Id);
    }
};

MAPS_TEST_CLASS(MapTest);

#include "tst_Map.moc"
