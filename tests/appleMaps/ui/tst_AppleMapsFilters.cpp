#include "UiFixtures.h"

#include "support/TestRegistry.h"

#include "appleMaps/ui/AppleMapsFilterManager.h"
#include "appleMaps/ui/AppleMapsModelBase.h"
#include "appleMaps/ui/AppleMapsSortFilterProxyModelBase.h"
#include "cmn/filter/FilterUtils.h"
#include "cmn/filter/ItemBaseInfo.h"
#include "pluginGui/IFilterManaged.h"

#include <QTest>

namespace {

using namespace appleMaps;

// Fields in declaration order.
AppleMapsRecords SearchRecords()
{
    const QDateTime none;
    AppleMapsRecords records;
    records.bookmarks = {
        {none, "Banana", {}, "", "", "", "", {}, {}, {}, "Place"},
        {none, "Museum", {30.5, 50.25, 0.0}, "", "", "", "", {}, {1.0, 2.0, 0.0}, {{7.77, 7.77, 0.0}}, "Route"},
        {none, "Cafe", {30.0, 50.0, 0.0}, "", "", "", "", {test::MakeAddress("Lviv", "79000")}, {3.0, 4.0, 0.0}, {},
         "Place"},
    };
    records.querySearches = {{none, "pizza", "", {{12.5, 41.9, 0.0}, {12.6, 42.0, 0.0}}},
                             {none, "sushi", "Tokyo", {}}};
    records.placeDisplays = {{none, {2.3376, 48.8606, 0.0}, "", "", "", "5 \u00b5m", {}},
                             {none, {}, "", "", "", "\u041a\u0438\u0457\u0432", {test::MakeAddress("London")}}};
    records.directionSearches = {{none, "", {}, {9.99, 45.5, 0.0}, "", "", "", "", {}},
                                 {none, "Drive", {}, {}, "", "", "", "", {}}};
    return records;
}

// Each accepted row with the matches in it, as the filter counts them for that row alone.
QString AcceptedRows(viewers::gui::IFilter& filter, int rowCount)
{
    auto& managed = dynamic_cast<pluginGui::IFilterManaged&>(filter);
    QString rows;
    for (int row = 0; row < rowCount; ++row) {
        if (filter.AcceptsRow(row))
            rows += QStringLiteral("%1:%2|").arg(row).arg(managed.CountRowMatches(row));
    }
    return rows;
}

} // namespace

