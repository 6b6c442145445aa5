#include "support/AppleMapsBackupFixture.h"
#include "support/RecordingSink.h"
#include "support/TestRegistry.h"

#include "appleMaps/AppleMapsPlugIn.h"
#include "appleMaps/parser/iCloudSyncAppleMapsParserFactory.h"
#include "appleMaps/records/AppleMapsCategory.h"
#include "cmn/PathEncoding.h"
#include "core/interfaces/ICategoryPlugIn.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

boost::filesystem::path ToPath(const QString& path)
{
    return boost::filesystem::path(path.toStdWString());
}

} // namespace

class ParserFactoryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        test::ProcessRecordingSink();
        ulq::cmn::utils::ImbueUtf8PathConversion();
    }

    void acceptsOnlyTheDescriptor_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("descriptor") << "/backup/icloud_synced.xml" << true;
        QTest::newRow("upper case") << "/backup/ICLOUD_SYNCED.XML" << true;
        QTest::newRow("relative") << "icloud_synced.xml" << true;
        QTest::newRow("longer name") << "/backup/my_icloud_synced.xml" << false;
        QTest::newRow("other extension") << "/backup/icloud_synced.xml.bak" << false;
        QTest::newRow("folder of that name") << "/backup/icloud_synced.xml/" << false;
        QTest::newRow("empty") << "" << false;
    }

    void acceptsOnlyTheDescriptor()
    {
        QFETCH(QString, path);
        QFETCH(bool, accepted);
        QCOMPARE(appleMaps::iCloudSyncAppleMapsParserFactory().AcceptsDataPath(ToPath(path)), accepted);
    }

    void offeredFromDescriptorVersionThree_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("factories");
        QTest::newRow("version 2") << "2" << "icloud_synced.xml" << 0;
        QTest::newRow("version 3") << "3" << "icloud_synced.xml" << 1;
        QTest::newRow("version 12") << "12" << "icloud_synced.xml" << 1;
        QTest::newRow("upper-case name") << "3" << "ICLOUD_SYNCED.XML" << 1;
        QTest::newRow("not a number") << "three" << "icloud_synced.xml" << 0;
        QTest::newRow("other file name") << "3" << "backup.xml" << 0;
    }

    void offeredFromDescriptorVersionThree()
    {
        QFETCH(QString, version);
        QFETCH(QString, fileName);
        QFETCH(int, factories);
        QTemporaryDir folder;
        test::DescriptorFields fields;
        fields.version = version;
        QFile descriptor(folder.filePath(fileName));
        QVERIFY(descriptor.open(QIODevice::WriteOnly));
        descriptor.write(test::DescriptorXml(fields));
        descriptor.close();
        QCOMPARE(static_cast<int>(appleMaps::MakeAppleMapsParserFactories(ToPath(descriptor.fileName())).size()),
                 factories);
    }

    // The plug-in object as the host drives it, on a real backup.
    void plugInParsesTheBackupItIsGiven()
    {
        const test::AppleMapsBackupFixture backup;
        backup.Execute("INSERT INTO QuerySearches VALUES ('q', 1600000000, 'coffee', '', 1, 2, 3, 4);"
                       "INSERT INTO PlaceDisplays VALUES ('p', 1600000000, 1, 2, '', '', '', 'Arbat');");
        QTemporaryDir tempFolder;
        appleMaps::AppleMapsPlugIn plugIn;
        core::IPlugInBase& host = plugIn;
        host.SetTempPath(tempFolder.path().toStdWString());
        host.SetDataPath(backup.DescriptorPath());
        core::ICategoryPlugIn* category = host.GetCategoryPlugIn();
        QVERIFY(category);
        QCOMPARE(category->GetCategoryDataSize(), std::uint64_t(2));
        host.Parse();
        QCOMPARE(plugIn.GetRecords().querySearches.size(), std::size_t(1));
        QCOMPARE(plugIn.GetRecords().placeDisplays.size(), std::size_t(1));
        QCOMPARE(plugIn.GetFilterContext(appleMaps::ExploredPlacesCategory).items.size(), std::size_t(1));
        QVERIFY(QDir(tempFolder.path()).isEmpty());
    }

    void plugInOffersNoCategoryForAnOldDescriptor()
    {
        test::DescriptorFields fields;
        fields.version = "2";
        const test::AppleMapsBackupFixture backup(fields);
        appleMaps::AppleMapsPlugIn plugIn;
        core::IPlugInBase& host = plugIn;
        host.SetDataPath(backup.DescriptorPath());
        QVERIFY(!host.GetCategoryPlugIn());
    }
};

MAPS_TEST_CLASS(ParserFactoryTest);
#include "tst_ParserFactory.moc"
