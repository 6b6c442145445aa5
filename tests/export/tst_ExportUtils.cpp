#include "support/RecordingSink.h"
#include "support/RecordingTableSink.h"
#include "support/TestRegistry.h"

#include "CryptLog/log/Severity.h"

#include "cmn/CommonExceptions.h"
#include "cmn/SystemErrorException.h"
#include "exportReport/ExportUtils.h"

#include <QTest>

namespace {

class EvenRows final : public viewers::gui::IFilter {
public:
    bool AcceptsRow(int row) override { return row % 2 == 0; }
    int GetFirstAcceptedRow() override { return 0; }
};

QDateTime At(int hour)
{
    return QDateTime(QDate(2020, 5, 1), QTime(hour, 0), Qt::UTC);
}

} // namespace

class ExportUtilsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::RecordingSink::ForProcessLogger(); }

    void isInDateRange_data()
    {
        QTest::addColumn<QDateTime>("lower");
        QTest::addColumn<QDateTime>("upper");
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<bool>("inRange");
        const QDateTime none;
        QTest::newRow("no bounds") << none << none << At(10) << true;
        QTest::newRow("no bounds, no time") << none << none << none << true;
        QTest::newRow("at the lower bound") << At(10) << At(12) << At(10) << true;
        QTest::newRow("inside") << At(10) << At(12) << At(11) << true;
        QTest::newRow("at the upper bound") << At(10) << At(12) << At(12) << false;
        QTest::newRow("before the lower bound") << At(10) << At(12) << At(9) << false;
        QTest::newRow("equal bounds, at them") << At(10) << At(10) << At(10) << true;
        QTest::newRow("equal bounds, after them") << At(10) << At(10) << At(11) << false;
        QTest::newRow("lower only, at it") << At(10) << none << At(10) << true;
        QTest::newRow("lower only, before it") << At(10) << none << At(9) << false;
        QTest::newRow("upper only, before it") << none << At(10) << At(9) << true;
        QTest::newRow("upper only, at it") << none << At(10) << At(10) << false;
        QTest::newRow("same instant in another zone")
            << At(10) << At(12) << QDateTime(QDate(2020, 5, 1), QTime(13, 0), Qt::OffsetFromUTC, 3 * 3600) << true;
        QTest::newRow("bounds set, no time") << At(10) << At(12) << none << false;
    }

    void isInDateRange()
    {
        QFETCH(QDateTime, lower);
        QFETCH(QDateTime, upper);
        QFETCH(QDateTime, time);
        QFETCH(bool, inRange);
        QCOMPARE(exportReport::utils::IsInDateRange(lower, upper, time), inRange);
    }

    void filterContainer()
    {
        EvenRows filter;
        std::vector<int> out;
        exportReport::utils::FilterContainer(&filter, std::vector<int>{10, 11, 12, 13, 14}, out);
        QCOMPARE(out, std::vector<int>({10, 12, 14}));
    }

    void nullFilterCopiesNothing()
    {
        test::ProcessRecordingSink()->Clear();
        std::vector<int> out;
        exportReport::utils::FilterContainer(nullptr, std::vector<int>{1, 2}, out);
        QVERIFY(out.empty());
        const auto lines = test::ProcessRecordingSink()->Lines();
        QVERIFY(!lines.empty());
        QCOMPARE(lines.back().message, std::string("Invalid filter specified."));
        QCOMPARE(lines.back().function, std::string("exportReport::utils::FilterContainer"));
        QCOMPARE(lines.back().severity, int(CryptLog::Error));
    }

    void stepProgress()
    {
        std::uint64_t counter = 5;
        exportReport::utils::StepProgress(nullptr, counter);
        QCOMPARE(counter, std::uint64_t(5));
        test::RecordingProgress progress;
        exportReport::utils::StepProgress(&progress, counter);
        exportReport::utils::StepProgress(&progress, counter);
        QCOMPARE(progress.steps, std::vector<std::uint64_t>({5, 6}));
        QCOMPARE(counter, std::uint64_t(7));
    }

    void dateCell()
    {
        test::RecordingTable table("t");
        exportReport::utils::SetDateCell("Date", QDateTime(), table);
        exportReport::utils::SetDateCell("Date", QDateTime(QDate(2019, 3, 5), QTime(14, 7), Qt::OffsetFromUTC, 19800),
                                         table);
        QCOMPARE(table.calls, QStringList("cell Date=05.03.2019 14:07:00 (UTC +5:30)"));
    }

    void exportErrorReportsTheCategory()
    {
        test::ProcessRecordingSink()->Clear();
        test::RecordingProgress progress;
        exportReport::utils::LogExportError("Apple Maps", "broken", &progress);
        exportReport::utils::LogExportError("Apple Maps", "broken", nullptr);
        QCOMPARE(progress.failedCategories, QStringList("Apple Maps"));
        const auto lines = test::ProcessRecordingSink()->Lines();
        QCOMPARE(lines.size(), std::size_t(2));
        QCOMPARE(lines[0].message, std::string("Apple Maps data was not exported: broken"));
        QCOMPARE(lines[0].severity, int(CryptLog::Error));
    }

    void systemErrorGroups_data()
    {
        QTest::addColumn<uint>("code");
        QTest::addColumn<uint>("systemError");
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("disk full picks code 57") << 1u << 112u << true;
        QTest::newRow("unable to write file") << 53u << 0u << true;
        QTest::newRow("file exists") << 1u << 80u << false;
        QTest::newRow("unable to open file") << 50u << 2u << false;
    }

    void systemErrorGroups()
    {
        QFETCH(uint, code);
        QFETCH(uint, systemError);
        QFETCH(bool, fullDisk);
        const cmn::SystemErrorException exception(CMN_SOURCE_LOCATION, code, "copy", systemError);
        bool thrown = false;
        try {
            exportReport::utils::ProcessExportSystemError(exception);
        } catch (const ulq::cmn::CommonException& common) {
            thrown = true;
            QVERIFY(QString::fromStdString(common.GetUserText()).startsWith("Not enough free space in temporary folder: "));
        }
        QCOMPARE(thrown, fullDisk);
    }
};

MAPS_TEST_CLASS(ExportUtilsTest);

#include "tst_ExportUtils.moc"
