#include "support/RecordingSink.h"
#include "support/TemporaryAppData.h"
#include "support/TestRegistry.h"

#include "cmn/AppFolders.h"
#include "cmn/PathEncoding.h"
#include "cmn/TempFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace utils = ulq::cmn::utils;

namespace {

// Removes "appdata" from the environment while it lives.
class AppDataUnset final {
public:
    AppDataUnset()
        : m_wasSet(qEnvironmentVariableIsSet("appdata"))
        , m_value(qgetenv("appdata"))
    {
        qunsetenv("appdata");
    }
    ~AppDataUnset()
    {
        if (m_wasSet)
            qputenv("appdata", m_value);
    }

private:
    bool m_wasSet;
    QByteArray m_value;
};

} // namespace

class TempFolderTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        utils::ImbueUtf8PathConversion();
        QVERIFY(test::ProcessRecordingSink());
    }

    void withoutAppDataTheExecutableFolderIsUsed()
    {
        const AppDataUnset unset;
        QCOMPARE(utils::PathToQString(utils::GetAppTempPath()), QCoreApplication::applicationDirPath() + "/Temp");
    }

    void existingAppDataHoldsTheTempFolder()
    {
        const test::TemporaryAppData appData;
        QVERIFY(appData.IsValid());
        const QString productFolder = appData.Path() + "/Halvenrod/Mirrowdale";
        QVERIFY(QDir().mkpath(productFolder));
        QCOMPARE(utils::PathToQString(utils::GetAppTempPath()), productFolder + "/Temp");
    }

    void uniqueTempPathsLieInTheTempFolder()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        utils::SetTempFolder(folder.path().toStdWString());

        const boost::filesystem::path first = utils::MakeUniqueTempPath();
        const boost::filesystem::path second = utils::MakeUniqueTempPath();

        QCOMPARE(utils::PathToQString(first.parent_path()), folder.path());
        const QRegularExpression model("^[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}$");
        QVERIFY2(model.match(utils::PathToQString(first.filename())).hasMatch(), first.string().c_str());
        QVERIFY(first != second);
        QVERIFY(!QFileInfo::exists(utils::PathToQString(first)));
    }

    void fullDiskMessageIsBuiltOnce()
    {
        QTemporaryDir first;
        QTemporaryDir second;
        utils::SetTempFolder(first.path().toStdWString());
        const std::string message = utils::GetTempFolderFullMessage();
        utils::SetTempFolder(second.path().toStdWString());

        QCOMPARE(QString::fromStdString(message), "Not enough free space in temporary folder: " + first.path());
        QCOMPARE(utils::GetTempFolderFullMessage(), message);
    }
};

MAPS_TEST_CLASS(TempFolderTest);

#include "tst_TempFolder.moc"
