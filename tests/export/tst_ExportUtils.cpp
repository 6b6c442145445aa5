#include "support/TestRegistry.h"

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
    void isInDateRange_data()
    {
        QTest::addColumn<QDateTime>("lower");
        QTest::addColumn<QDateTime>("upper");
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<bool>("inRange");
        const QDateTime none;
        QTest::newRow("no bounds") << none << none << At(10) << true;
        QTest::newRow("at the lower bound") << At(10) << At(12) << At(10) << true;
        QTest::newRow("at the upper bound") << At(10) << At(12) << At(12) << false;
        QTest::newRow("before the lower bound") << At(10) << At(12) << At(9) << false;
        QTest::newRow("equal bounds, at them") << At(10) << At(10) << At(10) << true;
        QTest::newRow("lower only, at it") << At(10) << none << At(10) << true;
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
};

MAPS_TEST_CLASS(ExportUtilsTest);

#include "tst_ExportUtils.moc"
