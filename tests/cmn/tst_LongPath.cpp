#include "support/TestRegistry.h"

#include "cmn/LongPath.h"

#include <QTest>

namespace utils = ulq::cmn::utils;

class LongPathTest : public QObject {
    Q_OBJECT

private slots:
    void longPathForm_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("network");
        QTest::addColumn<QString>("expected");
        QTest::newRow("local absolute") << R"(C:\Users\x\db.sqlite)" << false << R"(\\?\C:\Users\x\db.sqlite)";
        QTest::newRow("network share") << R"(\\server\share\x)" << true << R"(\\?\UNC\server\share\x)";
        QTest::newRow("mapped network drive keeps its drive form") << R"(Z:\x)" << true << R"(\\?\Z:\x)";
        QTest::newRow("already local form") << R"(\\?\C:\x)" << false << R"(\\?\C:\x)";
        QTest::newRow("already network form") << R"(\\?\UNC\server\share)" << true << R"(\\?\UNC\server\share)";
        QTest::newRow("device path") << R"(\\.\PhysicalDrive0)" << false << R"(\\.\PhysicalDrive0)";
        QTest::newRow("relative") << R"(folder\file)" << false << R"(folder\file)";
        QTest::newRow("drive relative") << "C:file" << false << "C:file";
        QTest::newRow("empty") << "" << false << "";
    }

    void longPathForm()
    {
        QFETCH(QString, path);
        QFETCH(bool, network);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdWString(utils::MakeLongPathForm(path.toStdWString(), network)), expected);
    }
};

MAPS_TEST_CLASS(LongPathTest);

#include "tst_LongPath.moc"
