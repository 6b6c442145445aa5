#include "TextRecordFilter.h"

#include "support/TestRegistry.h"

#include "cmn/filter/FilterContext.h"
#include "cmn/filter/FilterUtils.h"

#include <QTest>
#include <QTimeZone>

namespace {

QDateTime Utc(int day, int hour)
{
    return QDateTime(QDate(2019, 3, day), QTime(hour, 30), Qt::UTC);
}

// Only 5 March passes, whatever the zone.
cmn::filter::FilterContext FifthOfMarchOnly(std::uint64_t recordCount)
{
    const QDateTime fifth(QDate(2019, 3, 5), QTime(0, 0), Qt::UTC);
    cmn::filter::FilterContext context;
    context.enabled = true;
    context.items.push_back(cmn::filter::utils::MakeDateItem(fifth, fifth, recordCount));
    cmn::filter::utils::ResetCounts(false, context);
    return context;
}

} // namespace

class FilterBaseTemplateTest : public QObject {
    Q_OBJECT

private slots:
    void withoutDataEveryRowPassesWithDataOnlyItsRows()
    {
        TextRecordFilter filter;
        filter.SetSearchText("absent");
        for (int row : {-1, 0, 1000})
            QVERIFY(filter.AcceptsRow(row));
        QCOMPARE(filter.GetFirstAcceptedRow(), -1);
        QCOMPARE(filter.CountAllMatches(), 0u);

        const TextRecords records = MakeTextRecords({"a", "b"});
        filter.SetData(&records);
        filter.SetSearchText(QString());
        QVERIFY(filter.AcceptsRow(1));
        QVERIFY(!filter.AcceptsRow(2));
        QVERIFY(!filter.AcceptsRow(-1));
    }

    void firstAcceptedRow_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("searchText");
        QTest::addColumn<int>("firstRow");
        QTest::newRow("no records") << QStringList() << QString() << -1;
        QTest::newRow("no search text") << QStringList{"x", "y"} << QString() << 0;
        QTest::newRow("third record matches") << QStringList{"Pear", "Plum", "Banana", "Mango"} << "AN" << 2;
        QTest::newRow("nothing matches") << QStringList{"Pear", "Plum"} << "an" << -1;
    }

    void firstAcceptedRow()
    {
        QFETCH(QStringList, texts);
        QFETCH(QString, searchText);
        const TextRecords records = MakeTextRecords(texts);
        TextRecordFilter filter;
        filter.SetData(&records);
        filter.SetSearchText(searchText);
        QTEST(filter.GetFirstAcceptedRow(), "firstRow");
    }

    void matchesOfAcceptedRowsAreSummed_data()
    {
        QTest::addColumn<QString>("searchText");
        QTest::addColumn<bool>("dateFilterOn");
        QTest::addColumn<uint>("matches");
        QTest::newRow("empty search text") << QString() << false << 0u;
        QTest::newRow("every record") << "a" << false << 7u;
        QTest::newRow("records of 5 March only") << "a" << true << 4u;
        QTest::newRow("no occurrence") << "z" << false << 0u;
    }

    void matchesOfAcceptedRowsAreSummed()
    {
        QFETCH(QString, searchText);
        QFETCH(bool, dateFilterOn);
        QFETCH(uint, matches);
        const TextRecords records{{"Banana", Utc(5, 10)}, {"Apple", Utc(5, 11)}, {"Cherry", Utc(5, 12)},
                                  {"Papaya", Utc(6, 10)}};
        cmn::filter::FilterContext context = FifthOfMarchOnly(records.size());
        context.enabled = dateFilterOn;
        TextRecordFilter filter(&context);
        filter.SetData(&records);
        filter.SetTimeZone(QTimeZone::utc());
        filter.SetSearchText(searchText);

        QCOMPARE(filter.CountAllMatches(), matches);
        QCOMPARE(filter.GetMatchesCount(), matches);
    }

    void datesAreComparedInTheFilterZone_data()
    {
        QTest::addColumn<int>("utcOffset");
        QTest::addColumn<QDateTime>("recordTime");
        QTest::addColumn<bool>("accepted");
        const int moscow = 3 * 3600;
        const int newYork = -5 * 3600;
        QTest::newRow("UTC day before, 5 March in UTC+3") << moscow << Utc(4, 22) << true;
        QTest::newRow("UTC 5 March, next day in UTC+3") << moscow << Utc(5, 22) << false;
        QTest::newRow("UTC day after, 5 March in UTC-5") << newYork << Utc(6, 2) << true;
        QTest::newRow("UTC 5 March, day before in UTC-5") << newYork << Utc(5, 2) << false;
        QTest::newRow("UTC zone") << 0 << Utc(5, 22) << true;
    }

    void datesAreComparedInTheFilterZone()
    {
        QFETCH(int, utcOffset);
        QFETCH(QDateTime, recordTime);
        const TextRecords records{{"place", recordTime}};
        cmn::filter::FilterContext context = FifthOfMarchOnly(1);
        TextRecordFilter filter(&context);
        filter.SetData(&records);
        filter.SetTimeZone(QTimeZone(utcOffset));
        QTEST(filter.AcceptsRow(0), "accepted");
    }
};

MAPS_TEST_CLASS(FilterBaseTemplateTest);

#include "tst_FilterBaseTemplate.moc"
