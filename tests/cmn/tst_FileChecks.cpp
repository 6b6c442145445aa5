#include "support/FileContents.h"
#include "support/TestRegistry.h"
#include "support/CaughtException.h"

#include "cmn/FileChecks.h"
#include "cmn/FileSystemException.h"
#include "cmn/PathEncoding.h"

#include <QTemporaryDir>
#include <QTest>

#include <boost/filesystem/operations.hpp>

#include <limits>

namespace utils = ulq::cmn::utils;
using ulq::cmn::FileSystemCriticalException;
using ulq::cmn::FileSystemException;
using test::CaughtException;

class FileChecksTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    boost::filesystem::path PathOf(const QString& name) const { return m_folder.filePath(name).toStdWString(); }

private slots:
    void initTestCase()
    {
        utils::ImbueUtf8PathConversion();
        QVERIFY(m_folder.isValid());
        test::WriteFile(m_folder.filePath("data.bin"), "0123456789");
    }

    void checkFilePermissions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<uint>("flags");
        QTest::addColumn<QString>("userText");
        QTest::addColumn<QString>("logText");
        const QString invalid = "Invalid file permissions.";
        const QString denied = "Please check that you have enough permissions to access.";
        QTest::newRow("read") << "data.bin" << 1u << "" << "";
        QTest::newRow("no flag on an existing file") << "data.bin" << 0u << invalid << "";
        QTest::newRow("only unknown bits") << "data.bin" << 8u << invalid << "";
        QTest::newRow("missing file") << "missing.bin" << 1u << denied << "Not enough permissions to access.";
        QTest::newRow("execute on a plain file") << "data.bin" << 4u << denied << "Not enough permissions to access.";
    }

    void checkFilePermissions()
    {
        QFETCH(QString, name);
        QFETCH(uint, flags);
        QFETCH(QString, userText);
        QFETCH(QString, logText);
        const auto failure =
            CaughtException<FileSystemException>([&] { utils::CheckFilePermissions(PathOf(name), flags); });
        QCOMPARE(failure.has_value(), !userText.isEmpty());
        if (failure) {
            QCOMPARE(QString::fromStdString(failure->GetUserText()), userText);
            if (!logText.isEmpty())
                QCOMPARE(QString::fromStdString(failure->GetLogText()), logText);
            QCOMPARE(failure->GetPath(), PathOf(name).wstring());
        }
    }

    void diskFreeSpaceMeasuresTheFolderOfAFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("folder") << "";
        QTest::newRow("existing file") << "data.bin";
        QTest::newRow("file still to be written") << "not-yet-written.bin";
    }

    void diskFreeSpaceMeasuresTheFolderOfAFile()
    {
        QFETCH(QString, name);
        const std::uint64_t available = boost::filesystem::space(PathOf("")).available;
        QVERIFY(available > 2);
        QVERIFY(utils::CheckDiskFreeSpace(PathOf(name), available / 2, true));
        const std::uint64_t impossible = std::numeric_limits<std::uint64_t>::max();
        QVERIFY(!utils::CheckDiskFreeSpace(PathOf(name), impossible, false));
        const auto failure = CaughtException<FileSystemCriticalException>(
            [&] { utils::CheckDiskFreeSpace(PathOf(name), impossible, true); });
        QVERIFY(failure);
        QCOMPARE(QString::fromStdString(failure->GetUserText()),
                 "Not enough space on the disk. Path: " + m_folder.filePath(name));
    }

    void fileSize()
    {
        QCOMPARE(utils::GetFileSize(PathOf("data.bin")), std::uint64_t(10));
        const auto failure =
            CaughtException<FileSystemException>([&] { utils::GetFileSize(PathOf("missing.bin")); });
        QVERIFY(failure);
        QCOMPARE(QString::fromStdString(failure->GetUserText()),
                 "Can't get file size: " + m_folder.filePath("missing.bin"));
    }

};

MAPS_TEST_CLASS(FileChecksTest);

#include "tst_FileChecks.moc"
