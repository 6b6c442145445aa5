#include "ExportRecords.h"

#include "support/FileContents.h"
#include "support/TestRegistry.h"
#include "support/XmlTree.h"

#include "appleMaps/kml/ExportDataToKml.h"
#include "appleMaps/kml/ExportDirectionsSearches.h"
#include "appleMaps/kml/ExportQuerySearch.h"
#include "appleMaps/kml/KmlPlacemarkParts.h"
#include "appleMaps/kml/KmlSkipTests.h"

#include <QTemporaryDir>
#include <QTest>

using namespace appleMaps;

namespace {

const QString KmlNamespace = "xmlns=http://www.opengis.net/kml/2.2";
const QString GxNamespace = "xmlns:gx=http://www.google.com/kml/ext/2.2";

void ExportBookmarks(const std::vector<const AppleMapsPlaceBookmarkItem*>& records, const QString& path)
{
    const details::KmlNameWriter<AppleMapsPlaceBookmarkItem> writeName = details::WriteBookmarkName;
    details::ExportDataToKml<AppleMapsPlaceBookmarkItem>(records, path.toStdWString(), "backup-1", "Favorites",
                                                         &writeName, details::WriteBookmarkTrack,
                                                         details::IsBookmarkWithoutLocation);
}

void ExportPlaceDisplays(const std::vector<const AppleMapsPlaceDisplayItem*>& records, const QString& path)
{
    details::ExportDataToKml<AppleMapsPlaceDisplayItem>(records, path.toStdWString(), "backup-1", "Explored places ",
                                                        nullptr, details::WritePlaceDisplayTrack,
                                                        details::IsPlaceDisplayWithoutLocation);
}

} // namespace

class KmlExportTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    int m_files = 0;

    QString NewPath() { return m_folder.filePath(QStringLiteral("export%1.kml").arg(++m_files)); }

    // False, with the reader's complaint, for a file no XML reader accepts.
    static bool ReadBack(const QString& path, test::XmlElement& root)
    {
        QString error;
        root = test::ReadXmlFile(path, &error);
        if (!error.isEmpty())
            qWarning("%s: %s", qPrintable(path), qPrintable(error));
        return error.isEmpty();
    }

