#include "support/TestRegistry.h"

#include "cmn/filter/DateFilter.h"
#include "cmn/filter/FilterContext.h"
#include "cmn/filter/FilterUtils.h"
#include "cmn/filter/ItemBaseInfo.h"
#include "pluginGui/CheckBoxWithItemsCount.h"
#include "pluginGui/IStackedFilter.h"
#include "pluginGui/StackedFilterWidget.h"
#include "viewers/gui/DateEditStyleWidget.h"
#include "viewers/gui/DateLineEdit.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <vector>

namespace {

using cmn::filter::FilterContext;

QDateTime Utc(int year, int month, int day, int hour = 12, int minute = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
}

QDate March(int day)
{
    return QDate(2019, 3, day);
}

// Categories 0 and 1 with date items of overlapping ranges, category 2 without filter items.
class Contexts final : public pluginGui::IStackedFilter {
public:
    Contexts() : contexts(3)
    {
        contexts[0].items.push_back(cmn::filter::utils::MakeDateItem(Utc(2019, 3, 5), Utc(2019, 3, 10), 10));
        contexts[1].items.push_back(cmn::filter::utils::MakeDateItem(Utc(2019, 3, 1), Utc(2019, 3, 7), 4));
    }

    FilterContext& GetFilterContext(int category) override { return contexts.at(category); }

    QDate Bound(int category, int valueIndex)
    {
        return cmn::filter::utils::GetItemValue<QDateTime>(contexts.at(category).items[0].values[valueIndex]).date();
    }

    std::vector<FilterContext> contexts;
};

struct Panel {
    Panel() { widget.OnCategoryChanged(0); }

    viewers::gui::DateEditStyleWidget* Editor(int index)
    {
        return widget.findChildren<viewers::gui::DateEditStyleWidget*>().at(index);
    }
    viewers::gui::DateLineEdit* Field(const QString& name)
    {
        return Editor(name == QLatin1String("from") ? 0 : 1)->findChild<viewers::gui::DateLineEdit*>();
    }

    Contexts source;
    pluginGui::StackedFilterWidget widget{nullptr, &source, 3};
};

} // namespace

class FilterPanelTest : public QObject {
    Q_OBJECT

private slots:
    void editedRangeFiltersEveryCategory_data()
    {
        QTest::addColumn<QDateTime>("recordDate");
        QTest::addColumn<int>("switchState");
        QTest::addColumn<bool>("passes");
        QTest::newRow("on the until day, late") << Utc(2019, 3, 7, 23, 59) << 2 << true;
        QTest::newRow("the day before from") << Utc(2019, 3, 4, 23, 59) << 2 << false;
        QTest::newRow("outside, switched off") << Utc(2019, 3, 4) << 0 << true;
    }

    void editedRangeFiltersEveryCategory()
    {
        QFETCH(QDateTime, recordDate);
        QFETCH(int, switchState);
        QFETCH(bool, passes);

        Panel panel;
        panel.widget.OnFilterSwitchStateChanged(2);
        panel.Field("from")->setText("05.03.2019");
        panel.Field("until")->setText("07.03.2019");
        panel.widget.OnFilterSwitchStateChanged(switchState);
        for (FilterContext& context : panel.source.contexts)
            QCOMPARE(cmn::filter::PassesDateFilter(recordDate, context), passes || context.items.empty());
    }

    void editorsFollowTheSwitchAndTheCheckBox_data()
    {
        QTest::addColumn<int>("switchState");
        QTest::addColumn<bool>("unchecked");
        QTest::addColumn<bool>("editorsEnabled");
        QTest::newRow("switched on") << 2 << false << true;
        QTest::newRow("switched off") << 0 << false << false;
        QTest::newRow("switched on, dates unchecked") << 2 << true << false;
    }

    void editorsFollowTheSwitchAndTheCheckBox()
    {
        QFETCH(int, switchState);
        QFETCH(bool, unchecked);
        QFETCH(bool, editorsEnabled);

        Panel panel;
        panel.widget.OnFilterSwitchStateChanged(2);
        if (unchecked)
            panel.widget.findChild<QCheckBox*>()->click();
        panel.widget.OnFilterSwitchStateChanged(switchState);

        QCOMPARE(panel.Editor(0)->isEnabled(), editorsEnabled);
        QCOMPARE(panel.Editor(1)->isEnabled(), editorsEnabled);
        for (int category : {0, 1})
            QCOMPARE(cmn::filter::utils::GetDateItemBaseInfo(panel.source.contexts[category])->checked, !unchecked);
    }

