#include "HostileFiles.h"

#include "support/AppleMapsBackupFixture.h"
#include "support/CaughtException.h"
#include "support/FileContents.h"
#include "support/RecordingSink.h"
#include "support/RecordingTableSink.h"
#include "support/TestRegistry.h"
#include "support/XmlTree.h"

#include "xlsx/XlsxWorkbook.h"

#include "appleMaps/AppleMapsPlugIn.h"
#include "appleMaps/export/AppleMapsTables.h"
#include "appleMaps/ui/AppleMapsBookmarksModel.h"
#include "cmn/CommonExceptions.h"
#include "cmn/PathEncoding.h"
#include "exportReport/interfaces/ExportContext.h"
#include "pluginGui/CellPointer.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QVector>

#include <memory>
#include <optional>

namespace {

// Longer than any limit a cell, a list or a file format might impose, and ending in a character
// beyond ASCII, so that a cut or a lost tail shows.
const QString& LongText()
{
    static const QString text = QString(99999, QLatin1Char('x')) + QChar(0x5730);
    return text;
}

// The one-line address of eight long fields.
QString LongAddress()
{
    return QVector<QString>(8, LongText()).toList().join(QLatin1Char(' '));
}

// Each long text as "L", a long address as "A", so that comparisons print readably.
QString Abbreviated(QString text)
{
    return text.replace(LongAddress(), QStringLiteral("A")).replace(LongText(), QStringLiteral("L"));
}

// Every text column of every table holds the long text, identifiers included.
QString LongRows()
{
    const QString L = QLatin1Char('\'') + LongText() + QLatin1Char('\'');
    return QStringLiteral(
               "INSERT INTO Addresses VALUES (%1, %1, %1, %1, %1, %1, %1, %1, %1);"
               "INSERT INTO PlaceBookmarks VALUES (%1, 1500000000, %1, 55.75, 37.62, %1, %1, %1, %1, -180.0, -180.0);"
               "INSERT INTO RouteBookmarks VALUES (%1, 1500000000, 55.0, 37.0, %1, %1, %1, %1, 55.0, 37.0, 56.0, 38.0);"
               "INSERT INTO QuerySearches VALUES (%1, 1500000000, %1, %1, 55.1, 37.2, 55.9, 37.8);"
               "INSERT INTO PlaceDisplays VALUES (%1, 1500000000, 55.7, 37.6, %1, %1, %1, %1);"
               "INSERT INTO DirectionsSearches VALUES (%1, 1500000000, 1, %1, %1, %1, %1, 55.0, 37.0, 55.1, 37.1);")
        .arg(L);
}

// "element=text" of every name and address inside a placemark, abbreviated.
QStringList PlacemarkTexts(const QString& path)
{
    QString error;
    QStringList texts;
    const test::XmlElement root = test::ReadXmlFile(path, &error);
    for (const test::XmlElement* placemark : test::KmlPlacemarks(root)) {
        for (const test::XmlElement& element : placemark->children) {
            if (element.name == QLatin1String("name") || element.name == QLatin1String("address"))
                texts << element.name + QLatin1Char('=') + Abbreviated(element.text);
        }
    }
    return error.isEmpty() ? texts : QStringList{error};
}

} // namespace

// A backup with 100,000-character texts in every text column: they reach records, model, KML and
// the report whole, and exports aimed at places that cannot take a file fail cleanly.
class HostileExportsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::AppleMapsBackupFixture> m_backup;
    QTemporaryDir m_folder;
    std::unique_ptr<appleMaps::AppleMapsPlugIn> m_plugIn;

