#include "support/TestRegistry.h"

#include "cmn/FileChecks.h"
#include "cmn/FileOperations.h"
#include "cmn/FileWrapper.h"
#include "cmn/PathEncoding.h"

#include <boost/filesystem/path.hpp>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace utils = ulq::cmn::utils;

class PathEncodingTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;

private slots:
    void initTestCase()
    {
        utils::ImbueUtf8PathConversion();
        QVERIFY(m_folder.isValid());
    }

    void nonAsciiWidePaths_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("cyrillic") << QString::fromUtf8("Карты Москва");
        QTest::newRow("beyond the basic plane, no surrogates in 32-bit wide text") << QString::fromUtf8("map \xF0\x9F\x97\xBA");
    }

    void nonAsciiWidePaths()
    {
        QFETCH(QString, name);
        const QString folder = m_folder.filePath(name);
        const boost::filesystem::path wideFolder(folder.toStdWString());

        QCOMPARE(wideFolder.string(), folder.toStdString());
        QCOMPARE(utils::PathToUtf8(wideFolder), folder.toStdString());
        QVERIFY(boost::filesystem::path(folder.toStdString()).wstring() == folder.toStdWString());

        utils::CreateDirectoryImpl(wideFolder);
        QVERIFY(QDir(m_folder.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).contains(name));

        const boost::filesystem::path file = wideFolder / (name + ".txt").toStdWString();
        {
            ulq::cmn::FileWrapper wrapper;
            wrapper.InitFile(file, L"wb");
            QVERIFY(std::fputs("abc", wrapper.Get()) >= 0);
        }
        QVERIFY(QFile::exists(folder + "/" + name + ".txt"));
        QCOMPARE(utils::GetFileSize(file), std::uint64_t(3));

        const boost::filesystem::path copy = wideFolder / L"копия.txt";
        utils::CopyFileW(file, copy);
        QVERIFY(utils::CheckFileExists(copy, false));
        QCOMPARE(utils::PathToQString(copy), folder + QString::fromUtf8("/копия.txt"));

        utils::DeleteItem(wideFolder);
        QVERIFY(!QFileInfo::exists(folder));
    }
};

MAPS_TEST_CLASS(PathEncodingTest);

#include "tst_PathEncoding.moc"
