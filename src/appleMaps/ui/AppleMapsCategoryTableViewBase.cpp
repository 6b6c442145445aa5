#include "AppleMapsCategoryTableViewBase.h"

#include "AppleMapsModelBase.h"
#include "AppleMapsSortFilterProxyModelBase.h"

#include "CryptLog/log/Log.h"
#include "location/ui/LocationDefaultDelegate.h"
#include "pluginGui/BusyCursor.h"
#include "pluginGui/DateStatistics.h"
#include "pluginGui/DelegateActionType.h"
#include "pluginGui/ElidedSyntaxHighlighter.h"
#include "pluginGui/IFilterManaged.h"
#include "pluginGui/InteractiveDelegateBase.h"
#include "pluginGui/SearchMatchCursor.h"
#include "pluginGui/SetupTableView.h"
#include "pluginGui/ShownTableText.h"
#include "pluginGui/TableQDateTimeDelegateBase.h"
#include "pluginGui/TableUrlDelegateBase.h"
#include "pluginGui/TableViewHeader.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>

#include <exception>

namespace appleMaps::ui {

namespace {

constexpr int StandardColumnWidth = 150;
// Initial widths grow to fit the content up to this; a longer text is cut and the user widens it.
constexpr int MaximumFittedColumnWidth = 420;
constexpr int FittedSampleRows = 50;

} // namespace

AppleMapsCategoryTableViewBase::AppleMapsCategoryTableViewBase(QWidget* parent, pluginGui::InfoBarWidget* infoBar,
                                                               viewers::gui::IFilter* filter)
    : QTableView(parent)
    , m_infoBar(infoBar)
    , m_highlighter(nullptr)
    , m_filter(filter)
{
    setHorizontalHeader(new pluginGui::TableViewHeader(this));
    // Connected before the table's own sorting slot, so that the cursor shows while it sorts.
    connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, [] { pluginGui::ShowBusyCursorUntilIdle(); });
    pluginGui::SetupTableView(this);
    m_highlighter = new pluginGui::ElidedSyntaxHighlighter(this, false);
    m_highlighter->SetEllipsisText(QString(QChar(0x2026)));
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &AppleMapsCategoryTableViewBase::OnScrollValueChanged);
}

void AppleMapsCategoryTableViewBase::SetTimeZone(const QTimeZone& zone)
{
    m_timeZone = zone;
    if (m_sourceModel != nullptr)
        m_sourceModel->SetTimeZone(zone);
    if (m_proxy != nullptr)
        m_proxy->SetTimeZone(zone);
}

pluginGui::InteractiveDelegateBase* AppleMapsCategoryTableViewBase::GetDelegateForColumn(int column) const
{
    const auto found = m_delegates.find(column);
    if (found != m_delegates.end())
        return found->second;
    LOG_WARN << "Unknown column: " << column;
    return nullptr;
}

void AppleMapsCategoryTableViewBase::Invalidate()
{
    if (m_proxy == nullptr)
        return;
    LOG_VERB << "Data search/filter process has been started";
    m_proxy->invalidate();
    LOG_VERB << "Data search/filter process has been finished";
}

bool AppleMapsCategoryTableViewBase::HasRows() const
{
    return model() != nullptr && model()->rowCount(rootIndex()) > 0;
}

bool AppleMapsCategoryTableViewBase::IsFiltered() const
{
    if (m_proxy == nullptr || m_sourceModel == nullptr)
        return false;
    return m_proxy->rowCount(rootIndex()) < m_sourceModel->rowCount();
}

AppleMapsModelBase* AppleMapsCategoryTableViewBase::GetSourceModel() const
{
    return m_sourceModel;
}

pluginGui::InfoBarWidget* AppleMapsCategoryTableViewBase::GetInfoBar() const
{
    return m_infoBar;
}

void AppleMapsCategoryTableViewBase::CollectTotalStatistics(pluginGui::InfoBarStatGroups& out) const
{
    if (model() != nullptr)
        pluginGui::CollectDateStatistics(*model(), 0, rootIndex(), pluginGui::StatisticsDateFormatter(m_timeZone),
                                         pluginGui::BuildTotalStatistics, out);
}

