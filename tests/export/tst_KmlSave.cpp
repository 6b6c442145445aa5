#include "ExportRecords.h"
#include "XmlTree.h"

#include "plugin/ScriptedBackups.h"
#include "support/CaughtException.h"
#include "support/RecordingSink.h"
#include "support/TestRegistry.h"

#include "CryptLog/log/Severity.h"

#include "cmn/CommonExceptions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>

using namespace appleMaps;
using SaveCall = std::function<void(AppleMapsPlugIn&, location::LocationHistoryFileFormat, const QString&)>;
Q_DECLARE_METATYPE(SaveCall)

namespace {

const location::LocationHistoryFileFormat Kml = location::LocationHistoryFileFormat::Kml;
const auto NoFormat = static_cast<location::LocationHistoryFileFormat>(0);

// The records every save operation gets: one of its kind.
struct SaveRecords {
    AppleMapsPlaceBookmarkItem bookmark = test::FullBookmark();
    AppleMapsPlaceDisplayItem placeDisplay = test::FullPlaceDisplay();
    AppleMapsDirectionSearchItem directionsSearch = test::FullDirectionsSearch();
    AppleMapsHistoryQuerySearchItem querySearch = test::FullQuerySearch();
};

SaveRecords& Records()
{
    static SaveRecords records;
    return records;
}

boost::filesystem::path Path(const QString& path)
{
    return boost::filesystem::path(path.toStdWString());
}

} // namespace

class KmlSaveTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QString m_descriptor;
    std::unique_ptr<test::ScriptedPlugIn> m_plugIn;

private slots:
    void initTestCase()
    {
        test::RecordingSink::ForProcessLogger();
        QVERIFY(m_folder.isValid());
        m_descriptor = m_folder.filePath("icloud_synced.xml");
        QFile descriptor(m_descriptor);
        QVERIFY(descriptor.open(QIODevice::WriteOnly));
        m_plugIn = std::make_unique<test::ScriptedPlugIn>(
            test::ScriptedBackups{{m_descriptor, std::make_shared<test::ScriptedBackup>()}});
        m_plugIn->SetDataPath(m_descriptor);
    }

    void cleanupTestCase() { m_plugIn.reset(); }

    void saveOperations_data()
    {
        QTest::addColumn<SaveCall>("save");
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("documentName");
        QTest::addColumn<QString>("placemarks");

        QTest::newRow("favourites")
            << SaveCall([](AppleMapsPlugIn& plugIn, location::LocationHistoryFileFormat format, const QString& path) {
                   plugIn.SaveBookmarkToFile(format, {&Records().bookmark, nullptr}, Path(path));
               })
            << "appleMaps::AppleMapsPlugIn::SaveBookmarkToFile" << "appleMaps::details::ExportDataToKml"
            << "Favorites history for scripted"
            << "Placemark(name,address,TimeSpan(when),gx:Track(altitudeMode,gx:coord))";
        QTest::newRow("explored places")
            << SaveCall([](AppleMapsPlugIn& plugIn, location::LocationHistoryFileFormat format, const QString& path) {
                   plugIn.SavePlaceDisplayToFile(format, {&Records().placeDisplay}, Path(path));
               })
            << "appleMaps::AppleMapsPlugIn::SavePlaceDisplayToFile" << "appleMaps::details::ExportDataToKml"
            << "Explored places  history for scripted"
            << "Placemark(address,TimeSpan(when),gx:Track(altitudeMode,gx:coord))";
        QTest::newRow("directions searches")
            << SaveCall([](AppleMapsPlugIn& plugIn, location::LocationHistoryFileFormat format, const QString& path) {
                   plugIn.SaveDirectionsSearchesToFile(format, {&Records().directionsSearch}, Path(path));
               })
            << "appleMaps::AppleMapsPlugIn::SaveDirectionsSearchesToFile"
            << "appleMaps::details::ExportDirectionsSearches" << "Directions searches history for scripted"
            << "Placemark(name,LineString(tessellate,coordinates))";
        QTest::newRow("searches")
            << SaveCall([](AppleMapsPlugIn& plugIn, location::LocationHistoryFileFormat format, const QString& path) {
                   plugIn.SaveQuerySearchToFile(format, {&Records().querySearch}, Path(path));
               })
            << "appleMaps::AppleMapsPlugIn::SaveQuerySearchToFile" << "appleMaps::details::ExportQuerySearch"
            << "Searches history for scripted" << "Placemark(name,Polygon(outerBoundaryIs(LinearRing(coordinates))))";
    }

    void saveOperations()
    {
        QFETCH(SaveCall, save);
        QFETCH(QString, documentName);
        QFETCH(QString, placemarks);
        const QString path = m_folder.filePath(QString(QTest::currentDataTag()) + ".kml");
        save(*m_plugIn, Kml, path);

        QString error;
        const test::XmlElement root = test::ReadXmlFile(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const test::XmlElement& document = root.children.front();
        const test::XmlElement& container = document.Children("Folder").empty() ? document : *document.Children("Folder").front();
        QCOMPARE(container.TextAt("name"), documentName);
        QStringList written;
        for (const test::XmlElement* placemark : container.Children("Placemark"))
            written << placemark->Structure();
        QCOMPARE(written.join('|'), placemarks);
    }

    void otherFormatsWriteNothing()
    {
        QFETCH(SaveCall, save);
        QFETCH(QString, function);
        const QString path = m_folder.filePath(QString(QTest::currentDataTag()) + "-format0.kml");
        test::ProcessRecordingSink()->Clear();
        save(*m_plugIn, NoFormat, path);
        QVERIFY(!QFile::exists(path));
        const auto lines = test::ProcessRecordingSink()->Lines();
        const bool logged = std::any_of(lines.begin(), lines.end(), [&](const test::LogLine& line) {
            return line.message == "Incorect export type" && QString::fromStdString(line.function) == function
                && line.severity == CryptLog::Debug;
        });
        QVERIFY(logged);
    }

    void otherFormatsWriteNothing_data() { saveOperations_data(); }

    void unwritableTarget()
    {
        QFETCH(SaveCall, save);
        QFETCH(QString, writer);
        const QString path = m_folder.filePath("missing folder/out.kml");
        const auto failure = test::CaughtException<cmn::PlugInCommonException>([&] { save(*m_plugIn, Kml, path); });
        QVERIFY(failure.has_value());
        QCOMPARE(QString::fromStdString(failure->GetUserText()), QString("Can't open file"));
        // A template's name carries its arguments.
        QVERIFY2(QString(failure->GetLocation().function).startsWith(writer), failure->GetLocation().function);
        QVERIFY(!QDir(m_folder.filePath("missing folder")).exists());
    }

    void unwritableTarget_data() { saveOperations_data(); }
};

MAPS_TEST_CLASS(KmlSaveTest);

#include "tst_KmlSave.moc"
