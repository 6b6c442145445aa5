#include "support/FileContents.h"
#include "support/TestRegistry.h"
#include "support/CaughtException.h"

#include "cmn/FileSystemException.h"
#include "cmn/FileWrapper.h"
#include "cmn/PathEncoding.h"
#include "cmn/TempFileWrapper.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <utility>

namespace utils = ulq::cmn::utils;
using ulq::cmn::FileWrapper;
using ulq::cmn::TempFileWrapper;

class FileWrappersTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    QString MakeFile(const QString& name)
    {
        test::WriteFile(m_folder.filePath(name), "temp");
        return m_folder.filePath(name);
    }

private slots:
    void initTestCase()
    {
        utils::ImbueUtf8PathConversion();
        QVERIFY(m_folder.isValid());
    }

    void fileWrapperFailureNamesThePath()
    {
        const QString path = m_folder.filePath("no/such/folder/file.txt");
        FileWrapper file;
        const auto failure = test::CaughtException<ulq::cmn::FileSystemException>(
            [&] { file.InitFile(path.toStdWString(), L"rb"); });
        QVERIFY(failure);
        QCOMPARE(QString::fromStdString(failure->GetUserText()), "Can't open file " + path);
        QVERIFY(!file.Get());
    }

    void movedHolderDeletesOnlyOnce()
    {
        const QString first = MakeFile("first.db");
        const QString second = MakeFile("second.db");
        TempFileWrapper target(second.toStdWString());
        {
            TempFileWrapper source(first.toStdWString());
            target = std::move(source);
            QVERIFY(!QFileInfo::exists(second));
        }
        QVERIFY(QFileInfo::exists(first));
        QCOMPARE(utils::PathToQString(target.GetPath()), first);
    }
};

MAPS_TEST_CLASS(FileWrappersTest);

#include "tst_FileWrappers.moc"