void AppleMapsCategoryTableViewBase::CollectFilteredStatistics(pluginGui::InfoBarStatGroups& out) const
{
    if (model() != nullptr)
        pluginGui::CollectDateStatistics(*model(), 0, rootIndex(), pluginGui::StatisticsDateFormatter(m_timeZone),
                                         pluginGui::BuildFilteredStatistics, out);
}

void AppleMapsCategoryTableViewBase::OnCopy()
{
    try {
        if (QClipboard* clipboard = QGuiApplication::clipboard())
            clipboard->setText(m_copyText, QClipboard::Clipboard);
    } catch (const std::exception& error) {
        LOG_ERROR << error.what();
    }
}

void AppleMapsCategoryTableViewBase::OnSearchTag(QString searchTag)
{
    LOG_VERB << "Searching has started";
    try {
        m_highlighter->SetSearchTag(searchTag);
        auto* filter = dynamic_cast<pluginGui::IFilterManaged*>(m_filter);
        if (filter != nullptr)
            filter->SetSearchText(searchTag);
        if (m_matchCursor != nullptr)
            m_matchCursor->Reset();
        const uint count = searchTag.isEmpty() || filter == nullptr ? 0 : filter->GetMatchesCount();
        emit SearchFilterFinished(count);
        viewport()->update();
        LOG_VERB << "Searching has finished";
    } catch (const std::exception& error) {
        LOG_ERROR << error.what();
    }
}

void AppleMapsCategoryTableViewBase::OnMoveToMatch(int matchIndex)
{
    try {
        if (m_matchCursor == nullptr || matchIndex < 1)
            return;
        const int row = m_matchCursor->RowOfMatch(static_cast<uint>(matchIndex));
        if (row < 0)
            return;
        const int column = currentIndex().isValid() ? currentIndex().column() : 0;
        const QModelIndex index = model()->index(row, column, rootIndex());
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(index, QAbstractItemView::PositionAtCenter);
    } catch (const std::exception& error) {
        LOG_ERROR << error.what();
    }
}

void AppleMapsCategoryTableViewBase::OnCopySelectedRows()
{
    try {
        const QString text
            = pluginGui::SelectedRowsText(*this, [this](const QModelIndex& index) { return ShownText(index); });
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (clipboard != nullptr && !text.isEmpty())
            clipboard->setText(text, QClipboard::Clipboard);
    } catch (const std::exception& error) {
        LOG_ERROR << error.what();
    }
}

void AppleMapsCategoryTableViewBase::FitColumnsToContent()
{
    pluginGui::FitColumnsToContent(
        *this, [this](const QModelIndex& index) { return ShownText(index); }, FittedSampleRows,
        MaximumFittedColumnWidth);
}

QString AppleMapsCategoryTableViewBase::ShownText(const QModelIndex& index) const
{
    const auto found = m_delegates.find(index.column());
    return found != m_delegates.end() ? found->second->GetText(index) : index.data().toString();
}

void AppleMapsCategoryTableViewBase::SetModels(AppleMapsModelBase* model, AppleMapsSortFilterProxyModelBase* proxy,
                                               const QTimeZone& zone)
{
    if (model != nullptr)
        m_sourceModel = model;
    if (proxy != nullptr) {
        m_proxy = proxy;
        m_proxy->setSourceModel(model);
        setModel(m_proxy);
        if (auto* filter = dynamic_cast<pluginGui::IFilterManaged*>(m_filter))
            m_matchCursor = new pluginGui::SearchMatchCursor(m_proxy, filter, this);
        // In the header's indicator order: newest first.
        sortByColumn(0, horizontalHeader()->sortIndicatorOrder());
    }
    SetTimeZone(zone);
}

void AppleMapsCategoryTableViewBase::SetupColumns()
{
    QHeaderView* header = horizontalHeader();
    header->setMinimumSectionSize(StandardColumnWidth);
    const int lastColumn = model() != nullptr ? model()->columnCount() - 1 : -1;
    for (int column = 0; column < lastColumn; ++column) {
        header->setSectionResizeMode(column, QHeaderView::Interactive);
        setColumnWidth(column, StandardColumnWidth);
    }
    header->setStretchLastSection(true);
}

