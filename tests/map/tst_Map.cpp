#include "support/AppleMapsBackupFixture.h"
#include "support/TestRegistry.h"

#include "qml/QuickControls.h"
#include "viewer/PageControls.h"

#include "appleMaps/AppleMapsPlugIn.h"
#include "cmn/filter/FilterUtils.h"
#include "core/CategoryViewBase.h"
#include "core/interfaces/ICategoryPlugIn.h"
#include "map/MapModule.h"
#include "map/MapPanel.h"
#include "map/MapView.h"
#include "map/ShapeStyle.h"

#include <marble/ViewportParams.h>

#include <QAbstractProxyModel>
#include <QLineEdit>
#include <QProcess>
#include <QSet>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(location::Coordinates)

namespace {

// Set in the copy of this suite that runs without a network: where it saves its picture.
constexpr char OfflinePictureVariable[] = "MAPS_TEST_OFFLINE_PICTURE";

location::Coordinates At(double longitude, double latitude)
{
    return {longitude, latitude};
}

QPoint PixelOf(const map::MapView& view, const location::Coordinates& point)
{
    qreal x = 0;
    qreal y = 0;
    view.Viewport().screenCoordinates(point.longitude * Marble::DEG2RAD, point.latitude * Marble::DEG2RAD, x, y);
    return QPointF(x, y).toPoint();
}

// Whether a pixel at most two pixels across and down from `centre` has the colour.
bool HasColourNear(const QImage& image, const QPoint& centre, QRgb colour)
{
    for (int step = 0; step < 25; ++step) {
        const QPoint pixel = centre + QPoint(step % 5 - 2, step / 5 - 2);
        if (image.rect().contains(pixel) && image.pixel(pixel) == colour)
            return true;
    }
    return false;
}

QImage Picture(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Distinct colours among every fourth pixel.
int ColourCount(const QImage& image)
{
    QSet<QRgb> colours;
    for (int index = 0; index < image.width() * image.height(); index += 4)
        colours.insert(image.pixel(index % image.width(), index / image.width()));
    return colours.size();
}

// Explored places in database order (source rows 0 to 3), three days apart from 2020-01-02; the
// museum has no location.
const QString FourPlaces = QStringLiteral(
    "INSERT INTO PlaceDisplays VALUES ('p1', 1578000000, 55.75, 37.62, '', '', '', 'Arbat Cafe'),"
    "('p2', 1578259200, 48.86, 2.35, '', '', '', 'Zoo'),"
    "('p3', 1578518400, -180.0, -180.0, '', '', '', 'Arbat Museum'),"
    "('p4', 1578777600, -33.87, 151.21, '', '', '', 'Park');");
const location::Coordinates ZooPosition = At(2.35, 48.86);
const location::Coordinates ParkPosition = At(151.21, -33.87);

// The plug-in's page over a backup with the rows `sql` inserts, on screen with its map shown.
struct PageWithMap {
    explicit PageWithMap(const QString& sql)
    {
        backup.Execute(sql);
        core::IPlugInBase& host = plugIn;
        host.SetTempPath(tempFolder.path().toStdWString());
        host.SetDataPath(backup.DescriptorPath());
        host.Parse();
        host.CreateView();
        page.reset(host.GetCategoryPlugIn()->TakeView());
        page->resize(1400, 800);
        page->show();
        host::viewer::ShowPageMap(page.get());
        // From the map's module: the same class as this suite's, but its own copy of the type.
        panel = static_cast<map::MapPanel*>(page->findChild<QWidget*>(QStringLiteral("mapPanel")));
        auto* pages = page->findChild<QStackedWidget*>(QStringLiteral("stackedWidget"));
        table = pages->currentWidget()->findChild<QTableView*>();
        QCoreApplication::processEvents();
    }

    test::AppleMapsBackupFixture backup;
    QTemporaryDir tempFolder;
    appleMaps::AppleMapsPlugIn plugIn;
    std::unique_ptr<core::CategoryViewBase> page;
    map::MapPanel* panel = nullptr;
    QTableView* table = nullptr;
};

} // namespace

class MapTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { host::InitQuickControls(); }

