#include "support/TestRegistry.h"

#include "cmn/filter/FilterContext.h"
#include "cmn/filter/FilterUtils.h"
#include "cmn/filter/ItemBaseInfo.h"

#include <QDateTime>
#include <QTest>

Q_DECLARE_METATYPE(boost::any)

namespace {

using cmn::filter::ItemBaseInfo;

const QDateTime kMarchFifth(QDate(2019, 3, 5), QTime(12, 0), Qt::UTC);

cmn::filter::ItemValue ValueHolding(const boost::any& value)
{
    cmn::filter::ItemValue item;
    item.value = value;
    return item;
}

// A non-date item counting 5 records, one countable value of 4 records and a value without counts,
// after a date item counting 10 records.
cmn::filter::FilterContext MixedContext()
{
    cmn::filter::FilterContext context;
    context.items.push_back(cmn::filter::utils::MakeDateItem(kMarchFifth, kMarchFifth, 10));
    cmn::filter::ItemTemplate other;
    other.extra = ItemBaseInfo{true, 5, 1};
    other.values.push_back(ValueHolding(ItemBaseInfo{true, 4, 2}));
    other.values.push_back(ValueHolding(kMarchFifth));
    context.items.push_back(other);
    return context;
}

ItemBaseInfo ExtraOf(const cmn::filter::ItemTemplate& item)
{
    return boost::any_cast<ItemBaseInfo>(item.extra);
}

} // namespace

class FilterUtilsTest : public QObject {
    Q_OBJECT

private slots:
    void resetCounts_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::addColumn<quint64>("otherItemShown");
        QTest::addColumn<quint64>("otherValueShown");
        QTest::newRow("keep") << true << quint64(5) << quint64(4);
        QTest::newRow("clear") << false << quint64(0) << quint64(0);
    }

    void resetCounts()
    {
        QFETCH(bool, keep);
        cmn::filter::FilterContext context = MixedContext();

        cmn::filter::utils::ResetCounts(keep, context);

        QCOMPARE(quint64(ExtraOf(context.items[0]).shownCount), quint64(10));
        QTEST(quint64(ExtraOf(context.items[1]).shownCount), "otherItemShown");
        const auto& values = context.items[1].values;
        QTEST(quint64(boost::any_cast<ItemBaseInfo>(values[0].value).shownCount), "otherValueShown");
        QCOMPARE(cmn::filter::utils::GetItemValue<QDateTime>(values[1]), kMarchFifth);
        QCOMPARE(cmn::filter::utils::GetItemValue<QDateTime>(context.items[0].values[1]), kMarchFifth);
    }

    void readingItemValues_data()
    {
        QTest::addColumn<boost::any>("stored");
        QTest::addColumn<QString>("asText");
        QTest::addColumn<QDateTime>("asDate");
        const QString noText = "default";
        const QDateTime noDate;
        QTest::newRow("date") << boost::any(kMarchFifth) << noText << kMarchFifth;
        QTest::newRow("text") << boost::any(std::string("Moscow")) << QString("Moscow") << noDate;
        QTest::newRow("corrupted data marker") << boost::any(std::string("<CORRUPTED DATA>")) << noText << noDate;
        QTest::newRow("empty") << boost::any() << noText << noDate;
    }

    void readingItemValues()
    {
        QFETCH(boost::any, stored);
        const cmn::filter::ItemValue item = ValueHolding(stored);

        QTEST(QString::fromStdString(cmn::filter::utils::GetItemValue<std::string>(item, "default")), "asText");
        QTEST(cmn::filter::utils::GetItemValue<QDateTime>(item), "asDate");
    }

    void missingDateItemIsNotFound_data()
    {
        QTest::addColumn<bool>("hasDateItem");
        QTest::addColumn<bool>("hasBaseInfo");
        QTest::addColumn<bool>("askBaseInfo");
        QTest::addColumn<bool>("found");
        QTest::newRow("no date item, base info") << false << false << true << false;
        QTest::newRow("no date item, item") << false << false << false << false;
        QTest::newRow("date item without base info") << true << false << true << false;
        QTest::newRow("date item, base info") << true << true << true << true;
    }

    void missingDateItemIsNotFound()
    {
        QFETCH(bool, hasDateItem);
        QFETCH(bool, hasBaseInfo);
        QFETCH(bool, askBaseInfo);
        cmn::filter::FilterContext context = MixedContext();
        context.items[0].type = hasDateItem ? cmn::filter::DateItemType : 0;
        if (!hasBaseInfo)
            context.items[0].extra = boost::any();

        const void* item = askBaseInfo ? static_cast<void*>(cmn::filter::utils::GetDateItemBaseInfo(context))
                                        : static_cast<void*>(cmn::filter::utils::GetDateItemTemplate(context));
        QTEST(item != nullptr, "found");
    }

    void dateItemLookupTakesTheFirstDateItem()
    {
        cmn::filter::FilterContext context = MixedContext();
        context.items.push_back(cmn::filter::utils::MakeDateItem(kMarchFifth, kMarchFifth, 99));
        std::swap(context.items[0], context.items[1]);

        QCOMPARE(cmn::filter::utils::GetDateItemTemplate(context), &context.items[1]);
        QCOMPARE(quint64(cmn::filter::utils::GetDateItemBaseInfo(context)->totalCount), quint64(10));
    }
};

MAPS_TEST_CLASS(FilterUtilsTest);

#include "tst_FilterUtils.moc"