std::unique_ptr<location::ui::LocationDefaultDelegate> AppleMapsCategoryTableViewBase::MakeTextDelegate()
{
    return MakeDelegateWith<location::ui::LocationDefaultDelegate>(m_highlighter, false);
}

std::unique_ptr<pluginGui::TableQDateTimeDelegateBase> AppleMapsCategoryTableViewBase::MakeDateDelegate()
{
    return MakeDelegateWith<pluginGui::TableQDateTimeDelegateBase>(nullptr);
}

std::unique_ptr<pluginGui::TableUrlDelegateBase> AppleMapsCategoryTableViewBase::MakeUrlDelegate()
{
    return MakeDelegateWith<pluginGui::TableUrlDelegateBase>(m_highlighter, true);
}

void AppleMapsCategoryTableViewBase::SetDelegate(pluginGui::InteractiveDelegateBase* delegate,
                                                 std::initializer_list<int> columns)
{
    for (int column : columns)
        m_delegates[column] = delegate;
}

void AppleMapsCategoryTableViewBase::InstallDelegates()
{
    for (const auto& [column, delegate] : m_delegates)
        setItemDelegateForColumn(column, delegate);
}

void AppleMapsCategoryTableViewBase::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    const bool byKeyboard = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (byKeyboard && currentIndex().isValid() && !selectionModel()->hasSelection())
        selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void AppleMapsCategoryTableViewBase::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        OnCopySelectedRows();
        return;
    }
    QTableView::keyPressEvent(event);
}

void AppleMapsCategoryTableViewBase::mouseMoveEvent(QMouseEvent* event)
{
    try {
        const QModelIndex index = indexAt(event->pos());
        if (index.isValid()) {
            if (pluginGui::InteractiveDelegateBase* delegate = GetDelegateForColumn(index.column()))
                delegate->HandleMouseAction(event->pos(), index, this, pluginGui::MoveAction, nullptr);
        }
    } catch (const std::exception& error) {
        LOG_ERROR << error.what();
    }
    QTableView::mouseMoveEvent(event);
}

void AppleMapsCategoryTableViewBase::mouseReleaseEvent(QMouseEvent* event)
{
    try {
        const QModelIndex index = indexAt(event->pos());
        pluginGui::InteractiveDelegateBase* delegate = index.isValid() ? GetDelegateForColumn(index.column()) : nullptr;
        if (delegate != nullptr) {
            if (event->button() == Qt::LeftButton && delegate->HasLink())
                delegate->HandleMouseAction(event->pos(), index, this, pluginGui::LeftClickAction, nullptr);
            else if (event->button() == Qt::RightButton && ShowCopyMenu(delegate, index, event))
                return;
        }
    } catch (const std::exception& error) {
        LOG_ERROR << error.what();
    }
    QTableView::mouseReleaseEvent(event);
}

void AppleMapsCategoryTableViewBase::OnScrollValueChanged()
{
    viewport()->update();
}

int AppleMapsCategoryTableViewBase::ShownRowCount() const
{
    return m_proxy != nullptr ? m_proxy->rowCount() : 0;
}

bool AppleMapsCategoryTableViewBase::ShowCopyMenu(pluginGui::InteractiveDelegateBase* delegate,
                                                  const QModelIndex& index, QMouseEvent* event)
{
    // A cell with nothing to copy leaves the text untouched: the last cell's must not linger.
    m_copyText.clear();
    delegate->HandleMouseAction(event->pos(), index, this, pluginGui::RightClickAction, &m_copyText);
    if (m_copyText.isEmpty())
        return false;
    QMenu menu(this);
    QAction* copy = menu.addAction(QCoreApplication::translate("cmn", "Copy"));
    connect(copy, &QAction::triggered, this, &AppleMapsCategoryTableViewBase::OnCopy);
    menu.exec(event->globalPos());
    return true;
}

} // namespace appleMaps::ui