    void drawsAndHitsEachShapeAtItsProjectedPixel_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<location::Coordinates>("first");
        QTest::addColumn<location::Coordinates>("second");
        QTest::addColumn<location::Coordinates>("probe");
        QTest::addColumn<uint>("colour");
        using namespace map::style;
        QTest::newRow("place") << "place" << At(37.62, 55.75) << At(0, 0) << At(37.62, 55.75) << PlaceFill;
        QTest::newRow("dropped pin") << "pin" << At(-43.2, -22.9) << At(0, 0) << At(-43.2, -22.9) << DroppedPinFill;
        QTest::newRow("line, its middle") << "line" << At(2.0, 48.0) << At(4.0, 49.0) << At(3.0, 48.5) << LineColour;
        QTest::newRow("line across the date line")
            << "line" << At(179.0, -17.0) << At(-179.0, -16.0) << At(-180.0, -16.5) << LineColour;
        QTest::newRow("rectangle, its west side")
            << "rectangle" << At(13.0, 52.0) << At(14.0, 53.0) << At(13.0, 52.5) << RectangleColour;
        QTest::newRow("rectangle across the date line, its north side")
            << "rectangle" << At(178.0, 60.0) << At(-172.0, 66.0) << At(-177.0, 66.0) << RectangleColour;
    }

    void drawsAndHitsEachShapeAtItsProjectedPixel()
    {
        QFETCH(QString, kind);
        QFETCH(location::Coordinates, first);
        QFETCH(location::Coordinates, second);
        QFETCH(location::Coordinates, probe);
        QFETCH(uint, colour);
        map::MapShapes shapes;
        if (kind == "line")
            shapes.AddLine(41, first, second);
        else if (kind == "rectangle")
            shapes.AddRectangle(41, {first, second});
        else
            shapes.AddPoint(41, first, kind == "pin" ? map::PointKind::DroppedPin : map::PointKind::Place);
        map::MapView view;
        view.resize(480, 320);
        view.SetShapes(shapes);
        // Beside the shape, so that the whole of it is in view, not only its middle.
        view.ZoomBy(0.5);
        const QPoint pixel = PixelOf(view, probe);
        QVERIFY(HasColourNear(Picture(view), pixel, colour));

        QSignalSpy clicked(&view, &map::MapView::ShapeClicked);
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseClick(&view, Qt::LeftButton, {}, pixel);
        QCOMPARE(QList<QVariantList>(clicked), QList<QVariantList>{{41}});
    }

    void drawsWhatTheTableShows_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<int>("filterDays");
        QTest::addColumn<QString>("caption");
        QTest::newRow("every record") << QString() << 0 << "3 shown, 1 without a location";
        QTest::newRow("search") << "Arbat" << 0 << "1 shown, 1 without a location";
        QTest::newRow("search without matches") << "no such place" << 0 << "0 shown, 0 without a location";
        QTest::newRow("date filter of the first two") << QString() << 4 << "2 shown, 0 without a location";
        QTest::newRow("date filter and search") << "Arbat" << 7 << "1 shown, 1 without a location";
    }

    void drawsWhatTheTableShows()
    {
        QFETCH(QString, search);
        QFETCH(int, filterDays);
        PageWithMap shown(FourPlaces);
        if (filterDays > 0) {
            cmn::filter::FilterContext& context = shown.plugIn.GetFilterContext(2);
            const QDateTime firstDay = QDateTime::fromSecsSinceEpoch(1578000000, Qt::UTC);
            context.items = {cmn::filter::utils::MakeDateItem(firstDay.addDays(-1), firstDay.addDays(filterDays), 4)};
            context.enabled = true;
        }
        shown.page->findChild<QLineEdit*>(QStringLiteral("leSearch"))->setText(search);
        // Filters and searches now, without the search box's typing pause.
        QMetaObject::invokeMethod(shown.page.get(), "OnFilterContextChanged", Q_ARG(int, 2));
        QFETCH(QString, caption);
        QTRY_COMPARE(shown.panel->Caption(), caption);
    }

    void selectionFollowsTheTableAndTheMap()
    {
        PageWithMap shown(FourPlaces);
        map::MapView& view = *shown.panel->View();
        const auto* proxy = qobject_cast<QAbstractProxyModel*>(shown.table->model());
        QTest::mouseClick(&view, Qt::LeftButton, {}, PixelOf(view, ZooPosition));
        QCOMPARE(proxy->mapToSource(shown.table->currentIndex()).row(), 1);

        shown.table->setCurrentIndex(proxy->mapFromSource(proxy->sourceModel()->index(3, 0)));
        const QPoint park = PixelOf(view, ParkPosition);
        QVERIFY((park - view.rect().center()).manhattanLength() <= 2);
        QVERIFY(HasColourNear(Picture(view), park, map::style::SelectedFill));
    }

    void missingMapLibraryMakesNoPanel()
    {
        QString error;
        QCOMPARE(map::MakeMapPanel(QStringLiteral("/nowhere/AppleMapsMap"), nullptr, error), nullptr);
        QVERIFY2(error.contains("/nowhere/AppleMapsMap"), qPrintable(error));
    }

    // Runs a copy of this test without any network interface; that copy only saves its picture.
    void rendersTheSamePictureWithoutANetwork()
    {
        map::MapView view;
        view.resize(480, 320);
        map::MapShapes shapes;
        shapes.AddPoint(1, ZooPosition, map::PointKind::Place);
        shapes.AddLine(2, ZooPosition, ParkPosition);
        view.SetShapes(shapes);
        QTRY_VERIFY_WITH_TIMEOUT(view.IsWorldMapRead(), 30000);
        // The last file read reaches the picture at the next repaint.
        QTest::qWait(500);
        const QImage picture = Picture(view);
        QVERIFY(HasColourNear(picture, PixelOf(view, ZooPosition), map::style::PlaceFill));
        // The world map's fills, not only the shapes over a plain ground.
        QVERIFY(ColourCount(picture) > 20);
        const QString offlineTarget = qEnvironmentVariable(OfflinePictureVariable);
        // The copy without a network only saves its picture; a picture missing fails the comparison.
        if (!offlineTarget.isEmpty())
            return static_cast<void>(picture.save(offlineTarget));

        QTemporaryDir folder;
        const QString offlinePath = folder.filePath(QStringLiteral("offline.png"));
        QProcess offline;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QLatin1String(OfflinePictureVariable), offlinePath);
        offline.setProcessEnvironment(environment);
        offline.start(QStringLiteral("unshare"), {QStringLiteral("-n"), QCoreApplication::applicationFilePath(),
                                                  QString::fromLatin1(QTest::currentTestFunction())});
        const bool finished = offline.waitForFinished(120000);
        const QByteArray errors = offline.readAllStandardError();
        if (offline.error() == QProcess::FailedToStart || errors.startsWith("unshare:"))
            QSKIP(qPrintable("No network namespace can be made here: " + offline.errorString() + ' ' + errors));
        QVERIFY2(finished && offline.exitCode() == 0, offline.readAllStandardOutput().constData());
        // Marble stacks the world map's layers in the order their files finish loading, which
        // varies from run to run: overlaps of borders and rivers may differ, nothing else.
        const QImage offlinePicture = QImage(offlinePath).convertToFormat(QImage::Format_RGB32);
        int differences = 0;
        for (int index = 0; index < picture.width() * picture.height(); ++index) {
            const QPoint pixel(index % picture.width(), index / picture.width());
            differences += !offlinePicture.valid(pixel) || offlinePicture.pixel(pixel) != picture.pixel(pixel);
        }
        QVERIFY2(differences < picture.width() * picture.height() / 10, qPrintable(QString::number(differences)));
    }
};

MAPS_TEST_CLASS(MapTest);

#include "tst_Map.moc"
