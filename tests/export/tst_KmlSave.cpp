#include "ExportRecords.h"
#include "XmlTree.h"

#include "plugin/ScriptedBackups.h"
#include "support/CaughtException.h"
#include "support/TestRegistry.h"

#include "cmn/CommonExceptions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
        QTest::addColumn<QString>("documentName");

        QTest::newRow("favourites")
            << SaveCall([](AppleMapsPlugIn& plugIn, location::LocationHistoryFileFormat format, const QString& path) {
                   plugIn.SaveBookmarkToFile(format, {&Records().bookmark, nullptr}, Path(path));
               })
            << "Favorites history for scripted";
        QTest::newRow("explored places")
            << SaveCall([](AppleMapsPlugIn& plugIn, location::LocationHistoryFileFormat format, const QString& path) {
                   plugIn.SavePlaceDisplayToFile(format, {&Records().placeDisplay}, Path(path));
               })
            << "Explored places  history for scripted";
        QTest::newRow("directions searches")
            << SaveCall([](AppleMapsPlugIn& plugIn, location::LocationHistoryFileFormat format, const QString& path) {
                   plugIn.SaveDirectionsSearchesToFile(format, {&Records().directionsSearch}, Path(path));
               })
            << "Directions searches history for scripted";
        QTest::newRow("searches")
            << SaveCall([](AppleMapsPlugIn& plugIn, location::LocationHistoryFileFormat format, const QString& path) {
                   plugIn.SaveQuerySearchToFile(format, {&Records().querySearch}, Path(path));
               })
            << "Searches history for scripted";
    }

    void saveOperations()
    {
        QFETCH(SaveCall, save);
        QFETCH(QString, documentName);
        const QString path = m_folder.filePath(QString(QTest::currentDataTag()) + ".kml");
        save(*m_plugIn, Kml, path);

        QString error;
        const test::XmlElement root = test::ReadXmlFile(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const test::XmlElement& document = root.children.front();
        const test::XmlElement& container = document.Children("Folder").empty() ? document : *document.Children("Folder").front();
        QCOMPARE(container.TextAt("name"), documentName);
        QCOMPARE(container.Children("Placemark").size(), std::size_t(1));
    }

    void otherFormatsWriteNothing()
    {
        QFETCH(SaveCall, save);
        const QString path = m_folder.filePath(QString(QTest::currentDataTag()) + "-format0.kml");
        save(*m_plugIn, NoFormat, path);
        QVERIFY(!QFile::exists(path));
    }

    void otherFormatsWriteNothing_data() { saveOperations_data(); }

    void unwritableTarget()
    {
        QFETCH(SaveCall, save);
        const QString path = m_folder.filePath("missing folder/out.kml");
        const auto failure = test::CaughtException<cmn::PlugInCommonException>([&] { save(*m_plugIn, Kml, path); });
        QVERIFY(failure.has_value());
        QCOMPARE(QString::fromStdString(failure->GetUserText()), QString("Can't open file"));
        QVERIFY(!QDir(m_folder.filePath("missing folder")).exists());
    }

    void unwritableTarget_data() { saveOperations_data(); }
};

MAPS_TEST_CLASS(KmlSaveTest);

#include "tst_KmlSave.moc"