    void untilNeverBeforeFrom_data()
    {
        QTest::addColumn<QString>("firstField");
        QTest::addColumn<QString>("firstText");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("until");
        QTest::newRow("until before a narrowed from") << "from" << "05.03.2019" << "until" << "04.03.2019" << March(5) << March(10);
        QTest::newRow("from after a narrowed until") << "until" << "07.03.2019" << "from" << "08.03.2019" << March(1) << March(7);
    }

    void untilNeverBeforeFrom()
    {
        QFETCH(QString, firstField);
        QFETCH(QString, firstText);
        QFETCH(QString, field);
        QFETCH(QString, text);

        Panel panel;
        panel.widget.OnFilterSwitchStateChanged(2);
        panel.Field(firstField)->setText(firstText);
        QSignalSpy refreshes(&panel.widget, &pluginGui::StackedFilterWidget::FilterContextChanged);
        panel.Field(field)->setText(text);

        QVERIFY(refreshes.isEmpty());
        if (QDate::fromString(text, "dd.MM.yyyy").isValid())
            QVERIFY(panel.Field(field)->IsOutOfRange());
        for (int category : {0, 1}) {
            QTEST(panel.source.Bound(category, cmn::filter::DateFromIndex), "from");
            QTEST(panel.source.Bound(category, cmn::filter::DateUntilIndex), "until");
        }
    }

    void categoryChange_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<bool>("stateBarShown");
        QTest::addColumn<bool>("refreshed");
        QTest::newRow("with filter items") << 1 << true << true;
        QTest::newRow("without filter items") << 2 << false << false;
        QTest::newRow("the categories count") << 3 << true << false;
    }

    void categoryChange()
    {
        QFETCH(int, category);
        QFETCH(bool, refreshed);

        Panel panel;
        QWidget stateBar;
        panel.widget.SetStateWidget(&stateBar);
        panel.widget.OnCategoryChanged(0);
        QSignalSpy refreshes(&panel.widget, &pluginGui::StackedFilterWidget::FilterContextChanged);

        panel.widget.OnCategoryChanged(category);
        QTEST(!stateBar.isHidden(), "stateBarShown");
        QCOMPARE(refreshes.count(), refreshed ? 1 : 0);
        if (refreshed)
            QCOMPARE(refreshes.first().first().toInt(), category);
    }

    void checkBoxCounts_data()
    {
        QTest::addColumn<bool>("checked");
        QTest::addColumn<qulonglong>("total");
        QTest::addColumn<qulonglong>("shown");
        QTest::addColumn<bool>("difference");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("label");
        QTest::newRow("no records keeps the label") << false << 0ULL << 0ULL << false << false << "(10)";
        QTest::newRow("7 of 10") << false << 10ULL << 7ULL << false << true << "(7/10)";
        QTest::newRow("7 of 10, difference") << false << 10ULL << 7ULL << true << true << "(-3)";
        QTest::newRow("10 of 10, difference") << false << 10ULL << 10ULL << true << true << "";
        QTest::newRow("checked, none shown") << true << 10ULL << 0ULL << false << false << "(0/10)";
        QTest::newRow("more than 32 bits") << false << 5000000000ULL << 4999999999ULL << false << true
                                           << "(4999999999/5000000000)";
    }

    void checkBoxCounts()
    {
        QFETCH(bool, checked);
        QFETCH(qulonglong, total);
        QFETCH(qulonglong, shown);
        QFETCH(bool, difference);

        pluginGui::CheckBoxWithItemsCount box(nullptr, "Date Created", 0);
        box.SetCounts(10, 10, false);
        box.SetCheckState(checked ? Qt::Checked : Qt::Unchecked);
        box.SetCounts(total, shown, difference);
        QTEST(box.isEnabled(), "enabled");
        QTEST(box.findChild<QLabel*>()->text(), "label");
    }
};

MAPS_TEST_CLASS(FilterPanelTest);

#include "tst_FilterPanel.moc"
