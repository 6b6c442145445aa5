#include "StackedFilterWidget.h"

#include "DateFilterWidget.h"
#include "IStackedFilter.h"

#include "CryptLog/log/Log.h"
#include "cmn/filter/FilterContext.h"
#include "cmn/filter/FilterUtils.h"
#include "cmn/filter/ItemBaseInfo.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace pluginGui {

namespace {

using cmn::filter::ItemTemplate;

bool HasBounds(const ItemTemplate& dateItem)
{
    if (dateItem.values.size() >= 2)
        return true;
    LOG_DEBUG << "The date item has no bounds";
    return false;
}

QDate BoundDate(const ItemTemplate& dateItem, int valueIndex)
{
    return cmn::filter::utils::GetItemValue<QDateTime>(dateItem.values[valueIndex]).date();
}

QDateTime StartOfDay(const QDate& date)
{
    return QDateTime(date, QTime(0, 0), Qt::LocalTime);
}

} // namespace

StackedFilterWidget::StackedFilterWidget(QWidget* parent, IStackedFilter* source, int categoriesCount)
    : QWidget(parent)
    , m_source(source)
    , m_stack(new QStackedWidget(this))
    , m_categoriesCount(categoriesCount)
    , m_header(new QWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_header);
    layout->addWidget(m_stack);
    auto* headerLayout = new QVBoxLayout(m_header);
    headerLayout->setContentsMargins(0, 0, 0, 0);

    // The block shows the widest range of all categories, so that none starts with records
    // hidden by another category's bounds.
    QDate from;
    QDate until;
    for (int category = 0; category < categoriesCount; ++category) {
        if (!HasItems(category))
            continue;
        m_pages[category] = new QWidget(m_stack);
        m_stack->addWidget(m_pages[category]);
        const ItemTemplate* dateItem = cmn::filter::utils::GetDateItemTemplate(*Context(category));
        if (dateItem == nullptr || !HasBounds(*dateItem))
            continue;
        if (m_dateBlock == nullptr)
            CreateDateBlock(*dateItem);
        const QDate itemFrom = BoundDate(*dateItem, cmn::filter::DateFromIndex);
        const QDate itemUntil = BoundDate(*dateItem, cmn::filter::DateUntilIndex);
        if (itemFrom.isValid() && itemUntil.isValid()) {
            from = from.isValid() ? std::min(from, itemFrom) : itemFrom;
            until = until.isValid() ? std::max(until, itemUntil) : itemUntil;
        }
    }
    if (m_dateBlock != nullptr)
        ShareDateRange(from, until);

    OnFilterSwitchStateChanged(Qt::Unchecked);
}

void StackedFilterWidget::SetStateWidget(QWidget* stateWidget)
{
    m_stateWidget = stateWidget;
}

void StackedFilterWidget::OnFilterSwitchStateChanged(int state)
{
    try {
        const bool enabled = state == Qt::Checked;
        m_stack->setEnabled(enabled);
        if (m_dateBlock != nullptr)
            m_dateBlock->setEnabled(enabled);
        for (int category = 0; category < m_categoriesCount; ++category) {
            if (cmn::filter::FilterContext* context = Context(category))
                context->enabled = enabled;
        }
        Refresh(m_currentCategory);
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

void StackedFilterWidget::OnCategoryChanged(int category)
{
    if (category < 0 || category >= m_categoriesCount) {
        LOG_DEBUG << "Filter index is out of range";
        return;
    }
    try {
        const bool hasItems = HasItems(category);
        if (hasItems) {
            m_currentCategory = category;
            m_stack->setCurrentWidget(m_pages.at(category));
            Refresh(category);
        }
        if (m_stateWidget != nullptr)
            m_stateWidget->setVisible(hasItems);
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

void StackedFilterWidget::OnDateCheckClicked(bool checked)
{
    try {
        ForEachDateItem([checked](ItemTemplate& dateItem) {
            if (auto* info = boost::any_cast<cmn::filter::ItemBaseInfo>(&dateItem.extra))
                info->checked = checked;
        });
        Refresh(m_currentCategory);
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

void StackedFilterWidget::OnFromDateChanged(const QDate& date)
{
    try {
        SetDateValue(cmn::filter::DateFromIndex, date);
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

void StackedFilterWidget::OnUntilDateChanged(const QDate& date)
{
    try {
        SetDateValue(cmn::filter::DateUntilIndex, date);
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

cmn::filter::FilterContext* StackedFilterWidget::Context(int category) const
{
    if (m_source == nullptr || category < 0 || category >= m_categoriesCount)
        return nullptr;
    return &m_source->GetFilterContext(category);
}

bool StackedFilterWidget::HasItems(int category) const
{
    const cmn::filter::FilterContext* context = Context(category);
    return context != nullptr && !context->items.empty();
}

void StackedFilterWidget::CreateDateBlock(const ItemTemplate& dateItem)
{
    m_dateBlock = new DateFilterWidget(this);
    m_dateBlock->SetCheckBoxText(dateItem.caption.empty() ? QCoreApplication::translate("cmn", "Dates:")
                                                          : QString::fromStdString(dateItem.caption));
    const auto* info = boost::any_cast<cmn::filter::ItemBaseInfo>(&dateItem.extra);
    m_dateBlock->SetCheckState(info != nullptr && info->checked ? Qt::Checked : Qt::Unchecked);
    auto* headerLayout = static_cast<QVBoxLayout*>(m_header->layout());
    headerLayout->addWidget(m_dateBlock);
    headerLayout->addStretch(1);
}

void StackedFilterWidget::ShareDateRange(const QDate& from, const QDate& until)
{
    m_dateBlock->SetDateRange(StartOfDay(from), StartOfDay(until));
    if (from.isValid()) {
        ForEachDateItem([&](ItemTemplate& dateItem) {
            dateItem.values[cmn::filter::DateFromIndex].value = StartOfDay(from);
            dateItem.values[cmn::filter::DateUntilIndex].value = StartOfDay(until);
        });
    }
    connect(m_dateBlock, &DateFilterWidget::FromDateChanged, this, &StackedFilterWidget::OnFromDateChanged);
    connect(m_dateBlock, &DateFilterWidget::UntilDateChanged, this, &StackedFilterWidget::OnUntilDateChanged);
    connect(m_dateBlock, &DateFilterWidget::ChkDateCreatedClicked, this, &StackedFilterWidget::OnDateCheckClicked);
    connect(this, &StackedFilterWidget::ShowCountData, m_dateBlock, &DateFilterWidget::ShowCountData);
}

void StackedFilterWidget::ForEachDateItem(const std::function<void(ItemTemplate&)>& change)
{
    for (int category = 0; category < m_categoriesCount; ++category) {
        if (!HasItems(category))
            continue;
        ItemTemplate* dateItem = cmn::filter::utils::GetDateItemTemplate(*Context(category));
        if (dateItem != nullptr && HasBounds(*dateItem))
            change(*dateItem);
    }
}

void StackedFilterWidget::SetDateValue(int valueIndex, const QDate& date)
{
    ForEachDateItem([&](ItemTemplate& dateItem) { dateItem.values[valueIndex].value = StartOfDay(date); });
    Refresh(m_currentCategory);
}

void StackedFilterWidget::Refresh(int category)
{
    cmn::filter::FilterContext* context = Context(category);
    if (context == nullptr)
        return;
    cmn::filter::utils::ResetCounts(false, *context);
    emit FilterContextChanged(category);
    if (m_dateBlock != nullptr)
        m_dateBlock->SetItemInfo(cmn::filter::utils::GetDateItemBaseInfo(*context));
}

} // namespace pluginGui