private slots:
    void initTestCase()
    {
        test::RecordingSink::ForProcessLogger();
        ulq::cmn::utils::ImbueUtf8PathConversion();
        QVERIFY(m_folder.isValid());
        m_backup = std::make_unique<test::AppleMapsBackupFixture>();
        m_backup->Execute(LongRows());
        m_plugIn = std::make_unique<appleMaps::AppleMapsPlugIn>();
        core::IPlugInBase& host = *m_plugIn;
        host.SetTempPath(m_folder.filePath("temp").toStdWString());
        host.SetDataPath(m_backup->DescriptorPath());
        host.Parse();
    }

    void cleanupTestCase() { m_plugIn.reset(); }

    void recordsKeepEveryText()
    {
        const appleMaps::AppleMapsRecords& records = m_plugIn->GetRecords();
        QCOMPARE(records.bookmarks.size(), std::size_t(2));
        const auto& place = records.bookmarks[0];
        const auto& route = records.bookmarks[1];
        const auto& search = records.querySearches.at(0);
        const auto& display = records.placeDisplays.at(0);
        const auto& directions = records.directionSearches.at(0);
        QCOMPARE(place.addresses.size(), std::size_t(1));
        const cmn::Address& address = place.addresses[0];
        const QStringList texts{place.title, place.telephone, place.fax, place.url, place.name,
                                route.telephone, route.fax, route.url, route.name,
                                search.query, search.locationDisplayString,
                                display.telephone, display.fax, display.url, display.name,
                                directions.telephone, directions.fax, directions.url, directions.name,
                                address.country, address.countryCode, address.locality, address.postCode,
                                address.thoroughfare, address.subThoroughfare, address.administrativeArea,
                                address.administrativeAreaCode};
        QCOMPARE(Abbreviated(texts.join(QLatin1Char('|'))), QVector<QString>(texts.size(), QStringLiteral("L")).toList().join('|'));
    }

    void modelShowsEveryText()
    {
        appleMaps::ui::AppleMapsBookmarksModel model(nullptr, &m_plugIn->GetRecords().bookmarks);
        const auto* title = model.data(model.index(0, 1)).value<const QString*>();
        QVERIFY(title);
        QCOMPARE(Abbreviated(*title), QStringLiteral("L"));
        QCOMPARE(Abbreviated(model.data(model.index(0, 4)).toString()), QStringLiteral("A"));
    }

    void kmlKeepsEveryText()
    {
        const appleMaps::AppleMapsRecords& records = m_plugIn->GetRecords();
        const auto kml = location::LocationHistoryFileFormat::Kml;
        const QString favorites = m_folder.filePath("favorites.kml");
        m_plugIn->SaveBookmarkToFile(kml, {&records.bookmarks[0], &records.bookmarks[1]}, favorites.toStdWString());
        const QString places = m_folder.filePath("places.kml");
        m_plugIn->SavePlaceDisplayToFile(kml, {&records.placeDisplays[0]}, places.toStdWString());
        const QString directions = m_folder.filePath("directions.kml");
        m_plugIn->SaveDirectionsSearchesToFile(kml, {&records.directionSearches[0]}, directions.toStdWString());
        const QString searches = m_folder.filePath("searches.kml");
        m_plugIn->SaveQuerySearchToFile(kml, {&records.querySearches[0]}, searches.toStdWString());

        // A route bookmark has no title, but an address of its own.
        QCOMPARE(PlacemarkTexts(favorites), QStringList({"name=L", "address=A", "name=", "address=A"}));
        QCOMPARE(PlacemarkTexts(places), QStringList({"address=A"}));
        QCOMPARE(PlacemarkTexts(directions), QStringList({"name=L"}));
        QCOMPARE(PlacemarkTexts(searches), QStringList({"name=L"}));
    }

    void reportTablesGetEveryText_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("searches") << "Apple Maps - Searches" << QStringList({"Search query=L", "Address=L"});
        QTest::newRow("favorites") << "Apple Maps - Favorites"
                                   << QStringList({"Title=L", "Places name=L", "Address=A", "Url=L|L",
                                                   "Phone number=L", "Fax=L"});
        QTest::newRow("explored places") << "Apple Maps - Explored places"
                                         << QStringList({"Name=L", "Address=A", "Phone number=L", "Fax=L", "Url=L|L"});
        QTest::newRow("directions searches") << "Apple Maps - Directions searches"
                                             << QStringList({"Name=L", "Phone number=L", "Fax=L", "Url=L|L"});
    }

    void reportTablesGetEveryText()
    {
        QFETCH(QString, table);
        QFETCH(QStringList, cells);
        test::RecordingTableFactory factory;
        exportReport::ExportContext context;
        context.tableFactory = &factory;
        exportReport::IExport& exporter = *m_plugIn;
        exporter.Export(context);

        const test::RecordingTable* sheet = factory.Table(table);
        QVERIFY(sheet);
        QVERIFY(!sheet->rows.empty());
        QStringList written;
        for (const QString& cell : sheet->rows.front())
            written << Abbreviated(cell);
        for (const QString& cell : cells)
            QVERIFY2(written.contains(cell), qPrintable(cell + " not in " + written.join(", ")));
    }

    // The workbook cuts each cell at the format's own limit; the report is still written.
    void workbookIsWritten()
    {
        const QString path = m_folder.filePath("report.xlsx");
        host::xlsx::XlsxWorkbook workbook(path);
        exportReport::ExportContext context;
        context.tableFactory = &workbook;
        exportReport::IExport& exporter = *m_plugIn;
        exporter.Export(context);
        workbook.Close();
        QCOMPARE(workbook.SheetNames().size(), 4);
        QVERIFY(QFileInfo(path).size() > 0);
    }

    // A point a map cannot take has no location in a geographic file and no map link in the
    // report, whatever the table shows.
    void unplaceablePointsHaveNoLocation_data()
    {
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<bool>("placeable");
        QTest::newRow("placeable") << 30.5 << 50.4 << true;
        QTest::newRow("longitude missing") << -181.0 << 50.4 << false;
        QTest::newRow("latitude missing") << 30.5 << -91.0 << false;
        QTest::newRow("infinite") << qInf() << 50.4 << false;
        QTest::newRow("not a number") << 30.5 << qQNaN() << false;
        QTest::newRow("beyond the pole") << 30.5 << 90.5 << false;
    }

    void unplaceablePointsHaveNoLocation()
    {
        QFETCH(double, longitude);
        QFETCH(double, latitude);
        QFETCH(bool, placeable);
        const location::Coordinates point{longitude, latitude, 0.0};
        appleMaps::AppleMapsRecords records;
        records.bookmarks.resize(1);
        records.bookmarks[0].placePoint = point;
        records.placeDisplays.resize(1);
        records.placeDisplays[0].placePoint = point;
        records.directionSearches.resize(1);
        records.directionSearches[0].startPoint = point;
        records.directionSearches[0].endPoint = {30.5, 50.4, 0.0};
        records.querySearches.resize(1);
        records.querySearches[0].mapRegion = {point, {31.0, 51.0, 0.0}};
        const auto kml = location::LocationHistoryFileFormat::Kml;
        const QString path = m_folder.filePath("points.kml");
        QByteArray written;
        m_plugIn->SaveBookmarkToFile(kml, {&records.bookmarks[0]}, path.toStdWString());
        written += test::ReadFile(path);
        m_plugIn->SavePlaceDisplayToFile(kml, {&records.placeDisplays[0]}, path.toStdWString());
        written += test::ReadFile(path);
        m_plugIn->SaveDirectionsSearchesToFile(kml, {&records.directionSearches[0]}, path.toStdWString());
        written += test::ReadFile(path);
        m_plugIn->SaveQuerySearchToFile(kml, {&records.querySearches[0]}, path.toStdWString());
        written += test::ReadFile(path);
        test::RecordingTableFactory factory;
        exportReport::ExportContext context;
        context.tableFactory = &factory;
        appleMaps::details::ExportAppleMapsTables(records, "Apple Maps", context);

        // Searches are written whatever their region holds: one a map cannot take as one never set.
        QCOMPARE(written.count("<Placemark>"), placeable ? 4 : 1);
        QCOMPARE(written.contains("-181.000000,-91.000000"), !placeable);
        QVERIFY(!written.contains("inf") && !written.contains("nan"));
        QStringList mapLinks;
        for (const QString& table : factory.Names())
            mapLinks += factory.Table(table)->calls.filter(QRegularExpression("^link (?!Url=)"));
        QCOMPARE(mapLinks.size(), placeable ? 5 : 1);
    }

    void exportFails_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("kind");
        for (const char* format : {"kml", "xlsx"}) {
            for (const char* kind : {"missing folder", "folder is a file", "target is a folder", "read-only folder",
                                     "full disk", "cut short"})
                QTest::addRow("%s, %s", format, kind) << format << kind;
        }
    }

    void exportFails()
    {
        QFETCH(QString, format);
        QFETCH(QString, kind);
        const QString place = m_folder.filePath(format + ' ' + kind);
        QString target = place + "/out." + format;
        std::optional<test::ReadOnlyTree> readOnly;
        if (kind == "folder is a file") {
            test::WriteFile(place, "a file");
        } else if (kind == "target is a folder") {
            QVERIFY(QDir().mkpath(target));
        } else if (kind == "read-only folder") {
            QVERIFY(QDir().mkpath(place));
            if (!readOnly.emplace(place).Binds())
                QSKIP("permissions do not bind this user");
        } else if (kind == "cut short") {
            QVERIFY(QDir().mkpath(place));
            if (!test::FileSizeLimit::Available())
                QSKIP("no file size limit on this system");
        } else if (kind == "full disk") {
            target = QStringLiteral("/dev/full");
            if (!QFileInfo::exists(target))
                QSKIP("no full device on this system");
        }

        std::optional<test::FileSizeLimit> cutShort;
        if (kind == "cut short")
            cutShort.emplace(4096);
        QString failure;
        if (format == "kml") {
            const std::vector<const appleMaps::AppleMapsPlaceBookmarkItem*> bookmarks{&m_plugIn->GetRecords().bookmarks[0]};
            const auto exception = test::CaughtException<cmn::PlugInCommonException>([&] {
                m_plugIn->SaveBookmarkToFile(location::LocationHistoryFileFormat::Kml, bookmarks,
                                             target.toStdWString());
            });
            failure = exception ? QString::fromStdString(exception->GetUserText()) : QString();
        } else {
            try {
                host::xlsx::XlsxWorkbook workbook(target);
                exportReport::ExportContext context;
                context.tableFactory = &workbook;
                static_cast<exportReport::IExport&>(*m_plugIn).Export(context);
                workbook.Close();
            } catch (const std::runtime_error& exception) {
                failure = QString::fromUtf8(exception.what());
            }
        }

        cutShort.reset();
        QVERIFY2(!failure.isEmpty(), "the export reported success");
        if (format == "kml")
            QCOMPARE(failure, QString(kind == "full disk" || kind == "cut short" ? "Unable to write file" : "Can't open file"));
        QVERIFY(!QFileInfo(target).isFile());
    }
};

MAPS_TEST_CLASS(HostileExportsTest);
#include "tst_HostileExports.moc"
