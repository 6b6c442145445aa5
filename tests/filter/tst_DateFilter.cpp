#include "support/TestRegistry.h"

#include "cmn/filter/DateFilter.h"
#include "cmn/filter/FilterContext.h"
#include "cmn/filter/FilterUtils.h"
#include "cmn/filter/ItemBaseInfo.h"

#include <QDateTime>
#include <QTest>

namespace {

QDateTime Utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

// Enabled, with a checked date item from 5 March 2019 noon until 10 March 2019 08:00, all of
// its 10 records shown.
cmn::filter::FilterContext MarchContext()
{
    cmn::filter::FilterContext context;
    context.enabled = true;
    context.items.push_back(cmn::filter::utils::MakeDateItem(Utc(2019, 3, 5, 12), Utc(2019, 3, 10, 8), 10));
    cmn::filter::utils::ResetCounts(false, context);
    return context;
}

cmn::filter::ItemBaseInfo& DateInfo(cmn::filter::FilterContext& context)
{
    return *cmn::filter::utils::GetDateItemBaseInfo(context);
}

} // namespace

class DateFilterTest : public QObject {
    Q_OBJECT

private slots:
    void dateRangeComparesCalendarDays_data()
    {
        QTest::addColumn<QDateTime>("from");
        QTest::addColumn<QDateTime>("until");
        QTest::addColumn<QDateTime>("value");
        QTest::addColumn<bool>("inRange");
        const QDateTime from = Utc(2019, 3, 5, 12);
        const QDateTime until = Utc(2019, 3, 10, 8);
        QTest::newRow("from day, before the from time") << from << until << Utc(2019, 3, 5, 0, 0, 1) << true;
        QTest::newRow("until day, after the until time") << from << until << Utc(2019, 3, 10, 23, 59, 59) << true;
        QTest::newRow("last second of the day before") << from << until << Utc(2019, 3, 4, 23, 59, 59) << false;
        QTest::newRow("first second of the day after") << from << until << Utc(2019, 3, 11) << false;
        QTest::newRow("bounds in reverse order") << until << from << Utc(2019, 3, 7) << false;
        QTest::newRow("invalid value") << from << until << QDateTime() << false;
    }

    void dateRangeComparesCalendarDays()
    {
        QFETCH(QDateTime, from);
        QFETCH(QDateTime, until);
        QFETCH(QDateTime, value);
        QTEST(cmn::filter::IsDateInRange(from, until, value), "inRange");
    }

    // Each record the date item turns away lowers its shown count, which stops at zero.
    void checkedDateItemJudgesAndCountsRecords()
    {
        cmn::filter::FilterContext context = MarchContext();
        QVERIFY(cmn::filter::PassesDateFilter(Utc(2019, 3, 6), context));
        QCOMPARE(DateInfo(context).shownCount, 10u);
        DateInfo(context).shownCount = 2;
        for (const QDateTime& time : {Utc(2019, 3, 11, 12), QDateTime(), Utc(2020, 1, 1)})
            QVERIFY(!cmn::filter::PassesDateFilter(time, context));
        QCOMPARE(DateInfo(context).shownCount, 0u);
        // A null until date lies before every valid date.
        context.items.front().values[cmn::filter::DateUntilIndex].value = std::string("<CORRUPTED DATA>");
        QVERIFY(!cmn::filter::PassesDateFilter(Utc(2019, 3, 6), context));
    }

    void everythingPassesWithoutAnActiveDateItem_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<int>("valueCount");
        QTest::newRow("context disabled") << false << true << 2;
        QTest::newRow("date item unchecked") << true << false << 2;
        QTest::newRow("date item with one bound") << true << true << 1;
        QTest::newRow("no date item") << true << true << 0;
    }

    void everythingPassesWithoutAnActiveDateItem()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, checked);
        QFETCH(int, valueCount);
        cmn::filter::FilterContext context = MarchContext();
        context.enabled = enabled;
        DateInfo(context).checked = checked;
        if (valueCount == 0)
            context.items.front().type = 0;
        else
            context.items.front().values.resize(valueCount);

        for (const QDateTime& time : {Utc(2019, 1, 1), Utc(2019, 3, 6), QDateTime()})
            QVERIFY(cmn::filter::PassesDateFilter(time, context));
        context.items.front().type = cmn::filter::DateItemType;
        QCOMPARE(DateInfo(context).shownCount, 10u);
    }
};

MAPS_TEST_CLASS(DateFilterTest);

#include "tst_DateFilter.moc"
