#include "TextRecordFilter.h"

#include "support/TestRegistry.h"

#include "pluginGui/FilterManagerBase.h"

#include <QTest>

#include <array>
#include <memory>

namespace {

using CategoryRecords = std::array<TextRecords, 4>;

// Categories 1 to 3, with filters for 1 and 3 only; category 0 lies outside the range.
class TestFilterManager final : public pluginGui::FilterManagerBase<CategoryRecords> {
public:
    TestFilterManager()
        : FilterManagerBase(1, 3)
    {
        for (int category : {1, 3}) {
            auto filter = std::make_unique<TextRecordFilter>(nullptr);
            m_filters[category] = filter.get();
            AddFilter(category, std::move(filter));
        }
        AddFilter(0, std::make_unique<TextRecordFilter>(nullptr));
    }

    void SetFiltersData(const CategoryRecords* records) override
    {
        for (int category : {1, 3})
            m_filters[category]->SetData(records ? &(*records)[category] : nullptr);
    }

    TextRecordFilter* TypedFilter(int category) const { return m_filters[category]; }

private:
    std::array<TextRecordFilter*, 4> m_filters{};
};

} // namespace

class FilterManagerBaseTest : public QObject {
    Q_OBJECT

private slots:
    void filterOfCategory_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<bool>("hasFilter");
        QTest::newRow("none (-1)") << -1 << false;
        QTest::newRow("below the range") << 0 << false;
        QTest::newRow("first of the range") << 1 << true;
        QTest::newRow("in the range without a filter") << 2 << false;
        QTest::newRow("last of the range") << 3 << true;
        QTest::newRow("above the range") << 4 << false;
    }

    void filterOfCategory()
    {
        QFETCH(int, category);
        QFETCH(bool, hasFilter);
        TestFilterManager manager;
        viewers::gui::IFilter* filter = manager.GetFilter(category);
        QCOMPARE(filter != nullptr, hasFilter);
        if (hasFilter)
            QCOMPARE(filter, static_cast<viewers::gui::IFilter*>(manager.TypedFilter(category)));
    }

    void queriesGoToTheCurrentFilter_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<uint>("matches");
        QTest::newRow("category 1") << 1 << 1 << 1 << 2u;
        QTest::newRow("category 3") << 3 << 3 << 0 << 1u;
        QTest::newRow("in the range without a filter") << 2 << 2 << -1 << 0u;
        QTest::newRow("below the range") << 0 << -1 << -1 << 0u;
    }

    // The search text is set while category 3 is current: every other filter must get it too.
    void queriesGoToTheCurrentFilter()
    {
        QFETCH(int, category);
        QFETCH(uint, matches);
        const CategoryRecords records{MakeTextRecords({"apple"}), MakeTextRecords({"plum", "pear", "pea"}),
                                      MakeTextRecords({"pear"}), MakeTextRecords({"peach", "fig"})};
        TestFilterManager manager;
        manager.SetFiltersData(&records);
        manager.SetCurrentCategory(3);
        manager.SetSearchTag("pe");

        manager.SetCurrentCategory(category);

        QTEST(manager.GetCurrentCategory(), "current");
        QTEST(manager.GetFirstAcceptedRow(), "firstRow");
        QCOMPARE(manager.CountAllMatches(), matches);
        QCOMPARE(manager.GetMatchesCount(), matches);
    }
};

MAPS_TEST_CLASS(FilterManagerBaseTest);

#include "tst_FilterManagerBase.moc"
