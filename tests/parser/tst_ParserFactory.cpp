#include "support/AppleMapsBackupFixture.h"
#include "support/FileContents.h"
#include "support/RecordingSink.h"
#include "support/TestRegistry.h"

#include "appleMaps/parser/iCloudSyncAppleMapsParserFactory.h"
#include "cmn/PathEncoding.h"

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
        test::WriteFile(folder.filePath(fileName), test::DescriptorXml(fields));
        QCOMPARE(static_cast<int>(appleMaps::MakeAppleMapsParserFactories(ToPath(folder.filePath(fileName))).size()),
                 factories);
    }
};

MAPS_TEST_CLASS(ParserFactoryTest);
#include "tst_ParserFactory.moc"
