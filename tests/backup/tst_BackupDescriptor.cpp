#include "BackupFolder.h"

#include "support/FileContents.h"
#include "support/RecordingSink.h"
#include "support/TestRegistry.h"
#include "support/CaughtException.h"

#include "cmn/CommonExceptions.h"
#include "cmn/FileSystemException.h"
#include "cmn/PathEncoding.h"
#include "cmn/backup/BackupDescriptor.h"

#include <QTest>

#include <tinyxml.h>

using test::CaughtException;
using test::CategoryXml;
using test::DescriptorXml;
using test::ReadFile;

class BackupDescriptorTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ulq::cmn::utils::ImbueUtf8PathConversion();
        QVERIFY(test::ProcessRecordingSink());
    }

    void backupVersion_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("expected");
        const QByteArray categories = CategoryXml("AppleMaps", "maps.db");
        QTest::newRow("version 3") << "icloud_synced.xml" << DescriptorXml("3", categories) << 3;
        QTest::newRow("upper-case name") << "ICLOUD_SYNCED.XML" << DescriptorXml("3", categories) << 3;
        QTest::newRow("name ending like a descriptor") << "old_icloud_synced.xml" << DescriptorXml("4", categories) << 4;
        QTest::newRow("other name") << "icloud_synced.xml.bak" << DescriptorXml("3", categories) << 0;
        QTest::newRow("surrounding blanks") << "icloud_synced.xml" << DescriptorXml(" 7 ", categories) << 7;
        QTest::newRow("missing version") << "icloud_synced.xml" << DescriptorXml({}, categories) << 0;
        QTest::newRow("trailing letters") << "icloud_synced.xml" << DescriptorXml("3a", categories) << 0;
        QTest::newRow("beyond int") << "icloud_synced.xml" << DescriptorXml("99999999999", categories) << 0;
        QTest::newRow("not xml") << "icloud_synced.xml" << QByteArray("version=3") << 0;
        QTest::newRow("other root") << "icloud_synced.xml" << QByteArray("<Restore><Version>3</Version></Restore>")
                                    << 0;
        QTest::newRow("5,000 categories under a document type")
            << "icloud_synced.xml"
            << DescriptorXml("3", categories.repeated(5000)).replace("<Backup>", "<!DOCTYPE Backup SYSTEM \"b.dtd\">\n<Backup>")
            << 3;
        // The version is read from the text: a binary list, even one holding the same keys, has none.
        QTest::newRow("binary descriptor") << "icloud_synced.xml"
                                           << ReadFile(PLIST_TEST_DATA "/valid/nested.bplist") << 0;
    }

    void backupVersion()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(int, expected);
        test::BackupFolder backup;

        QCOMPARE(cmn::GetBackupVersion(backup.Write(fileName, content)), expected);
    }

    void backupVersionSupport_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("required");
        QTest::addColumn<bool>("supported");
        QTest::newRow("equal") << 3 << 3 << true;
        QTest::newRow("newer backup") << 9 << 3 << true;
        QTest::newRow("older backup") << 2 << 3 << false;
        QTest::newRow("no version") << 0 << 0 << false;
        QTest::newRow("requirement zero") << 3 << 0 << false;
        QTest::newRow("requirement six") << 6 << 6 << true;
        QTest::newRow("requirement seven") << 7 << 7 << false;
    }

    void backupVersionSupport()
    {
        QFETCH(int, version);
        QFETCH(int, required);
        QFETCH(bool, supported);
        QCOMPARE(cmn::IsBackupVersionSupported(version, required), supported);
    }

    void categoryVersion_data()
    {
        QTest::addColumn<QByteArray>("categories");
        QTest::addColumn<int>("expected");
        QTest::newRow("stated") << CategoryXml("AppleMaps", "maps.db", "5") << 5;
        QTest::newRow("zero falls back") << CategoryXml("AppleMaps", "maps.db", "0") << 3;
        QTest::newRow("leading digits count") << CategoryXml("AppleMaps", "maps.db", "6b") << 6;
        QTest::newRow("missing falls back") << CategoryXml("AppleMaps", "maps.db") << 3;
        QTest::newRow("no such category") << CategoryXml("Notes", "notes.db", "5") << 3;
        QTest::newRow("newer than supported") << CategoryXml("AppleMaps", "maps.db", "6") << 6;
    }

    void categoryVersion()
    {
        QFETCH(QByteArray, categories);
        QFETCH(int, expected);
        test::BackupFolder backup;
        const auto descriptor = backup.WriteDescriptor(DescriptorXml("3", categories));

        QCOMPARE(cmn::GetCategoryVersion(descriptor, "AppleMaps"), expected);
        const auto failure = CaughtException<cmn::PlugInVersionException>(
            [&] { QCOMPARE(cmn::utils::VerifyISyncCategoryVersion(descriptor, "AppleMaps", 5), expected); });
        QCOMPARE(failure ? failure->GetUserText() : std::string(),
                 std::string(expected > 5 ? "AppleMaps is not supported in current version" : ""));
    }

    void findCategoryTakesTheFirstMatchInDocumentOrder()
    {
        test::BackupFolder backup;
        const auto descriptor = backup.WriteDescriptor(DescriptorXml(
            "3", CategoryXml("Notes", "notes.db") + CategoryXml("AppleMaps", "first.db")
                     + CategoryXml("applemaps", "second.db") + CategoryXml("Карты", "cyrillic.db")));
        TiXmlDocument document;

        const TiXmlElement* category = cmn::FindCategory(descriptor, "APPLEMAPS", document);
        QVERIFY(category);
        QCOMPARE(std::string(category->FirstChildElement("Database")->GetText()), std::string("first.db"));

        const TiXmlElement* cyrillic = cmn::FindCategory(descriptor, "КАРТЫ", document);
        QVERIFY(cyrillic);
        QCOMPARE(std::string(cyrillic->FirstChildElement("Database")->GetText()), std::string("cyrillic.db"));

        QCOMPARE(cmn::FindCategory(descriptor, "Photos", document), static_cast<TiXmlElement*>(nullptr));
    }

    void missingDescriptorThrows_data()
    {
        QTest::addColumn<bool>("findCategory");
        QTest::addColumn<QString>("userText");
        QTest::newRow("backup version") << false << "Could not open file.";
        QTest::newRow("category lookup") << true << "File does not exist:";
    }

    void missingDescriptorThrows()
    {
        QFETCH(bool, findCategory);
        QFETCH(QString, userText);
        test::BackupFolder backup;
        const QString path = backup.FilePath("icloud_synced.xml");
        TiXmlDocument document;
        const auto failure = CaughtException<ulq::cmn::FileSystemException>([&] {
            if (findCategory)
                cmn::FindCategory(path.toStdWString(), "AppleMaps", document);
            else
                cmn::GetBackupVersion(path.toStdWString());
        });
        QVERIFY(failure);
        QCOMPARE(QString::fromStdString(failure->GetUserText()), userText);
        QCOMPARE(QString::fromStdWString(failure->GetPath()), path);
    }

    void corruptedDescriptorIsReportedForEveryLookup_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("unclosed element") << DescriptorXml("3", CategoryXml("AppleMaps", "maps.db")).replace("</Backup>", "");
        QTest::newRow("malformed binary") << ReadFile(PLIST_TEST_DATA "/malformed/two_arrays_cycle.bplist");
    }

    void corruptedDescriptorIsReportedForEveryLookup()
    {
        QFETCH(QByteArray, content);
        test::BackupFolder backup;
        const auto descriptor = backup.WriteDescriptor(content);
        const std::string expected =
            "Can't open backup." + backup.FilePath("icloud_synced.xml").toStdString() + " file is corrupted.";

        const auto lookup = CaughtException<ulq::cmn::CommonException>(
            [&] { cmn::GetCategoryVersion(descriptor, "AppleMaps"); });
        const auto id = CaughtException<ulq::cmn::CommonException>([&] { cmn::GetBackupId(descriptor); });

        QVERIFY(lookup && id);
        QCOMPARE(lookup->GetUserText(), expected);
        QCOMPARE(id->GetUserText(), expected);
    }

    void backupId_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        const QByteArray categories = CategoryXml("AppleMaps", "maps.db");
        QTest::newRow("after the version") << DescriptorXml("3", categories, "  <Id>0F3A-77C1</Id>\n") << "0F3A-77C1";
        QTest::newRow("first in document order")
            << DescriptorXml("3", categories, "  <Device><Id>DEV-1</Id></Device>\n  <Id>TOP-2</Id>\n") << "DEV-1";
        QTest::newRow("non-ascii") << DescriptorXml("3", categories, "  <Id>Сессия-7</Id>\n") << "Сессия-7";
        QTest::newRow("empty") << DescriptorXml("3", categories, "  <Id/>\n") << "";
        QTest::newRow("missing") << DescriptorXml("3", categories) << "";
        QTest::newRow("binary list, whose keys are no elements")
            << ReadFile(PLIST_TEST_DATA "/valid/nested.bplist") << "";
    }

    void backupId()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        test::BackupFolder backup;

        QCOMPARE(QString::fromStdString(cmn::GetBackupId(backup.WriteDescriptor(content))), expected);
    }
};

MAPS_TEST_CLASS(BackupDescriptorTest);
#include "tst_BackupDescriptor.moc"
