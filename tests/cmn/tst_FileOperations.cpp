#include "support/FileContents.h"
#include "support/RecordingSink.h"
#include "support/TestRegistry.h"
#include "support/CaughtException.h"

#include "cmn/FileOperations.h"
#include "cmn/FileSystemException.h"
#include "cmn/PathEncoding.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

namespace utils = ulq::cmn::utils;
using ulq::cmn::FileSystemException;
using test::CaughtException;

class FileOperationsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    QString PathOf(const QString& name) const { return m_folder.filePath(name); }
    static boost::filesystem::path Fs(const QString& path) { return path.toStdWString(); }

private slots:
    void initTestCase()
    {
        utils::ImbueUtf8PathConversion();
        QVERIFY(m_folder.isValid());
        QVERIFY(test::ProcessRecordingSink());
    }

    void createDirectoryBelowAFileFails()
    {
        test::WriteFile(PathOf("plain-file"), "x");
        const QString impossible = PathOf("plain-file/sub");
        const auto failure = CaughtException<FileSystemException>([&] { utils::CreateDirectoryImpl(Fs(impossible)); });
        QVERIFY(failure);
        QCOMPARE(QString::fromStdString(failure->GetUserText()), "Can't create directory: " + impossible);
        QVERIFY(QString::fromStdString(failure->GetLogText()).startsWith(
            "Can't create directory: " + impossible + ". Filesystem error: "));
    }

    void deleteItem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("survivor");
        QTest::newRow("folder tree") << "tree" << "tree-sibling.txt";
        QTest::newRow("single file") << "tree-sibling.txt" << "tree";
        QTest::newRow("missing path") << "never-created" << "tree";
    }

    void deleteItem()
    {
        QFETCH(QString, name);
        QFETCH(QString, survivor);
        QVERIFY(QDir().mkpath(PathOf("tree/sub/deeper")));
        test::WriteFile(PathOf("tree/top.txt"), "1");
        test::WriteFile(PathOf("tree/sub/deeper/leaf.txt"), "2");
        test::WriteFile(PathOf("tree-sibling.txt"), "3");

        utils::DeleteItem(Fs(PathOf(name)));

        QVERIFY(!QFileInfo::exists(PathOf(name)));
        QVERIFY(QFileInfo::exists(PathOf(survivor)));
    }

    void deleteFailureKeepsTheFileSystemText()
    {
        // A name longer than any file system allows fails even for a privileged user.
        const QString overlong = PathOf(QString(300, 'x'));
        const auto failure = CaughtException<FileSystemException>([&] { utils::DeleteItem(Fs(overlong)); });
        QVERIFY(failure);
        QCOMPARE(QString::fromStdString(failure->GetLogText()),
                 QString("Can't delete folder: %1. Filesystem error: %2")
                     .arg(overlong, QString::fromStdString(std::strerror(ENAMETOOLONG))));
        QCOMPARE(QString::fromStdString(failure->GetUserText()), "Can't delete folder: " + overlong);
    }
};

MAPS_TEST_CLASS(FileOperationsTest);

#include "tst_FileOperations.moc"