private slots:
    void initTestCase() { QVERIFY(m_folder.isValid()); }

    void emptyListsGiveCompleteDocuments()
    {
        const QString bookmarks = NewPath();
        // An existing file is replaced: bytes left over from it would make the document unreadable.
        test::WriteFile(bookmarks, QByteArray(100000, 'x'));
        ExportBookmarks({}, bookmarks);
        test::XmlElement pointDocument;
        QVERIFY(ReadBack(bookmarks, pointDocument));
        QCOMPARE(pointDocument.Structure(), QString("kml(Document(name,open))"));
        QCOMPARE(pointDocument.namespaceDeclarations, QStringList({KmlNamespace, GxNamespace}));
        QCOMPARE(pointDocument.TextAt("Document/name"), QString("Favorites history for backup-1"));
        QCOMPARE(pointDocument.TextAt("Document/open"), QString("1"));

        const QString directions = NewPath();
        details::ExportDirectionsSearches({}, directions.toStdWString(), "backup-1");
        test::XmlElement directionsDocument;
        QVERIFY(ReadBack(directions, directionsDocument));
        QCOMPARE(directionsDocument.TextAt("Document/name"), QString("Directions searches history for backup-1"));

        const QString searches = NewPath();
        details::ExportQuerySearch({}, searches.toStdWString(), "backup-1");
        test::XmlElement polygonDocument;
        QVERIFY(ReadBack(searches, polygonDocument));
        QCOMPARE(polygonDocument.Structure(), QString("kml(Document(Folder(name)))"));
        QCOMPARE(polygonDocument.namespaceDeclarations, QStringList({KmlNamespace}));
        QCOMPARE(polygonDocument.TextAt("Document/Folder/name"), QString("Searches history for backup-1"));
    }

    void bookmarkPlacemarks_data()
    {
        QTest::addColumn<AppleMapsPlaceBookmarkItem>("bookmark");
        QTest::addColumn<QString>("structure"); // empty when the bookmark is left out
        QTest::addColumn<QString>("coordinate");
        QTest::addColumn<QString>("address");
        const QString full = "Placemark(name,address,TimeSpan(when),gx:Track(altitudeMode,when,gx:coord))";
        const QString kyiv = "UA Kyiv Khreshchatyk";

        QTest::newRow("place point") << test::FullBookmark() << full << "30.5234000 50.4501000 0" << kyiv;
        AppleMapsPlaceBookmarkItem droppedPinOnly = test::FullBookmark();
        droppedPinOnly.placePoint = location::Coordinates();
        QTest::newRow("dropped pin without place point")
            << droppedPinOnly << "Placemark(name,gx:Track(altitudeMode,when,gx:coord))" << "30.5000000 50.4000000 0" << "";
        AppleMapsPlaceBookmarkItem halfPlace = test::FullBookmark();
        halfPlace.placePoint.latitude = location::Coordinates::NoLatitude;
        QTest::newRow("a half-filled place point has no location: the dropped pin is used")
            << halfPlace << "Placemark(name,gx:Track(altitudeMode,when,gx:coord))" << "30.5000000 50.4000000 0" << "";
        AppleMapsPlaceBookmarkItem withoutAddress = test::FullBookmark();
        withoutAddress.addresses.clear();
        QTest::newRow("no address: the element stays, empty")
            << withoutAddress << full << "30.5234000 50.4501000 0" << "";
        AppleMapsPlaceBookmarkItem nowhere = droppedPinOnly;
        nowhere.droppedPin = location::Coordinates();
        QTest::newRow("no location: left out") << nowhere << "" << "" << "";
    }

    void bookmarkPlacemarks()
    {
        QFETCH(AppleMapsPlaceBookmarkItem, bookmark);
        QFETCH(QString, structure);
        QFETCH(QString, coordinate);
        QFETCH(QString, address);
        const QString path = NewPath();
        ExportBookmarks({nullptr, &bookmark}, path);
        test::XmlElement root;
        QVERIFY(ReadBack(path, root));
        const auto placemarks = test::KmlPlacemarks(root);
        QCOMPARE(placemarks.size(), std::size_t(structure.isEmpty() ? 0 : 1));
        if (placemarks.empty())
            return;
        QCOMPARE(placemarks[0]->Structure(), structure);
        QCOMPARE(placemarks[0]->TextAt("name"), QString("Home"));
        QCOMPARE(placemarks[0]->TextAt("address"), address);
        QCOMPARE(placemarks[0]->TextAt("gx:Track/altitudeMode"), QString("clampToGround"));
        QCOMPARE(placemarks[0]->TextAt("gx:Track/gx:coord"), coordinate);
        if (structure.contains("TimeSpan"))
            QCOMPARE(placemarks[0]->TextAt("TimeSpan/when"), QString("05.03.2019 14:07:00 (UTC)"));
    }

    void placeDisplays()
    {
        const AppleMapsPlaceDisplayItem place = test::FullPlaceDisplay();
        AppleMapsPlaceDisplayItem nowhere = test::FullPlaceDisplay();
        nowhere.placePoint = location::Coordinates();
        const QString path = NewPath();
        ExportPlaceDisplays({&nowhere, nullptr, &place}, path);

        test::XmlElement root;
        QVERIFY(ReadBack(path, root));
        QCOMPARE(root.TextAt("Document/name"), QString("Explored places  history for backup-1"));
        const auto placemarks = test::KmlPlacemarks(root);
        QCOMPARE(placemarks.size(), std::size_t(1));
        QCOMPARE(placemarks[0]->Structure(), QString("Placemark(address,TimeSpan(when),gx:Track(altitudeMode,when,gx:coord))"));
        QCOMPARE(placemarks[0]->TextAt("TimeSpan/when"), QString("02.01.2020 08:30:00 (UTC)"));
        QCOMPARE(placemarks[0]->TextAt("gx:Track/gx:coord"), QString("30.5121000 50.4465000 0"));
    }

    void directionsSearches_data()
    {
        QTest::addColumn<AppleMapsDirectionSearchItem>("search");
        QTest::addColumn<QString>("structure");

        QTest::newRow("both ends") << test::FullDirectionsSearch()
                                   << "Placemark(name,LineString(tessellate,coordinates))";
        AppleMapsDirectionSearchItem unnamed = test::FullDirectionsSearch();
        unnamed.name.clear();
        QTest::newRow("no name") << unnamed << "Placemark(LineString(tessellate,coordinates))";
        AppleMapsDirectionSearchItem noEnd = test::FullDirectionsSearch();
        noEnd.endPoint = location::Coordinates();
        QTest::newRow("end missing") << noEnd << "";
        AppleMapsDirectionSearchItem noStart = test::FullDirectionsSearch();
        noStart.startPoint = location::Coordinates();
        QTest::newRow("start missing") << noStart << "";
    }

    void directionsSearches()
    {
        QFETCH(AppleMapsDirectionSearchItem, search);
        QFETCH(QString, structure);
        const QString path = NewPath();
        details::ExportDirectionsSearches({nullptr, &search}, path.toStdWString(), "backup-1");
        test::XmlElement root;
        QVERIFY(ReadBack(path, root));
        const auto placemarks = test::KmlPlacemarks(root);
        QCOMPARE(placemarks.empty() ? QString() : placemarks[0]->Structure(), structure);
        if (!placemarks.empty()) {
            QCOMPARE(placemarks[0]->TextAt("LineString/tessellate"), QString("1"));
            QCOMPARE(placemarks[0]->TextAt("LineString/coordinates"),
                     QString("30.5234000,50.4501000,0 30.5121000,50.4465000,0"));
        }
    }

    void querySearches_data()
    {
        QTest::addColumn<AppleMapsHistoryQuerySearchItem>("search");
        QTest::addColumn<QString>("coordinates");

        QTest::newRow("region corners, closed ring")
            << test::FullQuerySearch()
            << "30.500000,50.400000 30.600000,50.400000 30.600000,50.450000 30.500000,50.450000 30.500000,50.400000 ";
        AppleMapsHistoryQuerySearchItem neverSet = test::FullQuerySearch();
        neverSet.mapRegion = location::MapRegion();
        QTest::newRow("region never set")
            << neverSet
            << "-181.000000,-91.000000 -181.000000,-91.000000 -181.000000,-91.000000 -181.000000,-91.000000 "
               "-181.000000,-91.000000 ";
    }

    void querySearches()
    {
        QFETCH(AppleMapsHistoryQuerySearchItem, search);
        QFETCH(QString, coordinates);
        const QString path = NewPath();
        details::ExportQuerySearch({&search, nullptr}, path.toStdWString(), "backup-1");
        test::XmlElement root;
        QVERIFY(ReadBack(path, root));
        const auto placemarks = test::KmlPlacemarks(root);
        QCOMPARE(placemarks.size(), std::size_t(1));
        QCOMPARE(placemarks[0]->Structure(), QString("Placemark(name,Polygon(outerBoundaryIs(LinearRing(coordinates))))"));
        QCOMPARE(placemarks[0]->TextAt("name"), QString("Kyiv, Ukraine"));
        QCOMPARE(placemarks[0]->TextAt("Polygon/outerBoundaryIs/LinearRing/coordinates"), coordinates);
    }

    // Control characters, lone surrogates and non-characters once made files no XML reader accepts.
    void textsReachTheFileAsXml_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("written");
        const QString replaced = QString(QChar::ReplacementCharacter);
        QTest::newRow("control character") << QString("a\x01" "b") << "a" + replaced + "b";
        QTest::newRow("lone high surrogate") << QString("a") + QChar(0xD800) + "b" << "a" + replaced + "b";
        QTest::newRow("lone low surrogate at the end") << QString("a") + QChar(0xDC00) << "a" + replaced;
        QTest::newRow("non-character") << QString("a") + QChar(0xFFFF) << "a" + replaced;
        QTest::newRow("tab and surrogate pair kept") << QString::fromUtf8("a\tb\xF0\x9F\x98\x80")
                                                     << QString::fromUtf8("a\tb\xF0\x9F\x98\x80");
        const QString markup = QString::fromUtf8("Кав'ярня <\"Львівська\"> & Co");
        QTest::newRow("markup characters escaped, text kept exact") << markup << markup;
    }

    void textsReachTheFileAsXml()
    {
        QFETCH(QString, text);
        QFETCH(QString, written);
        AppleMapsPlaceBookmarkItem bookmark = test::FullBookmark();
        bookmark.title = text;
        AppleMapsDirectionSearchItem directions = test::FullDirectionsSearch();
        directions.name = text;

        const QString paths[] = {NewPath(), NewPath()};
        ExportBookmarks({&bookmark}, paths[0]);
        details::ExportDirectionsSearches({&directions}, paths[1].toStdWString(), text);

        test::XmlElement roots[2];
        QVERIFY(ReadBack(paths[0], roots[0]));
        QVERIFY(ReadBack(paths[1], roots[1]));
        QCOMPARE(roots[1].TextAt("Document/name"), "Directions searches history for " + written);
        for (const test::XmlElement& root : roots) {
            QCOMPARE(test::KmlPlacemarks(root).size(), std::size_t(1));
            QCOMPARE(test::KmlPlacemarks(root).front()->TextAt("name"), written);
        }
    }
};

MAPS_TEST_CLASS(KmlExportTest);

#include "tst_KmlExport.moc"
