#pragma once

#include <QDate>
#include <QWidget>

#include <functional>
#include <map>

class QStackedWidget;

namespace cmn::filter {
struct FilterContext;
struct ItemTemplate;
}

namespace pluginGui {

class DateFilterWidget;
class IStackedFilter;

// The filter panel of a category page: edits the filter description of every category through
// one date block that all categories share, so that switching category keeps the range.
// Starts switched off.
class StackedFilterWidget final : public QWidget {
    Q_OBJECT

public:
    // source: not owned; outlives the widget.
    StackedFilterWidget(QWidget* parent, IStackedFilter* source, int categoriesCount);

    // The filter state bar, shown only for categories that have filter items; may be null.
    void SetStateWidget(QWidget* stateWidget);

signals:
    // The category's filter description changed: its page filters again and recounts.
    void FilterContextChanged(int category);
    void ShowCountData(bool isShow);

public slots:
    // Qt check states: 2 switches the filter on, anything else off.
    void OnFilterSwitchStateChanged(int state);
    void OnCategoryChanged(int category);

private slots:
    void OnDateCheckClicked(bool checked);
    void OnFromDateChanged(const QDate& date);
    void OnUntilDateChanged(const QDate& date);

private:
    cmn::filter::FilterContext* Context(int category) const;
    bool HasItems(int category) const;
    void CreateDateBlock(const cmn::filter::ItemTemplate& dateItem);
    void ShareDateRange(const QDate& from, const QDate& until);
    void ForEachDateItem(const std::function<void(cmn::filter::ItemTemplate&)>& change);
    void SetDateValue(int valueIndex, const QDate& date);
    void Refresh(int category);

    IStackedFilter* m_source;
    QStackedWidget* m_stack;
    int m_categoriesCount;
    QWidget* m_header;
    DateFilterWidget* m_dateBlock = nullptr;
    int m_currentCategory = -1;
    QWidget* m_stateWidget = nullptr;
    std::map<int, QWidget*> m_pages;
};

} // namespace pluginGui