class AppleMapsFiltersTest : public QObject {
    Q_OBJECT

private slots:
    void searchTextFindsRowsAndCountsMatches_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("searchText");
        QTest::addColumn<QString>("accepted");
        QTest::addColumn<uint>("matches");
        QTest::newRow("empty text accepts all, counts none") << 1 << "" << "0:0|1:0|2:0|" << 0u;
        QTest::newRow("a: Banana 3 + Place 1, Cafe 1 + Place 1") << 1 << "a" << "0:4|2:2|" << 6u;
        QTest::newRow("overlapping occurrences: bANAna holds two") << 1 << "ANA" << "0:2|" << 2u;
        QTest::newRow("texts one by one: none across MuseUM and ROute") << 1 << "umro" << "" << 0u;
        QTest::newRow("-181 finds favourites without location") << 1 << "-181" << "0:2|" << 2u;
        QTest::newRow("address, case-insensitively") << 1 << "LVIV 79" << "2:1|" << 1u;
        QTest::newRow("dropped pin") << 1 << "2.0000000 1.0000000" << "1:1|" << 1u;
        QTest::newRow("route is not searched") << 1 << "7.7700000" << "" << 0u;
        QTest::newRow("searches: region's second corner") << 0 << "42.0000000 12.6" << "0:1|" << 1u;
        QTest::newRow("searches: address text") << 0 << "tokyo" << "1:1|" << 1u;
        QTest::newRow("explored places: coordinates") << 2 << "48.86" << "0:1|" << 1u;
        QTest::newRow("explored places: address") << 2 << "london" << "1:1|" << 1u;
        QTest::newRow("Cyrillic, case-insensitively") << 2 << "\u041a\u0418\u0407\u0412" << "1:1|" << 1u;
        QTest::newRow("micro sign folds as Greek mu") << 2 << "\u039c" << "0:1|" << 1u;
        QTest::newRow("ASCII start of a wider text counts once") << 2 << "5 " << "0:1|" << 1u;
        QTest::newRow("directions searches: transport") << 3 << "drive" << "1:1|" << 1u;
        QTest::newRow("directions searches: end point") << 3 << "45.5000000 9.99" << "0:1|" << 1u;
    }

    void searchTextFindsRowsAndCountsMatches()
    {
        QFETCH(int, category);
        QFETCH(QString, searchText);
        const AppleMapsRecords records = SearchRecords();
        test::FakePresenter presenter;
        ui::AppleMapsFilterManager manager(presenter);
        manager.SetFiltersData(&records);
        manager.SetSearchTag(searchText);
        manager.SetCurrentCategory(category);

        QTEST(AcceptedRows(*manager.GetFilter(category), 3), "accepted");
        QTEST(manager.CountAllMatches(), "matches");
    }

    // Range 10 to 12 March; the records' dates are UTC.
    void dateFilterComparesDaysInFilterZone_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("zoneOffset");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("shownCount");
        QTest::newRow("UTC+10: 9 Mar 15:00Z is 10 Mar, 12 Mar 14:00Z is 13 Mar")
            << true << 10 * 3600 << "9th 15:00|12th 13:59|" << 2;
        QTest::newRow("switched off: every row, count untouched")
            << false << 0 << "9th 15:00|12th 13:59|12th 14:00|no date|" << 4;
    }

    void dateFilterComparesDaysInFilterZone()
    {
        QFETCH(bool, enabled);
        QFETCH(int, zoneOffset);
        QFETCH(int, shownCount);
        AppleMapsRecords records;
        const auto utc = [](int day, int hour, int minute) {
            return QDateTime(QDate(2020, 3, day), QTime(hour, minute), Qt::UTC);
        };
        const std::pair<QString, QDateTime> titledTimes[] = {
            {"9th 15:00", utc(9, 15, 0)}, {"12th 13:59", utc(12, 13, 59)}, {"12th 14:00", utc(12, 14, 0)}, {"no date", {}}};
        for (const auto& [title, time] : titledTimes)
            records.bookmarks.push_back({time, title, {}, "", "", "", "", {}, {}, {}, ""});
        test::FakePresenter presenter;
        cmn::filter::FilterContext& context = presenter.contexts[1];
        context.items = {cmn::filter::utils::MakeDateItem(utc(10, 0, 0), utc(12, 0, 0), 4)};
        context.enabled = enabled;
        cmn::filter::utils::ResetCounts(true, context);
        ui::AppleMapsFilterManager manager(presenter);
        manager.SetFiltersData(&records);
        const auto model = test::MakeModel(1, records);
        const auto proxy = test::MakeProxy(1, manager.GetFilter(1));
        proxy->SetTimeZone(QTimeZone(zoneOffset));
        proxy->setSourceModel(model.get());

        QTEST(test::ColumnTexts(*proxy, 1), "shown");
        // Counting the matches of single rows leaves the date item's counts alone.
        manager.SetSearchTag("th");
        auto& filter = dynamic_cast<pluginGui::IFilterManaged&>(*manager.GetFilter(1));
        QCOMPARE(filter.CountRowMatches(0) + filter.CountRowMatches(2), enabled ? 1u : 2u);
        QCOMPARE(cmn::filter::utils::GetDateItemBaseInfo(context)->shownCount, std::uint64_t(shownCount));
    }

    void nullRecordsAreIgnored()
    {
        const AppleMapsRecords records = SearchRecords();
        test::FakePresenter presenter;
        ui::AppleMapsFilterManager manager(presenter);
        QCOMPARE(manager.GetCurrentCategory(), 0); // a new manager starts on the searches
        manager.SetFiltersData(&records);
        manager.SetSearchTag("pizza");

        manager.SetFiltersData(nullptr);

        QCOMPARE(AcceptedRows(*manager.GetFilter(0), 2), QStringLiteral("0:1|"));
    }
};

MAPS_TEST_CLASS(AppleMapsFiltersTest);
#include "tst_AppleMapsFilters.moc"
